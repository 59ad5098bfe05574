// TUebersichtFrm: the runs over all customers of the result file and the two totals runs,
// "Summe Bonus aller Kunden neu berechnen" (F8) and "Summe offener Posten aller Kunden
// berechnen" (Shift+F8), whose results the totals row shows.
#include <QApplication>
#include <QTabWidget>
#include <exception>

#include "app/dm.h"
#include "engine/merova_query.h"
#include "overview/op_summen.h"
#include "overview/uebersicht_frm.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/record_files.h"
#include "platform/ui/data_grid.h"
#include "platform/ui/data_model.h"
#include "platform/ui/progress_counter.h"
#include "platform/ui/progress_dialog.h"

namespace {

// Gives the window back and closes the progress dialog on every way out of a run, before the
// run's own objects go.
class LaufRahmen {
public:
    LaufRahmen(QWidget* fenster, TDM* dm) : fenster_(fenster), dm_(dm) { fenster_->setEnabled(false); }
    ~LaufRahmen() {
        fenster_->setEnabled(true);
        dm_->prgDlg->Close();
        dm_->PrgDlgActive = false;
    }
    LaufRahmen(const LaufRahmen&) = delete;
    LaufRahmen& operator=(const LaufRahmen&) = delete;

private:
    QWidget* fenster_;
    TDM* dm_;
};

}  // namespace

bool TUebersichtFrm::AlleKundenLauf(const QString& caption, int intervall,
                                    const std::function<void(const TIntPair&, const std::string&)>& arbeit) {
    TDM* dm = DM();
    if (!dm) throw std::runtime_error("Das Datenmodul ist nicht vorhanden.");
    // A private view of the result file in key order; the grid keeps its own.
    kis::store::Tkisufile kisu;
    kisu.SetFileNameRel(TMerovaQuery::KisuFileName());
    kisu.OpenOut();
    kisu.SelectIndex("KUNDE");
    kisu.ClearKeysAndFilters();
    kisu.SetUsedField({"KUNDE", "NAME"});

    LaufRahmen rahmen(this, dm);
    dm->ZeigeLaufDialog(caption, dm->couKundeName->Caption(), dm->couAnzKunde->Caption(), QString());
    for (bool ok = kisu.Get_ge(); ok; ok = kisu.Next()) {
        const TIntPair kunde = kisu.Feld("KUNDE").AsPair();
        const std::string name = kisu.Feld("NAME").AsString();
        dm->KIQueryOnGepGelesen(kunde, name);
        ORVInfoProcessMessages(intervall);
        if (!dm->PrgDlgActive) return false;  // stopped: what was done stays done
        // Customer keys carry the customer number in their left half and 0 in the right one;
        // only the totals record has the key 0/0.
        if (kunde.IsDefined()) arbeit(kunde, name);
    }
    return true;
}

void TUebersichtFrm::UebersichtNeuLaden() {
    pgcKunde->setCurrentWidget(tshUebersicht);
    grdKISU->setFocus();
    GridNeuLaden();
}

void TUebersichtFrm::GridNeuLadenZeile(int zeile) {
    GridNeuLaden();
    while (zeile >= mdlKISU->RowCount() && mdlKISU->canFetchMore({})) mdlKISU->fetchMore({});
    if (zeile > 0 && zeile < mdlKISU->RowCount()) {
        grdKISU->SelectRow(zeile);
        grdKISUSelect(grdKISU->CurrentRow());
    }
}

bool TUebersichtFrm::SumBONUNeuClick() {
    TDM* dm = DM();
    if (!dm || FModus != TSelektionFrmModus::smBonusSelektion) return false;
    bool ok = false;
    int64_t summeCent = 0;
    try {
        TBonusTabellen tabellen;
        tabellen.UseTMP(1, dm->BonusKennung.toStdString(), dm->BonusName.toStdString());
        tabellen.Open();
        ok = AlleKundenLauf(QStringLiteral("Berechnung läuft ..."), 300,
                            [&](const TIntPair& kunde, const std::string&) {
                                tabellen.SetKundeGepNr(kunde);
                                summeCent += kis::services::ToCents(tabellen.BonusNeu());
                            });
        tabellen.Close();
    } catch (const std::exception& e) {
        Registrieren("SumBONUNeuClick", e);
        ok = false;
    }
    // Only a complete run is a total; a stopped or failed one leaves the cell empty.
    BonusSumWert = ok ? (long double)summeCent / 100.0L : 0;
    UebersichtNeuLaden();
    return ok;
}

bool TUebersichtFrm::SumOPTabClick() {
    TDM* dm = DM();
    if (!dm) return false;
    bool ok = false;
    OPSumList.clear();
    try {
        TOPTabellen op;
        std::map<std::string, std::string> summen;
        ok = AlleKundenLauf(QStringLiteral("Aufbereitung läuft ..."), 333,
                            [&](const TIntPair& kunde, const std::string&) {
                                op.Clear();
                                op.SetMandant(ORVProgramm().GetAktMandant());
                                op.SetKundeGepNr(kunde);
                                for (const TOPTabelle& t : op.Tabellen())
                                    kis::overview::OPSummeAddieren(summen, t.Name, t.Summe1, t.Summe2);
                            });
        if (ok) OPSumList = std::move(summen);
    } catch (const std::exception& e) {
        Registrieren("SumOPTabClick", e);
        ok = false;
    }
    UebersichtNeuLaden();
    return ok;
}
