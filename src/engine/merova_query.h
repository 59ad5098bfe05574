#pragma once
// The evaluation engine. One run (ExecuteKI) walks the customers of the current client
// company, reads each customer's documents and their sales positions, keeps the positions
// that match the filter, adds them up per document, per customer and overall, applies the
// customer tests, and writes the customer sums file ("KISUFILE.") and the sales detail file
// ("KIVKFILE.") of this process. The fill runs complete columns of the detail file later.
//
// Reading: the document index of the client company is read once and sorted by customer;
// the sales positions are read once in file order, tested, and kept compactly per document
// (TPositionsSpeicher) until the walk reaches their document. This keeps the reads sequential
// however the documents of a customer are spread over the files. The walk itself follows the
// customer list in its order, so the results are those of reading document by document.
//
// Threads: one. SetActive(false) may also come from another thread (an abort watchdog); the
// walk checks the flag between positions, documents and customers.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/flat_key_map.h"
#include "engine/merova_filter.h"
#include "engine/positions_speicher.h"
#include "platform/articles/aa_query.h"
#include "platform/articles/art_les_simple.h"
#include "platform/evaluation/sales_stream.h"
#include "platform/evaluation/work_file_queue.h"
#include "platform/evaluation/work_records.h"
#include "platform/sales/lst_query.h"
#include "platform/store/record_files.h"
#include "platform/testers/datum_tester.h"
#include "platform/testers/saison_tester.h"

class TGpData;
class TGpSelektion;
class TOPTabellen;
class TKontenServer;
class TLiefGPData;
class TBonusTabellenGen;

using TGepGelesenEvent = std::function<void(const TIntPair& kunde, const std::string& name)>;
using TLFNRGelesenEvent =
    std::function<void(const TIntPair& kunde, const std::string& name, int32_t belegRNr,
                       int32_t belegLNr, const std::string& belegArt)>;
using TSimpleEvent = std::function<void()>;

// Document-number range of one branch in the sales period; Max 999999999 = open upwards.
struct TMinMaxTab {
    int32_t Filiale = 0;
    int32_t Min = 0;
    int32_t Max = 0;
};

// An open transaction as the run needs it.
struct TAllgphasZwischenspeicher {
    TIntPair Kunde;
    int32_t RNr = 0;  // document key of its positions
    int32_t LNr = 0;
    int32_t Nr1 = 0;  // kept in the detail record's two further numbers
    int32_t Nr2 = 0;
    std::string Phase;
    int32_t BelegLNr = 0;  // the transaction's own number pair
    int32_t BelegRNr = 0;
};

class TMerovaQuery {
public:
    TMerovaQuery();   // Create
    ~TMerovaQuery();  // Destroy, every release step guarded on its own
    TMerovaQuery(const TMerovaQuery&) = delete;
    TMerovaQuery& operator=(const TMerovaQuery&) = delete;

    // Forgets the last announced name and the bonus programme of the previous run, with the
    // voucher and article settings that programme put into the filter.
    void Init();
    void SetFilter(const TMerovaFilter& value);
    // false during a run stops the walk after the current step; ExecuteKI then returns false.
    void SetActive(bool value);
    bool Active() const { return FActive.load(); }

    // The run; true only when it was neither stopped nor met an error. An exception in any
    // step is registered, ends the walk and makes the result false; the work files of such a
    // run are left empty, so no half result can be taken for a whole one.
    bool ExecuteKI();
    void Done() {}
    // What ended the last run or fill run with an error ("step: reason"); empty when none did.
    const std::string& Fehler() const { return FFehlerText; }

    // Bonus generation after a successful run in bonus mode: hands every selected customer's
    // sales (or documents) to the bonus tables of the programme FBONUSKennung / FBONUSName,
    // which write the new bonuses into the temporary bonus file. Reports each customer
    // through OnGepGelesen; SetActive(false) stops after the current one. False when stopped,
    // when the programme cannot be read or when any customer failed (the others are still
    // processed); Fehler() then tells the first failure.
    bool ExecuteBO();
    // One customer; returns the sum of the items' bonuses. Needs the tables of ExecuteBO.
    long double ExecuteBO_BonusBerechnen(const TIntPair& kunde, bool proPosition);
    // True when the programme computes per sales position (calculation basis "0"), or its
    // record is missing.
    bool BETAProPosition(const std::string& kennung, const std::string& name);
    // The period premium's settings that shape the evaluation: vouchers at issue and the
    // fixed article values. Another kind clears them; an ordinary evaluation (no programme)
    // leaves the filter alone. False (registered) when the programme's settings could not be
    // read: the run must not go on with a filter the programme did not ask for.
    static bool Filter4BonusKonfig(const std::string& kennung, const std::string& name,
                                   TMerovaFilter& filter);

    // Fill runs over the detail file of the last run; false when stopped or failed.
    bool ExecuteFillKivkLief();
    bool ExecuteFillKivkMerkmale();

