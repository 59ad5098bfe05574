// TMerovaQuery: creation, tear-down, run control, events and the frame of ExecuteKI.
#include "engine/merova_query.h"

#include <chrono>
#include <exception>
#include <stdexcept>

#include "platform/accounting/konten_server.h"
#include "platform/articles/lief_gp_data.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/evaluation/work_file_writer.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/partners/gp_data.h"
#include "platform/partners/gp_selektion.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/services/orv_utils.h"
#include "platform/store/work_files.h"

using namespace kis::store;

namespace {
template <typename F>
void Guarded(bool& failed, F&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        failed = true;
        ORVInfo().RegisterException("TMerovaQuery.Destroy", e, 0);
    }
}
}  // namespace

std::string TMerovaQuery::KisuFileName() { return "KISUFILE." + ORVProgramm().ProzessIdFormated(); }
std::string TMerovaQuery::KivkFileName() { return "KIVKFILE." + ORVProgramm().ProzessIdFormated(); }

TMerovaQuery::TMerovaQuery() {
    try {
        FKULIFile = std::make_unique<Tkulifile>();
        FGEPFile = std::make_unique<TGepFile>();
        FKVFile = std::make_unique<Tkvfile>();
        FLSTFile = std::make_unique<Tlstfile>();
        FLFNRFile = std::make_unique<Tlfnrfile>();
        FKIVKFile = std::make_unique<Tkivkfile>();
        FKISUFile = std::make_unique<Tkisufile>();
        FKIVKFile->SetFileNameRel(KivkFileName());
        FKISUFile->SetFileNameRel(KisuFileName());
        FKIVKFile->ManualCommit_Set(true);
        FKISUFile->ManualCommit_Set(true);
        GPData = GlobGpData_GetInstance();
        GPSelektion = std::make_unique<TGpSelektion>();
        AASelektion = std::make_unique<TAAQuery>();
        LSTSelektion = std::make_unique<TLSTQuery>();
        FDatumTester.Clear();
        FSaisonTester = std::make_unique<TSaisonTester>();
        FActive = false;
        FGepListIDX = -1;
        FFilterTesteZM = false;
        FOPTestTab.clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaQuery.Create", e);
    }
}

TMerovaQuery::~TMerovaQuery() {
    bool failed = false;
    Guarded(failed, [&] { FGepList.clear(); });
    Guarded(failed, [&] { FGEPFile.reset(); });
    Guarded(failed, [&] {
        if (FLiefGPData) GlobLiefGPData_ReleaseInstance();
        FLiefGPData = nullptr;
    });
    Guarded(failed, [&] { FKontenServer.reset(); });
    Guarded(failed, [&] { FArtLesSimple.reset(); });
    Guarded(failed, [&] { FATKFile.reset(); });
    Guarded(failed, [&] { FSaisonTester.reset(); });
    Guarded(failed, [&] { FBONUFile.reset(); });
    Guarded(failed, [&] { FKVFile.reset(); });
    Guarded(failed, [&] { FKULIFile.reset(); });
    Guarded(failed, [&] { FLSTFile.reset(); });
    Guarded(failed, [&] { FOPFile.reset(); });
    Guarded(failed, [&] { FGUVFile.reset(); });
    Guarded(failed, [&] { FZMFile.reset(); });
    Guarded(failed, [&] { FLFNRFile.reset(); });
    Guarded(failed, [&] { FSchreiber.reset(); });
    Guarded(failed, [&] { FKIVKFile.reset(); });
    Guarded(failed, [&] { FKISUFile.reset(); });
    Guarded(failed, [&] {
        if (GPData) {
            GPData->Close();
            GlobGpData_ReleaseInstance();
        }
        GPData = nullptr;
    });
    Guarded(failed, [&] { GPSelektion.reset(); });
    Guarded(failed, [&] { AASelektion.reset(); });
    Guarded(failed, [&] { LSTSelektion.reset(); });
    Guarded(failed, [&] { FDatumTester.Clear(); });
    Guarded(failed, [&] {
        if (FOPTabellen) GlobOPTabellen_ReleaseInstance();
        FOPTabellen = nullptr;
    });
    if (failed) ORVInfo().FehlerTerminate("TMerovaQuery.Destroy");
}

