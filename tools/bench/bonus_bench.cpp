#include "bonus_bench.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "child_process.h"
#include "demo_db.h"
#include "engine/merova_filter.h"
#include "engine/merova_query.h"
#include "machine.h"
#include "platform/bonus/beta_programm.h"
#include "platform/bonus/bonus_buchungslauf.h"
#include "platform/bonus/bonus_generierung.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "platform/store/record_files.h"
#include "platform/store/work_files.h"
#include "proc_memory.h"

namespace kis::bench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The programmes measured: the demo's turnover premium per position, and the same rule per
// receipt, stored by the child in its copy of the database.
struct Programm {
    const char* schluessel;  // --programm=
    const char* text;
    const char* name;
};
constexpr Programm kProgramme[] = {
    {"position", "je Position", "Treueprämie"},
    {"beleg", "je Beleg", "Bench je Bon"},
};

void ProgrammJeBeleg() {
    if (TBetaStore::Lesen("BONUSUMSA", "Bench je Bon", kBetaHauptsatz)) return;
    TBetaSatz p;
    p.Typ = "BONUSUMSA";
    p.Name = "Bench je Bon";
    p.Basis = "1";
    p.Storno = "0";
    p.Laenge = -1;
    p.Inhalt = {"Standard 3 %"};
    TBetaStore::Speichern(p, nullptr);
}

std::map<std::string, std::string> Lesen(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) out[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return out;
}

double Zahl(const std::map<std::string, std::string>& r, const char* key) {
    const auto it = r.find(key);
    return it == r.end() ? -1 : std::atof(it->second.c_str());
}

}  // namespace

int RunBonusChild(const BenchOptions& o) {
    std::ostringstream bericht;
    int status = 0;
    try {
        auto db = kis::store::Database::OpenSuite(o.db);
        kis::store::SetSuiteDb(db.get());
        const auto work = fs::path(o.db).parent_path() / ("work-bonus-" + o.programm);
        fs::create_directories(work);
        kis::store::SetWorkDir(work.string());
        kis::store::RemoveStaleWorkFiles();
        ORVProgramm().SetAktMandant(ORVProgramm().MandantErster());
        const Programm* p = nullptr;
        for (const auto& k : kProgramme)
            if (o.programm == k.schluessel) p = &k;
        if (!p) throw std::runtime_error("Unbekanntes Programm " + o.programm);
        if (o.programm == "beleg") ProgrammJeBeleg();

        TMerovaFilter filter;  // everything: the heaviest run
        auto q = std::make_unique<TMerovaQuery>();
        q->Init();
        q->SetFilter(filter);
        q->FBONUSKennung = "BONUSUMSA";
        q->FBONUSName = p->name;
        const double c0 = CpuMs();
        const auto t0 = Clock::now();
        if (!q->ExecuteKI()) throw std::runtime_error("Die Auswertung ist fehlgeschlagen: " + q->Fehler());
        const auto t1 = Clock::now();
        const double c1 = CpuMs();
        q->FBONUSKennung = "BONUSUMSA";
        q->FBONUSName = p->name;
        if (!q->ExecuteBO()) throw std::runtime_error("Die Generierung ist fehlgeschlagen: " + q->Fehler());
        const auto t2 = Clock::now();
        const double c2 = CpuMs();

        // "Buchung für alle Kunden" without the window: the customers of the result file in
        // key order, each booked in one booking of its own, in batches as the window books.
        int64_t kunden = 0, gebucht = 0, fehler = 0;
        {
            TBonusBuchungsLauf lauf("BONUSUMSA", p->name);
            kis::store::Tkisufile kisu;
            kisu.SetFileNameRel(TMerovaQuery::KisuFileName());
            kisu.OpenOut();
            kisu.SelectIndex("KUNDE");
            kisu.ClearKeysAndFilters();
            kisu.SetUsedField({"KUNDE"});
            for (bool ok = kisu.Get_ge(); ok; ok = kisu.Next()) {
                const TIntPair kunde = kisu.Feld("KUNDE").AsPair();
                if (kunde.IsNull()) continue;
                ++kunden;
                std::string meldung;
                switch (lauf.BucheKunde(kunde, &meldung)) {
                    case TBonusTabellenGen::TBuchErgebnis::Gebucht: ++gebucht; break;
                    case TBonusTabellenGen::TBuchErgebnis::NichtsZuBuchen: break;
                    default:
                        if (++fehler <= 3) std::cerr << "kis-bench: " << kunde.ToString() << ": " << meldung << "\n";
                }
            }
            kisu.Close();
            lauf.Abschliessen();
        }
        const auto t3 = Clock::now();
        const double c3 = CpuMs();
        // Processor times beside the wall times: on a shared machine they are the fairer measure.
        bericht << "auswertung_ms=" << Ms(t0, t1) << "\ngenerierung_ms=" << Ms(t1, t2)
                << "\nbuchung_ms=" << Ms(t2, t3) << "\nauswertung_cpu=" << c1 - c0
                << "\ngenerierung_cpu=" << c2 - c1 << "\nbuchung_cpu=" << c3 - c2 << "\nkunden=" << kunden << "\ngebucht=" << gebucht
                << "\nfehler=" << fehler << "\nhwm_kb=" << PeakRssKb() << "\n";
        if (fehler) status = 1;
        q.reset();
        kis::store::RemoveOwnWorkFiles();
        kis::store::SetSuiteDb(nullptr);
    } catch (const std::exception& e) {
        bericht << "fehler_text=" << e.what() << "\n";
        status = 1;
    }
    if (std::FILE* ch = ReportChannel()) {
        const std::string text = bericht.str();
        std::fwrite(text.data(), 1, text.size(), ch);
        std::fflush(ch);
    }
    return status;
}