    // --- tests, public so that each can be checked on its own ------------------------------
    // Position tests; Check_LST may set the quantity ("SO", "RS") or the value ("A9").
    bool Check_LST(TLSTPosition& pos);
    bool Check_AA(const TLSTPosition& pos);
    bool Check_PH(const TLSTPosition& pos);
    bool Check_GEP(const TIntPair& kunde);
    void SonderBonusGgfAnwenden(TLSTPosition& pos);
    // Document tests.
    bool Filter_Teste_Bonsumme(int32_t anzSelektiert, long double wert);
    bool Filter_Teste_ZM(int32_t rnr, int32_t lnr);
    // Customer tests on the current customer sums record (FKISURec).
    bool Filter_Teste_GesMenge();
    bool Filter_Teste_GesWert();
    bool Filter_Teste_SelMenge();
    bool Filter_Teste_SelWert();
    bool Filter_Teste_OP();
    bool Filter_Teste_OP_Typ();
    bool Filter_Teste_OP_Datum();
    bool Filter_Teste_OP_Wert();
    bool Filter_Teste_OP_Bonus();
    bool Filter_Teste_KundBonusNie();
    bool Filter_Teste_VKSel();
    bool Filter_Teste_KeineOP();
    // Document-number ranges of the sales period.
    void MinMaxTabAufbauen();
    bool MinMaxTabTesten(int32_t filiale, int32_t nummer);
    // The first day a date text of the period stands for, or with ende its last day (a
    // month-only text "00032024" ends on 31 March, a year-only text on 31 December). Points
    // are ignored, so "01.03.2024" reads as "01032024". 0 when the text is unreadable.
    static TDateTime ConvertDateString(const std::string& text, bool ende = false);
    // Prepares the per-run state of the tests (what ExecuteKI_Init does besides files).
    void TestsVorbereiten();

    // --- fields -------------------------------------------------------------------------
    TMerovaFilter FFilter;
    bool FFilterTesteZM = false;
    std::vector<TMinMaxTab> FMinMaxTab;
    bool FMinMaxEmpty = true;
    std::vector<bool (TMerovaQuery::*)()> FOPTestTab;
    TDatumTester FDatumTester;
    TOPTabellen* FOPTabellen = nullptr;  // shared, taken on first use
    TGpData* GPData = nullptr;           // shared
    std::unique_ptr<TGpSelektion> GPSelektion;
    std::unique_ptr<TAAQuery> AASelektion;
    std::unique_ptr<TLSTQuery> LSTSelektion;
    std::unique_ptr<TSaisonTester> FSaisonTester;
    std::unique_ptr<TArtLesSimple> FArtLesSimple;  // on first use
    std::unique_ptr<TKontenServer> FKontenServer;  // on first use
    TLiefGPData* FLiefGPData = nullptr;            // shared, on first use
    std::vector<TIntPair> FGepList;
    int FGepListIDX = -1;
    std::unique_ptr<kis::store::Tbonufile> FBONUFile;  // on first use
    std::unique_ptr<kis::store::Tkulifile> FKULIFile;
    std::unique_ptr<kis::store::TGepFile> FGEPFile;
    std::unique_ptr<kis::store::Tkvfile> FKVFile;
    std::unique_ptr<kis::store::Tlfnrfile> FLFNRFile;
    std::unique_ptr<kis::store::Tlstfile> FLSTFile;
    std::unique_ptr<kis::store::Tzmfile> FZMFile;    // on first use
    std::unique_ptr<kis::store::Tguvfile> FGUVFile;  // on first use
    std::unique_ptr<kis::store::Topfile> FOPFile;    // on first use
    std::unique_ptr<kis::store::Tatkfile> FATKFile;  // on first use
    bool FSucheMitGepFile = false;
    std::unique_ptr<kis::store::Tkivkfile> FKIVKFile;
    std::unique_ptr<kis::store::Tkisufile> FKISUFile;
    std::unique_ptr<TBonusTabellenGen> BonusTabellen;  // only during ExecuteBO
    std::vector<std::string> FZMSachkontos;
    bool FZMSachkontosGelesen = false;
    std::string FBONUSKennung;
    std::string FBONUSName;
    std::atomic<bool> FActive{false};
    std::string FLastLFNRGepName;

    TGepGelesenEvent OnGepGelesen;
    TGepGelesenEvent OnGepSelektiert;
    TLFNRGelesenEvent OnLFNRGelesen;
    TSimpleEvent OnLSTGelesen;
    TSimpleEvent OnKIVKGelesen;

    // Records of the run (public for the bonus generation and tests).
    TKisuSatz FKISUSumme;  // totals record
    TKisuSatz FKISURec;    // current customer
    TKivkSatz FKIVKSumme;  // customer summary ("NR", document key 0/0)
    TKivkSatz FKIVKBeleg;  // current document

