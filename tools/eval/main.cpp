// kis-eval: one evaluation without a display, the customer sums as CSV.
//
//   kis-eval --db=PATH [--mandant=DESIGNATION] [--maske=NAME] [--filter=FILE] [--csv=FILE]
//            [--abc=umsatz|anzahl,A,B[,aktuell|vergleich|ohne]]
//
// Exit status: 0 done, 1 the run failed, 2 bad input (refused before anything runs).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "engine/merova_query.h"
#include "abc_option.h"
#include "filter_file.h"
#include "kisu_csv.h"
#include "maske.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/store/database.h"
#include "platform/store/work_files.h"

namespace {

void Hilfe() {
    std::cout << "kis-eval --db=PFAD [--mandant=BEZEICHNUNG] [--maske=NAME] [--filter=DATEI] [--csv=DATEI]\n"
                 "         [--abc=umsatz|anzahl,A,B[,aktuell|vergleich|ohne]]\n\n"
                 "Führt eine Kundenauswertung ohne Oberfläche aus und schreibt die Kundensummen\n"
                 "als CSV (Kopfzeile " << kis::eval::kCsvHeader << ")\n"
                 "in die Datei oder auf die Standardausgabe: eine Zeile je selektiertem Kunden\n"
                 "nach Kundenschlüssel, die Summenzeile 0/0 zuletzt.\n\n"
                 "  --db=PFAD            die Datenbank (muss existieren)\n"
                 "  --mandant=BEZ        Mandant nach Bezeichnung (sonst der erste Mandant)\n"
                 "  --maske=NAME         eine in \"Selektion und Auswertung\" gespeicherte Maske;\n"
                 "                       die Boxen, die sie zeigt, mit ihren Werten\n"
                 "  --filter=DATEI       Filterdatei mit Zeilen name=wert (leere Zeilen und\n"
                 "                       Zeilen mit # werden übergangen); ohne: alle Kunden\n"
                 "  --csv=DATEI          Ausgabedatei (sonst Standardausgabe)\n"
                 "  --abc=BEZUG,A,B[,KZ] ABC-Kennzeichen der selektierten Kunden nach Umsatz oder\n"
                 "                       Anzahl, A und B in Prozent; bucht sie in das Merkmal\n"
                 "                       \"ABC-Kennzeichen (Aktuell)\" (KZ aktuell, Vorgabe) oder\n"
                 "                       \"ABC-Kennzeichen (Vergleich)\" (vergleich), nicht bei ohne,\n"
                 "                       und schreibt nach den Summen KUNDE;KLASSE je Kunde,\n"
                 "                       größter Umsatz zuerst\n"
                 "  --zeiten             Laufzeiten der Phasen auf die Fehlerausgabe\n\n"
                 "Filterfelder:\n"
              << kis::eval::FilterHelp()
              << "\nExit-Status: 0 fertig, 1 Auswertung fehlgeschlagen, 2 ungültige Eingabe.\n";
}

int Abbruch(const std::string& text) {
    std::cerr << "kis-eval: " << text << "\n";
    return 2;
}

bool Wert(const std::string& arg, const char* name, std::string& out) {
    const std::string p = std::string("--") + name + "=";
    if (arg.rfind(p, 0) != 0) return false;
    out = arg.substr(p.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string db, mandant, filterDatei, csv, maske, abc;
    bool mitMandant = false, mitMaske = false, mitFilter = false, mitCsv = false, zeiten = false;
    bool mitABC = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            Hilfe();
            return 0;
        }
        if (Wert(a, "db", db)) continue;
        if (Wert(a, "mandant", mandant)) { mitMandant = true; continue; }
        if (Wert(a, "filter", filterDatei)) { mitFilter = true; continue; }
        if (Wert(a, "maske", maske)) { mitMaske = true; continue; }
        if (Wert(a, "csv", csv)) { mitCsv = true; continue; }
        if (Wert(a, "abc", abc)) { mitABC = true; continue; }
        if (a == "--zeiten") { zeiten = true; continue; }
        return Abbruch("Unbekannter Parameter \"" + a + "\" (siehe --help).");
    }
    if (db.empty()) return Abbruch("--db=PFAD fehlt.");
    if (mitFilter && filterDatei.empty()) return Abbruch("--filter= ohne Dateinamen.");
    if (mitMaske && maske.empty()) return Abbruch("--maske= ohne Maskennamen.");
    if (mitMaske && mitFilter) return Abbruch("--maske und --filter schließen sich aus.");
    if (mitCsv && csv.empty()) return Abbruch("--csv= ohne Dateinamen.");