int RunBonusBench(const BenchOptions& o) {
    bool ok = true;
    try {
        fs::create_directories(o.dir);
        std::cout << "Rechner: " << MachineDescription() << std::endl;
        for (const auto& size : o.sizes) {
            const std::string demo = EnsureDemoDb(o.dir, size, o.seed);
            std::cout << "\nGröße " << size << ":\n"
                      << "  Programm        Auswertung  Generierung (×Ausw.)  Buchung alle  Kunden gebucht  Spitze\n";
            for (const auto& p : kProgramme) {
                // Booking changes the data: every run works on a fresh copy.
                const std::string kopie = (fs::path(o.dir) / ("bonus-" + size + ".kis")).string();
                for (const char* s : {"", "-wal", "-shm"}) fs::remove(kopie + s);
                fs::copy_file(demo, kopie);
                const ChildOutcome c = RunChild(SelfExecutable(), {"--child=bonus", "--db=" + kopie,
                                                                   std::string("--programm=") + p.schluessel});
                for (const char* s : {"", "-wal", "-shm"}) fs::remove(kopie + s);
                const auto r = Lesen(c.report);
                if (!c.exited || c.status != 0 || r.count("fehler_text")) {
                    std::cout << "  " << p.text << ": fehlgeschlagen "
                              << (r.count("fehler_text") ? r.at("fehler_text") : std::string()) << std::endl;
                    ok = false;
                    continue;
                }
                const double ausw = Zahl(r, "auswertung_ms"), gen = Zahl(r, "generierung_ms"),
                             buch = Zahl(r, "buchung_ms");
                std::printf("  %-14s %9.1f s %10.1f s  (%4.2f×) %11.1f s  %6.0f / %-6.0f %5ld MB\n", p.text,
                            ausw / 1000, gen / 1000, ausw > 0 ? gen / ausw : 0, buch / 1000, Zahl(r, "gebucht"),
                            Zahl(r, "kunden"), c.maxRssKb / 1024);
                std::printf("  %-14s %9.1f s %10.1f s  (%4.2f×) %11.1f s  Prozessorzeit\n", "",
                            Zahl(r, "auswertung_cpu") / 1000, Zahl(r, "generierung_cpu") / 1000,
                            Zahl(r, "auswertung_cpu") > 0 ? Zahl(r, "generierung_cpu") / Zahl(r, "auswertung_cpu") : 0,
                            Zahl(r, "buchung_cpu") / 1000);
                std::fflush(stdout);
                ok = ok && gen <= ausw && buch < 60000 && c.maxRssKb < 300 * 1024;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "kis-bench: " << e.what() << "\n";
        return 1;
    }
    std::cout << (ok ? "\nAlle Ziele erreicht.\n" : "\nNicht alle Ziele erreicht.\n");
    return ok ? 0 : 1;
}

}  // namespace kis::bench
