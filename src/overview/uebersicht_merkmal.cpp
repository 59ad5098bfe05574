// TUebersichtFrm: setting a customer attribute for the selected or for all listed customers.
#include <QStringList>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/dm.h"
#include "engine/merova_query.h"
#include "overview/set_merkmal.h"
#include "overview/uebersicht_frm.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/services/orv_info.h"
#include "platform/store/booking.h"
#include "platform/store/record_files.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"

namespace {

Tfrmsetmerkmal* MerkmalDialog(QWidget* fenster, std::unique_ptr<Tfrmsetmerkmal>& eigener) {
    if (Tfrmsetmerkmal* d = Tfrmsetmerkmal::Instanz()) return d;
    eigener = std::make_unique<Tfrmsetmerkmal>(fenster);
    return eigener.get();
}

// The listed customers (key and name) in key order, without the totals record.
std::vector<std::pair<TIntPair, std::string>> ListenKunden() {
    kis::store::Tkisufile kisu;
    kisu.SetFileNameRel(TMerovaQuery::KisuFileName());
    kisu.OpenOut();
    kisu.ClearKeysAndFilters();
    kisu.Feld("ART").SetFilterMinMax(std::string("VK"), std::string("VK"));
    kisu.SelectIndex("KUNDE");
    kisu.SetUsedField({"KUNDE", "NAME"});
    std::vector<std::pair<TIntPair, std::string>> kunden;
    for (bool ok = kisu.Get_ge(); ok; ok = kisu.Next()) {
        const TIntPair k = kisu.Feld("KUNDE").AsPair();
        if (!k.IsNull()) kunden.emplace_back(k, kisu.Feld("NAME").AsString());
    }
    kisu.Close();
    return kunden;
}

}  // namespace

bool TUebersichtFrm::BuchungfrdenselektiertenKunden3Click() {
    TDM* dm = DM();
    if (!dm || FAktGepNr.IsNull()) return false;
    try {
        std::unique_ptr<Tfrmsetmerkmal> eigener;
        Tfrmsetmerkmal* dlg = MerkmalDialog(this, eigener);
        dlg->FKundenAuswahl = true;
        dlg->FKunde = FAktGepNr;
        if (dlg->exec() != QDialog::Accepted) return false;
        TQEL_GP_GBMERkmal_Buchmani* mani = dm->GetGBMerkmalMani();
        if (!mani) return false;
        mani->BucheMerkmal(dlg->FKunde, dlg->FGBNr, dlg->FWert.toStdString());
        return true;
    } catch (const std::exception& e) {
        Registrieren("BuchungfrdenselektiertenKunden3Click", e);
        ORVInfo().FehlerBox(std::string("Das Merkmal wurde nicht gebucht.\n") + e.what());
        return false;
    }
}

bool TUebersichtFrm::BuchungfralleKunden3Click() {
    TDM* dm = DM();
    if (!dm) return false;
    std::unique_ptr<Tfrmsetmerkmal> eigener;
    Tfrmsetmerkmal* dlg = nullptr;
    try {
        dlg = MerkmalDialog(this, eigener);
        dlg->FKundenAuswahl = false;
        if (dlg->exec() != QDialog::Accepted) return false;
    } catch (const std::exception& e) {
        Registrieren("BuchungfralleKunden3Click", e);
        return false;
    }

    bool ok = true;
    bool abgebrochen = false;
    size_t gebucht = 0, gesamt = 0;
    QStringList nichtGebucht;
    setEnabled(false);
    try {
        TQEL_GP_GBMERkmal_Buchmani* mani = dm->GetGBMerkmalMani();
        if (!mani) throw std::runtime_error("Die Merkmalsbuchung ist nicht verfügbar.");
        const auto kunden = ListenKunden();
        gesamt = kunden.size();
        const int32_t merkmal = dlg->FGBNr;
        const std::string wert = dlg->FWert.toStdString();
        dm->ZeigeLaufDialog(QStringLiteral("Buchung läuft ..."), dm->couKundeName->Caption(),
                            dm->couAnzKunde->Caption(), QString());
        // One booking for the whole list. A stop keeps what was booked up to then; a customer
        // that cannot take the value is skipped and reported.
        kis::store::BookingScope buchung(kBuchungMerkmal);
        for (const auto& [kunde, name] : kunden) {
            dm->KIQueryOnGepGelesen(kunde, name);
            ORVInfoProcessMessages(333);
            if (!dm->PrgDlgActive) {
                abgebrochen = true;
                break;
            }
            try {
                mani->BucheMerkmal(kunde, merkmal, wert);
                ++gebucht;
            } catch (const std::invalid_argument& e) {
                nichtGebucht << QString::fromStdString(name + " (" + kunde.ToString() + "): " + e.what());
            }
        }
        buchung.Commit();
    } catch (const std::exception& e) {
        Registrieren("BuchungfralleKunden3Click", e);
        nichtGebucht.prepend(QString::fromUtf8(e.what()));
        ok = false;
        gebucht = 0;  // the booking was rolled back whole
    }
    setEnabled(true);
    dm->prgDlg->Close();
    dm->PrgDlgActive = false;
    if (!nichtGebucht.isEmpty()) {
        ok = false;
        const QString text = QStringLiteral("Das Merkmal wurde %1 von %2 Kunden gebucht. Nicht gebucht:\n")
                                 .arg(gebucht)
                                 .arg(gesamt) +
                             nichtGebucht.mid(0, 20).join('\n') +
                             (nichtGebucht.size() > 20 ? QStringLiteral("\n...") : QString());
        ORVInfo().WarnungBox(text.toStdString());
    } else if (abgebrochen) {
        ok = false;
        ORVInfo().HinweisBox(QStringLiteral("Abgebrochen: Das Merkmal wurde %1 von %2 Kunden gebucht.")
                                 .arg(gebucht)
                                 .arg(gesamt)
                                 .toStdString());
    }
    return ok;
}
