// TUebersichtFrm: "Bonus manuell vergeben" for the selected customer and for all customers.
#include <QApplication>

#include "app/dm.h"
#include "bonus/bonus_man_alle.h"
#include "bonus/bonus_man_eing.h"
#include "overview/uebersicht_frm.h"
#include "overview/uebersicht_spalten.h"
#include "platform/base/kunde_text.h"
#include "platform/evaluation/kisu_liste.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"

#include <QTabWidget>

Tfrmbonusmaneing* TUebersichtFrm::BonusManDialog() {
    if (Tfrmbonusmaneing* d = Tfrmbonusmaneing::Instanz()) return d;
    // Without the program's dialog (a window used alone) the overview keeps one of its own.
    auto* d = findChild<Tfrmbonusmaneing*>();
    return d ? d : new Tfrmbonusmaneing(this);
}

void TUebersichtFrm::KundeWiederWaehlen(const TIntPair& kunde) {
    if (kunde.IsNull()) return;
    const std::string text = kis::keys::KundeAlsText(kunde);
    // Rows are read as far as needed to find the customer, not further.
    for (int r = 0;; ++r) {
        while (r >= mdlKISU->RowCount() && mdlKISU->canFetchMore({})) mdlKISU->fetchMore({});
        if (r >= mdlKISU->RowCount()) return;
        if (mdlKISU->Value(r, kis::overview::ksKUNDE).toString().toStdString() == text) {
            grdKISU->SelectRow(r);
            grdKISUSelect(grdKISU->CurrentRow());
            return;
        }
    }
}

bool TUebersichtFrm::BONUBucheManuellClick(bool nurBonusSeite) {
    TDM* dm = DM();
    // The totals row is no customer.
    if (!dm || FAktGepNr.IsNull()) return false;
    try {
        Tfrmbonusmaneing* dialog = BonusManDialog();
        dialog->FKundenAuswahl = true;
        dialog->FKunde = FAktGepNr;
        if (dialog->exec() != QDialog::Accepted) return false;
        const bool ok = dm->BONUBucheManuell(dialog->FManuellerBonus);
        if (!ok)
            ORVInfo().WarnungBox("Der Bonus wurde nicht gebucht: " + ORVInfo().LastError());
        if (nurBonusSeite) {
            tshKundeBonusShow();
            return ok;
        }
        const TIntPair vorher = FAktGepNr;
        BonusSumWert = 0;
        OPSumList.clear();
        UebersichtNeuLaden();
        KundeWiederWaehlen(vorher);
        return ok;
    } catch (const std::exception& e) {
        Registrieren("BONUBucheManuellClick", e);
        return false;
    }
}

bool TUebersichtFrm::BONUBucheManuellAlleClick() {
    TDM* dm = DM();
    if (!dm) return false;
    TManuellAlleErgebnis ergebnis;
    const TIntPair vorher = FAktGepNr;
    try {
        Tfrmbonusmaneing* dialog = BonusManDialog();
        dialog->FKundenAuswahl = false;
        if (dialog->exec() != QDialog::Accepted) return false;
        std::vector<TIntPair> kunden;
        for (const TKisuSatz& s : kis::evaluation::KisuKunden("KISUFILE." + ORVProgramm().ProzessIdFormated()))
            kunden.push_back(s.Kunde);
        setEnabled(false);
        ergebnis = BonusManuellFuerAlle(*dm, dialog->FManuellerBonus, kunden);
        setEnabled(true);
    } catch (const std::exception& e) {
        setEnabled(true);
        Registrieren("BONUBucheManuellAlleClick", e);
        ergebnis.fehler << QString::fromUtf8(e.what());
    }
    BonusManuellFehlerMelden(ergebnis);
    BonusSumWert = 0;
    OPSumList.clear();
    UebersichtNeuLaden();
    KundeWiederWaehlen(vorher);
    return ergebnis.Ok();
}
