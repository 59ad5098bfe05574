// Presets of bonus mode, named masks and the stored box visibility of the selection window.
#include <QComboBox>
#include <QPushButton>

#include "app/aktiv_passiv.h"
#include "app/dm.h"
#include "platform/services/form_store.h"
#include "platform/services/orv_info.h"
#include "platform/ui/button_menu.h"
#include "platform/ui/gpsel/gp_sel_erw_box.h"
#include "selection/selektion_frm.h"
#include "selection/sum_sel_op_box.h"

namespace {
std::string S(const QString& s) {
    return s.toStdString();
}
}  // namespace

void TSelektionFrm::MenueSperren(const QString& boxName) {
    auto* knoepfe = bmnSelektionModi->Buttons();
    for (int i = 0; i < knoepfe->Count(); ++i) {
        if (knoepfe->At(i).name.mid(3).compare(boxName, Qt::CaseInsensitive) != 0) continue;
        knoepfe->SetEnabled(i, false);
        if (auto* knopf = qobject_cast<QPushButton*>(bmnSelektionModi->EntryWidget(i))) {
            knopf->setIcon(TORVStdButtonMenu::CheckMarkIcon());
            knopf->setProperty("haekchen", true);
        }
        return;
    }
}

void TSelektionFrm::FormShow_ModusListe() {
    kis::app::TAktivPassivTable tabelle;
    for (const auto& [combo, aktiv, passiv] : TGPSelErwBox::StatusTabelle())
        tabelle.push_back({combo, aktiv, passiv, 0, false});
    for (const QString& zeile : FModusListe) {
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (gleich <= 0) continue;
        const QString name = zeile.left(gleich).trimmed();
        const QString wert = zeile.mid(gleich + 1);
        const qsizetype punkt = name.indexOf(QLatin1Char('.'));
        if (punkt <= 0) continue;
        TSelBox* box = Box(name.left(punkt));
        if (!box) continue;  // a box this window does not have
        const QString control = name.mid(punkt + 1).section(QLatin1Char('.'), 0, 0);
        box->show();
        MenueSperren(box->objectName());
        if (box->PresetSetzen(control, wert)) continue;
        // Not a control of the box: an active/passive option of the customer status.
        if (dm_)
            dm_->SonderLockeAktivPassiv(control, wert, tabelle);
        else
            kis::app::SonderLockeAktivPassiv(S(control), S(wert), tabelle);
    }
    bool gesetzt = false;
    for (const auto& e : tabelle) gesetzt = gesetzt || e.touched;
    if (!gesetzt) return;
    if (dm_)
        dm_->SonderLockeAktivPassivFinal(GPSelErwBox, tabelle);
    else
        for (const auto& e : tabelle)
            if (auto* combo =
                    GPSelErwBox->findChild<QComboBox*>(QString::fromStdString(e.comboName)))
                GPSelErwBox->StatusNachCombo(combo, e.state);
    // Status presets are locked like every other preset.
    for (const auto& e : tabelle)
        if (e.touched) GPSelErwBox->Sperren(QString::fromStdString(e.comboName));
}

void TSelektionFrm::SichtbarkeitSpeichern(const QString& maske) {
    kis::services::FormProperties props;
    for (TSelBox* box : Boxen())
        if (box != SumSelEVBox)
            props.emplace(S(box->objectName()) + ".Visible", std::string(box->isHidden() ? "0" : "1"));
    store_->Store(S(maske), props);
}

void TSelektionFrm::SichtbarkeitLaden(const QString& maske) {
    if (!store_->Exists(S(maske))) return;
    const kis::services::FormProperties props = store_->Restore(S(maske));
    for (TSelBox* box : Boxen()) {
        if (box == SumSelEVBox) continue;
        const auto it = props.find(S(box->objectName()) + ".Visible");
        if (it == props.end()) continue;
        const bool an = it->second == "1";
        // A box holding presets of the programme stays visible.
        if (!an && box->HatPresets()) continue;
        box->setVisible(an);
    }
}

QString TSelektionFrm::MaskenDialog(TMaskenDialog::Art art) {
    QStringList namen;
    for (const std::string& n : store_->MaskNames())
        if (QString::fromStdString(n) != AutoMaske()) namen << QString::fromStdString(n);
    return (OnMaskenDialog ? OnMaskenDialog(art, namen) : TMaskenDialog::Waehlen(art, namen, this))
        .trimmed();
}

void TSelektionFrm::MaskeLaden() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Laden);
        if (!FMaskeName.isEmpty()) MaskeLadenName(FMaskeName);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSelektionFrm.MaskeLaden", e, 1);
    }
}

void TSelektionFrm::MaskeSpeichern() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Speichern);
        if (!FMaskeName.isEmpty()) MaskeSpeichernName(FMaskeName);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSelektionFrm.MaskeSpeichern", e, 1);
    }
}

void TSelektionFrm::MaskeLoeschen() {
    try {
        FMaskeName.clear();
        FMaskeName = MaskenDialog(TMaskenDialog::Art::Loeschen);
        if (!FMaskeName.isEmpty()) MaskeLoeschenName(FMaskeName);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TSelektionFrm.MaskeLoeschen", e, 1);
    }
}

void TSelektionFrm::MaskeLadenName(const QString& name) {
    SichtbarkeitLaden(name);
    for (TSelBox* box : Boxen()) box->MaskeLaden(name);
    ElementePositionieren();
    ParseBoxes();
}

void TSelektionFrm::MaskeSpeichernName(const QString& name) {
    SichtbarkeitSpeichern(name);
    for (TSelBox* box : Boxen()) box->MaskeSpeichern(name);
}

void TSelektionFrm::MaskeLoeschenName(const QString& name) {
    store_->Delete(S(name));
    for (TSelBox* box : Boxen()) box->MaskeLoeschen(name);
}