    // Wall-clock seconds of the phases of the last run (for benchmarks and diagnosis).
    struct TLaufzeiten {
        double Belege = 0;      // document index and open transactions read
        double Positionen = 0;  // sales positions read and tested
        double Walk = 0;        // customer walk with the work-file writes
        double Gesamt = 0;
    } FLaufzeiten;

    // The file name of the two work files of this process.
    static std::string KisuFileName();
    static std::string KivkFileName();

private:
    // Per-customer state of the run, for the duplicate customer case.
    struct KundeImLauf {
        int64_t kisuRowid = 0;
        int64_t summeRowid = 0;
        TKisuSatz summen;
        long double summeIstVk = 0, summeSollVk = 0;
        int32_t summeMenge = 0;
    };

    // Registers an exception of a run step under its name and ends the run as failed.
    void LaufFehler(const std::string& wo, const std::exception& e);

    // Steps of the run.
    bool ExecuteKI_Init();
    void ExecuteKI_Verkaeufe();
    void ExecuteKI_Walk();
    void ExecuteKI_Gep_Start(const TIntPair& kunde);
    void ExecuteKI_Gep_Ende();
    void ExecuteKI_Beleg_Start(const TLfnrEintrag& e);
    void ExecuteKI_Beleg_Ende();
    void ExecuteKI_Positionen(int32_t rnr, int32_t lnr);
    void ExecuteKI_LST_Add(const TKompaktPosition& p);
    // Adds a position's value v, list value s and quantity q to the totals, the customer, his
    // summary and the current document; the selected sums only when sel is set.
    void Aufsummieren(long double v, long double s, int32_t q, bool sel, TDateTime datum);
    void ExecuteKI_Totals();
    bool ExecuteKI_Done();
    bool DoGet_KULI_First();
    bool DoGet_KULI_Next();
    void DoOnKULIGelesen(const TIntPair& kunde);
    void Fill_AllgphasListe();
    void Filter4BonusKonfig();
    void ZM_GS_Einloesung(const std::vector<TIntPair>& verkaufteGutscheine);
    bool PositionTesten(TLSTPosition& pos);
    void DoOnGepGelesen(const TIntPair& kunde, const std::string& name);
    void DoOnGepSelektiert(const TIntPair& kunde, const std::string& name);
    void DoOnLFNRGelesen(const TIntPair& kunde, const TLfnrEintrag& e);
    void DoOnLSTGelesen();
    void DoOnKIVKGelesen();
    // Work-file orders of the walk (merova_stapel.cpp).
    TKivkSatz& KivkAnhaengen();
    void KundeUebernehmen();
    bool DateiHatKunde(const TIntPair& kunde) const;
    void BelegPositionenLoeschen(const TIntPair& kunde, int32_t rnr, int32_t lnr);
    void StapelSenden(bool commit);
    void SummenAbziehen(long double selWert, int32_t selMenge, long double gesWert,
                        int32_t gesMenge, long double sollWert);
    TOPTabellen& OPTabellen();
    TKontenServer& KontenServer();
    TArtLesSimple& ArtLesSimple();
    bool FillKivk(bool lieferant);
    bool AuchGesamt() const { return FFilter.FGesSumBuild; }

    // Run state.
    TIntPair FMandantAkt;     // client company of the sales list
    TIntPair FMandantErster;  // client company of the document index
    std::vector<TLfnrEintrag> FBelege;  // document index, sorted by customer
    std::vector<TAllgphasZwischenspeicher> FAllgphasListe;
    TPositionsSpeicher FPositionen;
    std::vector<TKompaktPosition> FPosPuffer;
    TFlatKeyMap FGespeichert;  // (RNR, LNR) of document records in the detail file: 1 = present
    std::vector<uint64_t> FBelegeDesKunden;  // document records written for the current customer
    std::unordered_map<TIntPair, KundeImLauf> FKundenImLauf;
    // Work-file writing: the walk collects a customer's records in FStapel (from FKundeAb on)
    // until his end decides about them, then hands whole batches to the writer thread.
    std::unique_ptr<TKISchreiber> FSchreiber;
    TKIStapel FStapel;
    size_t FKundeAb = 0;
    int64_t FKivkRowId = 0;  // last row id given in the detail file
    int64_t FKisuRowId = 0;  // last row id given in the customer sums file
    // Customers with records in the detail file besides those of FKundenImLauf.
    std::unordered_set<TIntPair> FKundenSonst;
    std::vector<std::string> FZMNichtErlaubt;  // payment means codes with value "0"
    bool FZMGutscheinNichtErlaubt = false;     // the voucher payment means (index 20) has "0"
    bool FMitAllgphas = true;
    bool FFilterOk = true;     // the last SetFilter copied the whole filter
    bool FFehler = false;      // the current run met an error
    std::string FFehlerText;   // the first of them, for the caller's message
    TDateTime FStichtag = 0;  // season date of the run: the end of today
};
