// TUebersichtFrm: "Bonus löschen" for the selected customer: all his stored and computed
// bonuses go, and the sales they were earned with can be bonified again.
#include <QApplication>
#include <QTimer>
#include <exception>

#include "app/dm.h"
#include "overview/uebersicht_frm.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/services/orv_info.h"
#include "platform/store/booking.h"
#include "platform/ui/data_grid.h"

namespace {

class Sanduhr {
public:
    Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

bool TUebersichtFrm::BONUDeleteClick() {
    TDM* dm = DM();
    if (!dm || FAktGepNr.IsNull()) return false;
    try {
        const TIntPair kunde = FAktGepNr;
        if (FModus == TSelektionFrmModus::smBonusSelektion)
            BonusTabellen->UseTMP(1, dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
        else
            BonusTabellen->UseTMP(0, {}, {});
        BonusTabellen->SetKundeGepNr(kunde);
        if (BonusTabellen->GetTabCount() == 0) return false;
        const QString frage =
            QStringLiteral("Sind Sie sicher, dass Sie alle Boni des Kunden %1 löschen möchten?\n"
                           "Es werden alle Boni gelöscht, gleichgültig, ob sie offen, abgeschlossen "
                           "oder schon verwendet waren.\n"
                           "Die Umsätze des Kunden werden wieder für eine Bonusberechnung zur "
                           "Verfügung stehen.")
                .arg(dm->GetKundeName(kunde));
        if (!ORVJaNeinBox(frage.toStdString(), false)) return false;
        {
            Sanduhr sanduhr;
            TBonusTabellenGen tabellen;
            tabellen.UseTMP(0, {}, {});  // the temporary bonuses of every programme
            tabellen.KundeLaden(kunde);
            // One booking: the stored bonuses with their open items, service records and
            // position marks. The temporary file is another database; its entries go inside
            // the bracket, so a failure there leaves the stored bonuses untouched, and a failed
            // commit leaves at worst computed bonuses missing, never a booked one.
            kis::store::BookingScope buchung(kBuchungBonusLoeschen, kunde);
            tabellen.Delete(0);
            tabellen.Delete(1);
            buchung.Commit();
        }
        // The list shows the customer's bonus columns as they are now.
        GridNeuLadenZeile(grdKISU->CurrentRow());
        QTimer::singleShot(0, this, [this] { btnZurueckClick(); });
        return true;
    } catch (const std::exception& e) {
        Registrieren("BONUDeleteClick", e);
        ORVInfo().WarnungBox(std::string("Die Boni wurden nicht gelöscht: ") + e.what());
        return false;
    }
}