void TMerovaQuery::Init() {
    try {
        FLastLFNRGepName.clear();
        // The period premium's settings belong to the programme of one bonus run only.
        if (!FBONUSKennung.empty()) {
            FFilter.FGutscheineBeruecksichtigen = false;
            FFilter.FSonderBoni4PIds.clear();
        }
        FBONUSKennung.clear();
        FBONUSName.clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaQuery.Init", e);
    }
}

void TMerovaQuery::SetFilter(const TMerovaFilter& value) {
    try {
        FFilterOk = FFilter.Assign(value);
    } catch (const std::exception& e) {
        FFilterOk = false;
        ORVInfo().RegisterException("TMerovaQuery.SetFilter", e);
    }
}

void TMerovaQuery::LaufFehler(const std::string& wo, const std::exception& e) {
    ORVInfo().RegisterException(wo, e);
    if (!FFehler) FFehlerText = wo + ": " + e.what();
    FFehler = true;
    SetActive(false);
}

void TMerovaQuery::SetActive(bool value) {
    if (GPSelektion) GPSelektion->SetStop(!value);
    FActive = value;
}

TOPTabellen& TMerovaQuery::OPTabellen() {
    if (!FOPTabellen) FOPTabellen = GlobOPTabellen_GetInstance();
    return *FOPTabellen;
}

TKontenServer& TMerovaQuery::KontenServer() {
    if (!FKontenServer) FKontenServer = std::make_unique<TKontenServer>();
    return *FKontenServer;
}

TArtLesSimple& TMerovaQuery::ArtLesSimple() {
    if (!FArtLesSimple) FArtLesSimple = std::make_unique<TArtLesSimple>();
    return *FArtLesSimple;
}

// ---------------------------------------------------------------- events

void TMerovaQuery::DoOnGepGelesen(const TIntPair& kunde, const std::string& name) {
    try {
        if (OnGepGelesen) OnGepGelesen(kunde, name);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoOnGepGelesen", e);
    }
}

void TMerovaQuery::DoOnGepSelektiert(const TIntPair& kunde, const std::string& name) {
    try {
        if (OnGepSelektiert) OnGepSelektiert(kunde, name);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoOnGepSelektiert", e);
    }
}

void TMerovaQuery::DoOnLFNRGelesen(const TIntPair& kunde, const TLfnrEintrag& e) {
    try {
        if (OnLFNRGelesen) OnLFNRGelesen(kunde, FLastLFNRGepName, e.BelegRNr, e.BelegLNr, e.BelegArt);
    } catch (const std::exception& ex) {
        LaufFehler("TMerovaQuery.DoOnLFNRGelesen", ex);
    }
}

void TMerovaQuery::DoOnLSTGelesen() {
    try {
        if (OnLSTGelesen) OnLSTGelesen();
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoOnLSTGelesen", e);
    }
}

void TMerovaQuery::DoOnKIVKGelesen() {
    try {
        if (OnKIVKGelesen) OnKIVKGelesen();
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.DoOnKIVKGelesen", e);
    }
}

// ---------------------------------------------------------------- the run

