// TUebersichtFrm: booking the bonuses that the generation of a bonus run computed.
#include <QApplication>
#include <QStringList>
#include <QTabWidget>
#include <exception>

#include "app/dm.h"
#include "overview/uebersicht_frm.h"
#include "platform/bonus/bonus_buchungslauf.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/ui/data_grid.h"

using TBuchErgebnis = TBonusTabellenGen::TBuchErgebnis;

bool TUebersichtFrm::BONUBuchenAlleClick() {
    TDM* dm = DM();
    if (!dm || FModus != TSelektionFrmModus::smBonusSelektion) return false;
    bool ok = true;
    QStringList nichtGebucht;
    try {
        TBonusBuchungsLauf lauf(dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
        // A stopped run leaves the rest unbooked, to be booked by a later run.
        ok = AlleKundenLauf(QStringLiteral("Buchung läuft ..."), 333,
                            [&](const TIntPair& kunde, const std::string& name) {
                                std::string meldung;
                                const TBuchErgebnis r = lauf.BucheKunde(kunde, &meldung);
                                if (r == TBuchErgebnis::SchonVerrechnet || r == TBuchErgebnis::Fehler)
                                    nichtGebucht << QString::fromStdString(name + " (" + kunde.ToString() +
                                                                           "): " + meldung);
                            });
        // What was booked before a stop is committed too.
        lauf.Abschliessen();
        if (!nichtGebucht.isEmpty()) ok = false;
    } catch (const std::exception& e) {
        Registrieren("BONUBuchenAlleClick", e);
        nichtGebucht << QString::fromUtf8(e.what());
        ok = false;
    }
    if (!nichtGebucht.isEmpty()) {
        const QString text = QStringLiteral("Nicht gebucht:\n") + nichtGebucht.mid(0, 20).join('\n') +
                             (nichtGebucht.size() > 20 ? QStringLiteral("\n...") : QString());
        ORVInfo().WarnungBox(text.toStdString());
    }
    BonusSumWert = 0;
    OPSumList.clear();
    UebersichtNeuLaden();
    return ok;
}

bool TUebersichtFrm::BuchungfrdenselektiertenKunden1Click() {
    TDM* dm = DM();
    if (!dm || FModus != TSelektionFrmModus::smBonusSelektion || FAktGepNr.IsNull()) return false;
    try {
        TBonusTabellenGen tabellen;
        tabellen.UseTMP(1, dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
        std::string meldung;
        const TBuchErgebnis r = tabellen.BucheKunde(FAktGepNr, &meldung);
        if (r == TBuchErgebnis::SchonVerrechnet || r == TBuchErgebnis::Fehler) {
            ORVInfo().WarnungBox("Der Bonus wurde nicht gebucht: " + meldung);
            return false;
        }
        BonusSumWert = 0;
        OPSumList.clear();
        QWidget* seite = pgcKunde->currentWidget();
        GridNeuLadenZeile(grdKISU->CurrentRow());
        if (pgcKunde->isTabVisible(pgcKunde->indexOf(seite))) pgcKunde->setCurrentWidget(seite);
        AktiveSeiteNeu();
        return true;
    } catch (const std::exception& e) {
        Registrieren("BuchungfrdenselektiertenKunden1Click", e);
        return false;
    }
}
