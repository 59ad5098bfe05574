// Timing of the domain services on the hot paths of an evaluation run: the customer check
// over many customers, the sales-position check over many positions, and loading open items
// per customer. Builds its own in-memory database; prints the times.
//   kis-bench-domain [customers=100000]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/openitems/op_tabellen.h"
#include "platform/partners/gp_selektion.h"
#include "platform/sales/lst_query.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/record_files.h"

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Fills through the record files, as every writer of suite data does.
void Fill(int n) {
    using namespace kis::store;
    TGepFile gep;
    Tgpmerkmalfile merkmal;
    Topfile op;
    gep.OpenNew();
    merkmal.OpenNew();
    op.OpenNew();
    auto& gepNr = gep.Feld("GEPNR");
    auto& name = gep.Feld("NAME");
    auto& suchname = gep.Feld("SUCHNAME");
    auto& plz = gep.Feld("PLZ");
    auto& status = gep.Feld("STATUS");
    auto& werbung = gep.Feld("WERBUNG");
    auto& gruppe = gep.Feld("KUNDENGRUPPE");
    auto& mmNr = merkmal.Feld("GEPNR");
    auto& opKunde = op.Feld("KUNDE");
    auto& opTabelle = op.Feld("TABELLE");
    gep.ClearRecord();
    gep.Feld("VORNAME").SetWert("Vorname");
    gep.Feld("ORT").SetWert("Ort");
    merkmal.ClearRecord();
    merkmal.Feld("MERKMAL").SetWert("ABC-Kennzeichen (Aktuell)");
    op.ClearRecord();
    op.Feld("MANDANT").SetWert(TIntPair(1, 0));
    op.Feld("STATUS").SetWert("O");
    op.Feld("DATUM").SetWert(45000.0);
    op.Feld("BETRAG1").SetWert(10.0);
    op.Feld("BETRAG2").SetWert(2.0);
    BookingScope booking(0);
    for (int i = 1; i <= n; ++i) {
        const std::string text = "Kunde" + std::to_string(i % 997);
        gepNr.SetWert(TIntPair(i, 0));
        name.SetWert(text);
        suchname.SetWert(text);
        plz.SetWert(std::to_string(10000 + i % 89999));
        status.SetWert(i % 10 == 0 ? "P" : "A");
        werbung.SetWert(i % 2);
        gruppe.SetWert(i % 20);
        gep.Insert();
        mmNr.SetWert(TIntPair(i, 0));
        merkmal.Feld("WERT").SetWert(i % 3 == 0 ? "A" : "B");
        merkmal.Insert();
        if (i % 4 == 0) {
            opKunde.SetWert(TIntPair(i, 0));
            opTabelle.SetWert("BONUS");
            op.Insert();
            opTabelle.SetWert("A-RECHNUNG");
            op.Insert();
        }
    }
    booking.Commit();
}
}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    auto db = kis::store::Database::OpenMemory();
    kis::store::SetSuiteDb(db.get());
    auto t = Clock::now();
    Fill(n);
    std::printf("Aufbau %d Kunden: %.0f ms\n", n, Ms(t));

    struct Fall {
        const char* name;
        TGpSelektFilter f;
    };
    Fall faelle[3];
    faelle[0].name = "Name + Status";
    faelle[0].f.Name.Wert = "Kunde1*";
    faelle[0].f.Status = 0;
    faelle[1].name = "Merkmal exakt";
    faelle[1].f.Merkmale = {{"ABC-Kennzeichen (Aktuell)", "A"}};
    faelle[2].name = "Merkmal Muster + Bereich";
    faelle[2].f.Merkmale = {{"ABC-Kennzeichen (Aktuell)", "?"}};
    faelle[2].f.KundengruppeVon = 5;
    for (auto& fall : faelle) {
        TGpSelektion s;
        s.Init();
        s.SetFilter(fall.f);
        t = Clock::now();
        s.BestenSchluesselWaehlen();
        int hits = 0;
        for (int i = 1; i <= n; ++i) hits += s.SelektionCheck({i, 0}) ? 1 : 0;
        std::printf("SelektionCheck %-26s %8d Treffer %8.0f ms\n", fall.name, hits, Ms(t));
        s.End();
    }

    TLSTFilter lf;
    lf.DatumVon = "01012024";
    lf.DatumBis = "31122024";
    lf.Filialen = {"1=1", "2=0", "3=1"};
    lf.ReduziertIstKleinerRedSoll = false;
    lf.NachlassMin = 10;
    TLSTQuery q;
    q.SetFilter(lf);
    q.Prepare();
    TLSTPosition p;
    p.SollVk = 100;
    p.RedSollVk = 80;
    p.Nachlass = 20;
    const int positionen = n * 10;
    t = Clock::now();
    int ok = 0;
    for (int i = 0; i < positionen; ++i) {
        p.Datum = 45000 + i % 800;
        p.Filiale = 1 + i % 3;
        p.IstVk = 70 + i % 40;
        ok += q.Check_LST(p) ? 1 : 0;
    }
    std::printf("Check_LST %d Positionen: %d ausgewählt, %.0f ms\n", positionen, ok, Ms(t));

    TOPTabellen op;
    op.SetMandant({1, 0});
    t = Clock::now();
    int mit = 0;
    for (int i = 1; i <= n; ++i) {
        op.SetKundeGepNr({i, 0});
        mit += op.Exists("BONUS") ? 1 : 0;
    }
    std::printf("SetKundeGepNr %d Kunden: %d mit BONUS, %.0f ms\n", n, mit, Ms(t));
    kis::store::SetSuiteDb(nullptr);
    return 0;
}
