// TKundEingSerbFrm: what the window does with its list (serial letter, message center, bonus
// grant, setting customers passive) and its named masks.
#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>

#include "app/dm.h"
#include "bonus/bonus_man_alle.h"
#include "bonus/bonus_man_eing.h"
#include "bonus/radio_gruppe.h"
#include "engine/merova_query.h"
#include "platform/evaluation/kisu_liste.h"
#include "platform/partners/gp_data.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/store/record_files.h"
#include "platform/ui/data_model.h"
#include "platform/ui/dochost/gp_doc_host.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/serbrief/gp_ser_brief.h"
#include "platform/ui/sel_box.h"
#include "platform/ui/std_button.h"
#include "serienbrief/kund_eing_serb_frm.h"

namespace {

const char* kProgramm = "MEROVA";
const char* kMaskeSerBrief = "KUNDSERB";

std::string S(const QString& s) {
    return s.toStdString();
}

}  // namespace

// ---------------------------------------------------------------- the customer walk

bool TKundEingSerbFrm::KundeErster(TIntPair& kunde) {
    try {
        if (!kisufile_->IsOpen()) kisufile_->OpenOut();
        kisufile_->ClearKeysAndFilters();
        kisufile_->SelectIndex("KUNDE");
        kisufile_->SetUsedField({"KUNDE"});
        bool ok = kisufile_->Get_ge();
        // The totals record (key 0/0) stands first in key order and is nobody's letter.
        if (ok && kisufile_->Feld("KUNDE").AsPair().IsNull()) ok = kisufile_->Next();
        if (ok) kunde = kisufile_->Feld("KUNDE").AsPair();
        return ok;
    } catch (const std::exception& e) {
        Registrieren("KundeErster", e);
        return false;
    }
}

bool TKundEingSerbFrm::KundeNaechster(TIntPair& kunde) {
    try {
        const bool ok = kisufile_->Next();
        if (ok) kunde = kisufile_->Feld("KUNDE").AsPair();
        return ok;
    } catch (const std::exception& e) {
        Registrieren("KundeNaechster", e);
        return false;
    }
}

// ---------------------------------------------------------------- serial letter, message center

void TKundEingSerbFrm::btnSerBriefClick() {
    if (!btnSerBrief->isEnabled()) return;
    if (FBonusVergabe)
        BonusVergeben();
    else
        SerBriefExecute();
}

void TKundEingSerbFrm::SerBriefExecute() {
    try {
        if (!GPSerBrief)
            GPSerBrief = std::make_unique<TGPSerBrief>(
                this, QString::fromLatin1(kProgramm), QString::fromLatin1(kMaskeSerBrief),
                [this](TIntPair& k) { return KundeErster(k); }, [this](TIntPair& k) { return KundeNaechster(k); });
        kisufile_->OpenOut();
        GPSerBrief->Clear();
        try {
            if (GPSerBrief->Init()) GPSerBrief->Execute();
        } catch (...) {
            GPSerBrief->Done();
            kisufile_->Close();
            throw;
        }
        GPSerBrief->Done();
        kisufile_->Close();
    } catch (const std::exception& e) {
        Registrieren("SerBriefExecute", e);
    }
}

void TKundEingSerbFrm::btnMessageCenterClick() {
    if (!btnMessageCenter->isVisible() || !btnMessageCenter->isEnabled()) return;
    try {
        // The message center walks the customers as the serial letter does: a message to the
        // totals record would go to nobody.
        if (!GPDocHost)
            GPDocHost = std::make_unique<Tgpdochost>(
                this, QString::fromLatin1(kProgramm), QString::fromLatin1(kMaskeSerBrief),
                [this](TIntPair& k) { return KundeErster(k); }, [this](TIntPair& k) { return KundeNaechster(k); });
        kisufile_->OpenOut();
        setEnabled(false);
        try {
            GPDocHost->Execute();
        } catch (...) {
            setEnabled(true);
            kisufile_->Close();
            throw;
        }
        setEnabled(true);
        kisufile_->Close();
    } catch (const std::exception& e) {
        Registrieren("btnMessageCenterClick", e);
    }
}

// ---------------------------------------------------------------- bonus grant

void TKundEingSerbFrm::BonusVergeben() {
    if (!dm_) return;
    TManuellAlleErgebnis ergebnis;
    try {
        Tfrmbonusmaneing* dialog = Tfrmbonusmaneing::Instanz();
        if (!dialog) dialog = findChild<Tfrmbonusmaneing*>();
        if (!dialog) dialog = new Tfrmbonusmaneing(this, dm_);
        dialog->FKundenAuswahl = false;
        if (dialog->exec() != QDialog::Accepted) return;
        std::vector<TIntPair> kunden;
        for (const TKisuSatz& s : kis::evaluation::KisuKunden(TMerovaQuery::KisuFileName())) kunden.push_back(s.Kunde);
        setEnabled(false);
        ergebnis = BonusManuellFuerAlle(*dm_, dialog->FManuellerBonus, kunden);
        setEnabled(true);
    } catch (const std::exception& e) {
        setEnabled(true);
        Registrieren("BonusVergebenExecute", e);
        ergebnis.fehler << QString::fromUtf8(e.what());
    }
    BonusManuellFehlerMelden(ergebnis);
}

// ---------------------------------------------------------------- set passive

