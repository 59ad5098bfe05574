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
#include "platform/store/database.h"

namespace {
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void Fill(kis::store::Database& db, int n) {
    db.Begin();
    auto& gep = db.Cached(
        "INSERT INTO GEP (GEPNR_L, GEPNR_R, NAME, VORNAME, SUCHNAME, PLZ, ORT, STATUS, WERBUNG, "
        "KUNDENGRUPPE) VALUES (?, 0, ?, 'Vorname', ?, ?, 'Ort', ?, ?, ?)");
    auto& mm = db.Cached("INSERT INTO GPMERKMAL (GEPNR_L, GEPNR_R, MERKMAL, WERT) VALUES (?, 0, ?, ?)");
    auto& op = db.Cached(
        "INSERT INTO OP (MANDANT_L, MANDANT_R, KUNDE_L, KUNDE_R, TABELLE, STATUS, DATUM, BETRAG1, "
        "BETRAG2) VALUES (1, 0, ?, 0, ?, 'O', 45000, 10, 2)");
    for (int i = 1; i <= n; ++i) {
        const std::string name = "Kunde" + std::to_string(i % 997);
        gep.Bind(1, i).Bind(2, name).Bind(3, name).Bind(4, std::to_string(10000 + i % 89999));
        gep.Bind(5, i % 10 == 0 ? "P" : "A").Bind(6, i % 2).Bind(7, i % 20);
        gep.Run();
        mm.Bind(1, i).Bind(2, "ABC-Kennzeichen (Aktuell)").Bind(3, i % 3 == 0 ? "A" : "B");
        mm.Run();
        if (i % 4 == 0) {
            op.Bind(1, i).Bind(2, "BONUS");
            op.Run();
            op.Bind(1, i).Bind(2, "A-RECHNUNG");
            op.Run();
        }
    }
    db.Commit();
}
}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    auto db = kis::store::Database::OpenMemory();
    kis::store::SetSuiteDb(db.get());
    auto t = Clock::now();
    Fill(*db, n);
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