namespace {
double Sekunden() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

bool TMerovaQuery::ExecuteKI() {
    const double start = Sekunden();
    FLaufzeiten = {};
    try {
        const std::string kennung = ORVProgramm().GetKundenkennung();
        FMitAllgphas = kennung != "INSTBB00" && kennung != "INSTCC00";
        if (ExecuteKI_Init()) {
            FKISUSumme.Clear();
            FKISURec.Clear();
            FKIVKSumme.Clear();
            FKIVKBeleg.Clear();
            FKISUSumme.Art = "VK";
            FKISUSumme.Name = "   <alle>   ";
            Filter4BonusKonfig();
            FAllgphasListe.clear();
            if (FMitAllgphas) Fill_AllgphasListe();
            FLaufzeiten.Belege = Sekunden() - start;
            if (!FFehler) ExecuteKI_Verkaeufe();
            FLaufzeiten.Positionen = Sekunden() - start - FLaufzeiten.Belege;
            // After an error the remaining steps would only produce a result nobody may use.
            if (!FFehler) ExecuteKI_Walk();
            if (!FFehler) ExecuteKI_Totals();
            FLaufzeiten.Walk = Sekunden() - start - FLaufzeiten.Belege - FLaufzeiten.Positionen;
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ExecuteKI", e);
    }
    const bool result = ExecuteKI_Done();
    FLaufzeiten.Gesamt = Sekunden() - start;
    return result;
}

bool TMerovaQuery::ExecuteKI_Init() {
    FFehler = false;
    FFehlerText.clear();
    try {
        // A filter that was not copied whole would select something else than was asked.
        if (!FFilterOk) throw std::runtime_error("Der Filter der Auswertung ist unvollständig.");
        if (!FKIVKFile || !FKISUFile || !GPSelektion || !AASelektion || !LSTSelektion ||
            !FSaisonTester)
            throw std::runtime_error("Die Auswertung konnte nicht angelegt werden.");
        FActive = true;
        FMinMaxEmpty = true;
        FFilterTesteZM = false;
        FMinMaxTab.clear();
        FMandantAkt = ORVProgramm().GetAktMandant();
        FMandantErster = ORVProgramm().GetKundenkennung() == "INSTAA00"
                             ? TIntPair(1, 0)
                             : ORVProgramm().MandantErster();
        if (!FFilter.FGesSumBuild) MinMaxTabAufbauen();

        // The bonus work file starts empty with every run.
        {
            Tbonutmpfile bonutmp;
            bonutmp.SetFileNameRel("BONUTMP." + ORVProgramm().ProzessIdFormated());
            bonutmp.OpenNew();
            bonutmp.Close();
        }
        FSchreiber.reset();
        FKIVKFile->OpenNew();
        FKISUFile->OpenNew();
        // From here on only the writer thread uses the two connections, until ExecuteKI_Done.
        FStapel.Clear();
        FKundeAb = 0;
        FKivkRowId = FKisuRowId = 0;
        FKundenSonst.clear();
        FSchreiber = std::make_unique<TKISchreiber>(std::make_unique<TKIWorkFiles>(
            WorkFileConnection(KisuFileName(), false), WorkFileConnection(KivkFileName(), false)));
        FGespeichert.Clear();
        FKundenImLauf.clear();
        FBelegeDesKunden.clear();

        TestsVorbereiten();
        return true;
    } catch (const std::exception& e) {
        // Without its files or tests the run cannot produce a result: report it as failed.
        LaufFehler("TMerovaQuery.ExecuteKI_Init", e);
        return false;
    }
}

void TMerovaQuery::TestsVorbereiten() {
    AASelektion->SetFilter(FFilter.AAFilter);
    AASelektion->Prepare();
    TGpSelektFilter gp;
    gp.Assign(FFilter.GPFilter);
    FSucheMitGepFile = gp.NameSuche && !gp.NameSucheAusschliessen;
    if (FSucheMitGepFile) gp.NameSuche = false;  // the walk searches, the selection must not
    GPSelektion->Init();
    GPSelektion->SetFilter(gp);
    GPSelektion->BestenSchluesselWaehlen();
    LSTSelektion->SetFilter(FFilter.LSTFilter);
    LSTSelektion->Prepare();
    FSaisonTester->SelektSet(FFilter.FSaison);
    FStichtag = orv_EndOfNow();

    FZMNichtErlaubt.clear();
    for (int i = 0; i < FFilter.FZM.Count(); ++i)
        if (FFilter.FZM.ValueFromIndex(i) == "0") {
            FFilterTesteZM = true;
            FZMNichtErlaubt.push_back(FFilter.FZM.Names(i));
        }

    FDatumTester.Clear();
    FOPTestTab.clear();
    bool typ = false;
    for (int i = 0; i < FFilter.FOP.Count(); ++i)
        if (FFilter.FOP.ValueFromIndex(i) == "1") typ = true;
    if (typ) FOPTestTab.push_back(&TMerovaQuery::Filter_Teste_OP_Typ);
    if (!FFilter.FOPDatumVon.empty() || !FFilter.FOPDatumBis.empty()) {
        FDatumTester.Add("OPDatumVon", FFilter.FOPDatumVon);
        FDatumTester.Add("OPDatumBis", FFilter.FOPDatumBis);
        FOPTestTab.push_back(&TMerovaQuery::Filter_Teste_OP_Datum);
    }
    if (kis::services::RoundHalfEven(FFilter.FOPWertMin) >= 0 ||
        kis::services::RoundHalfEven(FFilter.FOPWertMax) >= 0)
        FOPTestTab.push_back(&TMerovaQuery::Filter_Teste_OP_Wert);
    if (FFilter.FOPBonusAbg || FFilter.FOPBonusNichtAbg || FFilter.FOPBonusAktLenMin >= 0 ||
        FFilter.FOPBonusAktLenMax >= 0)
        FOPTestTab.push_back(&TMerovaQuery::Filter_Teste_OP_Bonus);
}

void TMerovaQuery::ExecuteKI_Totals() {
    // Totals record of the customer sums file, then that of the detail file.
    KundeUebernehmen();
    TKisuSatz& summe = FStapel.kisu.emplace_back(FKISUSumme);
    summe.RowId = ++FKisuRowId;
    TKIAuftrag a;
    a.art = TKIAuftrag::InsKisu;
    FStapel.auftraege.push_back(a);
    TKivkSatz& total = KivkAnhaengen();
    total.Art = "NR";
    total.IstVk = FKISUSumme.SelUmsatz;
    total.Menge = FKISUSumme.SelMenge;
    total.GesWert = FKISUSumme.GesUmsatz;
    total.GesMenge = FKISUSumme.GesMenge;
    StapelSenden(true);
}

bool TMerovaQuery::ExecuteKI_Done() {
    bool result = false;
    try {
        result = FActive.load() && !FFehler;
        FActive = false;
        if (FSchreiber) {
            // Whatever the walk left (a step ended by an exception) is written as it stands.
            if (FStapel.kivk.size() > FKundeAb || !FStapel.Leer()) StapelSenden(false);
            FSchreiber->Beenden();
            try {
                FSchreiber->FehlerWerfen();
            } catch (const std::exception& e) {
                LaufFehler("TMerovaQuery.ExecuteKI", e);
                result = false;
            }
            FSchreiber.reset();
        }
        FStapel.Clear();
        FKundeAb = 0;
        if (FKIVKFile->IsOpen()) {
            FKIVKFile->Commit();
            FKIVKFile->Close();
        }
        if (FKISUFile->IsOpen()) {
            FKISUFile->Commit();
            FKISUFile->Close();
        }
        if (FFehler) {
            // A failed run leaves no result behind that a window or a caller could list.
            FKIVKFile->OpenNew();
            FKIVKFile->Close();
            FKISUFile->OpenNew();
            FKISUFile->Close();
        }
        GPSelektion->End();
        FPositionen.Clear();
        FBelege.clear();
        FBelege.shrink_to_fit();
        FGespeichert.Clear();
        FKundenImLauf.clear();
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.ExecuteKI_Done", e);
        result = false;
    }
    return result;
}