void TKundEingSerbFrm::SelektionPassivieren() {
    if (!dm_) return;
    try {
        if (mdlSelektion->RowCount() == 0) {
            ORVInfo().HinweisBox("Die Selektion enthält keine Daten.");
            return;
        }
        if (ORVInfo().ShowMeldung(kis::services::kMeldungJaNein, 1003, kProgramm) != kis::services::kAntwortJa) return;
    } catch (const std::exception& e) {
        Registrieren("actF18Execute", e);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TGpData* gpData = nullptr;
    int anzahl = 0;
    bool fehler = false;
    try {
        gpData = GlobGpData_GetInstance();
        const auto kunden = kis::evaluation::KisuKunden(TMerovaQuery::KisuFileName());
        // The run is not stopped halfway, so it offers no abort.
        dm_->ZeigeLaufDialog(QStringLiteral("Kunden passiviert:"), dm_->couKundeName->Caption(),
                             dm_->couAnzKunde->Caption(), dm_->couAnzVkPos->Caption(), false);
        for (const TKisuSatz& s : kunden) {
            TGpSatz satz;
            if (!gpData->GetMitStatus(s.Kunde, "A", satz)) continue;  // not active: skipped
            dm_->KIQueryOnGepGelesen(s.Kunde, gpData->AnzeigeName(s.Kunde));
            ORVInfoProcessMessages(300);
            // One booking of type 55 per customer.
            if (gpData->SetStatus(s.Kunde, "P")) ++anzahl;
        }
    } catch (const std::exception& e) {
        Registrieren("actF18Execute", e);
        fehler = true;
    }
    dm_->prgDlg->Close();
    dm_->prgDlg->SetAbortVisible(true);
    dm_->PrgDlgActive = false;
    QApplication::restoreOverrideCursor();
    if (fehler)
        ORVInfo().WarnungBox("Das Passivieren wurde wegen eines Fehlers abgebrochen. Passiv gesetzt wurden " +
                             std::to_string(anzahl) + " Kunden.\n" + ORVInfo().LastError());
    else
        ORVInfo().ShowMeldung(kis::services::kMeldungHinweis, 1004, kProgramm, {std::to_string(anzahl)});
    if (gpData) {
        gpData->Close();
        GlobGpData_ReleaseInstance();
    }
    reject();
}

// ---------------------------------------------------------------- masks

QString TKundEingSerbFrm::MaskenDialog(TMaskenDialog::Art art) {
    QStringList namen;
    for (const std::string& n : store_->MaskNames()) namen << QString::fromStdString(n);
    return (OnMaskenDialog ? OnMaskenDialog(art, namen) : TMaskenDialog::Waehlen(art, namen, this)).trimmed();
}

void TKundEingSerbFrm::MaskeLaden() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Laden);
        if (!FMaskeName.isEmpty()) MaskeLadenName(FMaskeName);
    } catch (const std::exception& e) {
        Registrieren("MaskeLaden", e);
    }
}

void TKundEingSerbFrm::MaskeSpeichern() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Speichern);
        if (!FMaskeName.isEmpty()) MaskeSpeichernName(FMaskeName);
    } catch (const std::exception& e) {
        Registrieren("MaskeSpeichern", e);
    }
}

void TKundEingSerbFrm::MaskeLoeschen() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Loeschen);
        if (!FMaskeName.isEmpty()) MaskeLoeschenName(FMaskeName);
    } catch (const std::exception& e) {
        Registrieren("MaskeLoeschen", e);
    }
}

void TKundEingSerbFrm::MaskeLadenName(const QString& name) {
    for (TSelBox* box : Boxen()) box->MaskeLaden(name);
    const auto seite = store_->Restore(S(name));
    if (const auto it = seite.find("pgcSelektion.ActivePage"); it != seite.end())
        if (auto* w = pgcSelektion->findChild<QWidget*>(QString::fromStdString(it->second)))
            if (pgcSelektion->indexOf(w) >= 0) pgcSelektion->setCurrentWidget(w);
    if (!vkStore_->Exists(S(name))) return;
    const auto vk = vkStore_->Restore(S(name));
    auto wert = [&vk](const char* property) {
        const auto it = vk.find(property);
        return it == vk.end() ? QString() : QString::fromStdString(it->second);
    };
    bool ok = false;
    const int index = wert("rgrpVerkaeufeJaNein.ItemIndex").toInt(&ok);
    rgrpVerkaeufeJaNein->SetItemIndex(ok && index >= 0 && index <= 2 ? index : 0);
    edtDatumVon->SetText(wert("edtDatumVon.Text"));
    edtDatumBis->SetText(wert("edtDatumBis.Text"));
    chbKeineOP->setChecked(wert("chbKeineOP.Checked") == QLatin1String("1"));
    rgrpVerkaeufeJaNeinClick();
}

void TKundEingSerbFrm::MaskeSpeichernName(const QString& name) {
    const QWidget* seite = pgcSelektion->currentWidget();
    store_->Store(S(name), {{"pgcSelektion.ActivePage", seite ? S(seite->objectName()) : std::string()}});
    for (TSelBox* box : Boxen()) box->MaskeSpeichern(name);
    vkStore_->Store(S(name), {{"rgrpVerkaeufeJaNein.ItemIndex", std::to_string(rgrpVerkaeufeJaNein->ItemIndex())},
                              {"edtDatumVon.Text", S(edtDatumVon->Text())},
                              {"edtDatumBis.Text", S(edtDatumBis->Text())},
                              {"chbKeineOP.Checked", chbKeineOP->isChecked() ? "1" : "0"}});
}

void TKundEingSerbFrm::MaskeLoeschenName(const QString& name) {
    for (TSelBox* box : Boxen()) box->MaskeLoeschen(name);
    store_->Delete(S(name));
    vkStore_->Delete(S(name));
}
