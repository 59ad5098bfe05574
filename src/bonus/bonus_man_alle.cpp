#include "bonus/bonus_man_alle.h"

#include "app/dm.h"
#include "platform/bonus/bonus_mani.h"
#include "platform/services/orv_info.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"

namespace {

// Closes the progress dialog on every way out of the run.
struct DialogZu {
    TDM& dm;
    ~DialogZu() {
        dm.prgDlg->Close();
        dm.PrgDlgActive = false;
    }
};

}  // namespace

TManuellAlleErgebnis BonusManuellFuerAlle(TDM& dm, const TQEL_ManuellerBonus& grant,
                                          const std::vector<TIntPair>& kunden) {
    TManuellAlleErgebnis ergebnis;
    TQEL_ManuellerBonus kopie = grant;
    dm.ZeigeLaufDialog(QStringLiteral("Buchung läuft ..."), dm.couKundeName->Caption(),
                       dm.couAnzKunde->Caption(), QString());
    DialogZu zu{dm};
    for (const TIntPair& kunde : kunden) {
        const QString name = dm.GetKundeName(kunde);
        dm.KIQueryOnGepGelesen(kunde, name.toStdString());
        ORVInfoProcessMessages(333);
        if (!dm.PrgDlgActive) {
            ergebnis.abgebrochen = true;
            break;
        }
        kopie.Kunde = kunde;
        ORVInfo().ResetErrorSpezNoWrite();
        if (dm.BONUBucheManuell(kopie))
            ++ergebnis.gebucht;
        else
            ergebnis.fehler << QStringLiteral("%1 (%2): %3")
                                   .arg(name, QString::fromStdString(kunde.ToString()),
                                        QString::fromStdString(ORVInfo().LastError()));
    }
    return ergebnis;
}

void BonusManuellFehlerMelden(const TManuellAlleErgebnis& ergebnis) {
    if (ergebnis.fehler.isEmpty()) return;
    const QString text = QStringLiteral("Nicht gebucht:\n") + ergebnis.fehler.mid(0, 20).join(QLatin1Char('\n')) +
                         (ergebnis.fehler.size() > 20 ? QStringLiteral("\n...") : QString());
    ORVInfo().WarnungBox(text.toStdString());
}