    // Everything is checked before the run starts.
    TMerovaFilter filter;
    std::string fehler;
    TABCInfoRecord abcInfo;
    if (mitABC && !kis::eval::LeseABCOption(abc, abcInfo, fehler)) return Abbruch(fehler);
    if (mitFilter && !kis::eval::ReadFilterFile(filterDatei, filter, fehler)) return Abbruch(fehler);

    std::unique_ptr<kis::store::Database> suite;
    try {
        suite = kis::store::Database::OpenSuite(db);
    } catch (const std::exception& e) {
        return Abbruch(e.what());
    }
    kis::store::SetSuiteDb(suite.get());
    ORVProgramm().SetSilentMode(true);
    TIntPair aktMandant = ORVProgramm().MandantErster();
    if (mitMandant) {
        const auto m = ORVProgramm().MandantByBezeichnung(mandant);
        if (!m) return Abbruch("Mandant \"" + mandant + "\" ist unbekannt.");
        aktMandant = *m;
    }
    if (aktMandant.IsNull()) return Abbruch("Die Datenbank enthält keinen Mandanten.");
    ORVProgramm().SetAktMandant(aktMandant);
    if (mitMaske && !kis::eval::FilterAusMaske(maske, filter, fehler)) return Abbruch(fehler);

    // The CSV is written beside its target and renamed at the end, so a failed run leaves
    // no half-written file behind.
    const std::string csvTemp = csv + ".tmp";
    std::ofstream datei;
    if (mitCsv) {
        datei.open(csvTemp, std::ios::out | std::ios::trunc);
        if (!datei) return Abbruch("Die CSV-Datei \"" + csv + "\" kann nicht geschrieben werden.");
    }

    kis::store::RemoveStaleWorkFiles();
    int status = 0;
    {
        TMerovaQuery query;
        query.Init();
        query.SetFilter(filter);
        // The bonus-programme fields are the engine's own; the filter file sets them directly.
        query.FFilter.FGutscheineBeruecksichtigen = filter.FGutscheineBeruecksichtigen;
        query.FFilter.FSonderBoni4PIds = filter.FSonderBoni4PIds;
        if (!query.ExecuteKI()) {
            const std::string grund = query.Fehler().empty() ? std::string("Sie wurde abgebrochen.")
                                                             : query.Fehler();
            std::cerr << "kis-eval: Die Auswertung ist fehlgeschlagen. " << grund << "\n";
            status = 1;
        } else {
            std::ostream& out = mitCsv ? static_cast<std::ostream&>(datei) : std::cout;
            if (!kis::eval::WriteKisuCsv(out, fehler) || (mitABC && !kis::eval::ABCAusgeben(out, abcInfo, fehler))) {
                std::cerr << "kis-eval: " << fehler << "\n";
                status = 1;
            }
        }
        query.Done();
        if (zeiten)
            std::cerr << "Vorbereitung " << query.FLaufzeiten.Belege << " s, Positionen "
                      << query.FLaufzeiten.Positionen << " s, Kunden " << query.FLaufzeiten.Walk
                      << " s, gesamt " << query.FLaufzeiten.Gesamt << " s\n";
    }
    if (mitCsv) {
        datei.close();
        std::error_code ec;
        if (status == 0 && datei) std::filesystem::rename(csvTemp, csv, ec);
        if (status == 0 && (!datei || ec)) {
            std::cerr << "kis-eval: Die CSV-Datei \"" << csv << "\" kann nicht geschrieben werden.\n";
            status = 1;
        }
        std::filesystem::remove(csvTemp, ec);
    }
    kis::store::RemoveOwnWorkFiles();
    kis::store::SetSuiteDb(nullptr);
    return status;
}
