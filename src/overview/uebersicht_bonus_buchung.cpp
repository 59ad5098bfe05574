// TUebersichtFrm: booking the bonuses that the generation of a bonus run computed.
#include <QApplication>
#include <QStringList>
#include <exception>

#include "app/dm.h"
#include "overview/uebersicht_frm.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_files.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"

namespace {

using TBuchErgebnis = TBonusTabellenGen::TBuchErgebnis;

// The customers of the run's result file, in key order (the totals record left out).
std::vector<std::pair<TIntPair, std::string>> KundenDerListe() {
    kis::store::Tkisufile kisu;
    kisu.SetFileNameRel("KISUFILE." + ORVProgramm().ProzessIdFormated());
    kisu.OpenOut();
    kisu.ClearKeysAndFilters();
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

bool TUebersichtFrm::BONUBuchenAlleClick() {
    TDM* dm = DM();
    if (!dm || FModus != TSelektionFrmModus::smBonusSelektion) return false;
    bool ok = true;
    QStringList nichtGebucht;
    setEnabled(false);
    try {
        TBonusTabellenGen tabellen;
        tabellen.UseTMP(1, dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
        const auto kunden = KundenDerListe();
        dm->prgDlg->SetCaption(QStringLiteral("Buchung läuft ..."));
        dm->couAnzVkPos->SetCaption(QString());
        dm->couAnzKunde->Reset();
        dm->couAnzVkPos->Reset();
        dm->prgDlg->SetAbortVisible(!dm->AutoBGModus);
        dm->PrgDlgActive = true;
        dm->prgDlg->Show();
        for (const auto& [kunde, name] : kunden) {
            dm->KIQueryOnGepGelesen(kunde, name);
            ORVInfoProcessMessages(333);
            if (!dm->PrgDlgActive) {
                ok = false;  // stopped: the rest stays unbooked, to be booked by a later run
                break;
            }
            std::string meldung;
            const TBuchErgebnis r = tabellen.BucheKunde(kunde, &meldung);
            if (r == TBuchErgebnis::SchonVerrechnet || r == TBuchErgebnis::Fehler) {
                ok = false;
                nichtGebucht << QString::fromStdString(name + " (" + kunde.ToString() + "): " + meldung);
            }
        }
    } catch (const std::exception& e) {
        Registrieren("BONUBuchenAlleClick", e);
        nichtGebucht << QString::fromUtf8(e.what());
        ok = false;
    }
    setEnabled(true);
    dm->prgDlg->Close();
    dm->PrgDlgActive = false;
    if (!nichtGebucht.isEmpty()) {
        const QString text = QStringLiteral("Nicht gebucht:\n") + nichtGebucht.mid(0, 20).join('\n') +
                             (nichtGebucht.size() > 20 ? QStringLiteral("\n...") : QString());
        ORVInfo().WarnungBox(text.toStdString());
    }
    BonusSumWert = 0;
    OPSumList.clear();
    GridNeuLaden();
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
        GridNeuLaden();
        return true;
    } catch (const std::exception& e) {
        Registrieren("BuchungfrdenselektiertenKunden1Click", e);
        return false;
    }
}
