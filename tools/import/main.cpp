// kis-import: reads CSV files of a shop's own data into the suite database as one booking.
// Everything is read and checked first; only a run without errors writes. With --create the
// new database is built in a temporary file beside the target and renamed at the end.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "column_map.h"
#include "import_run.h"
#include "options.h"
#include "platform/services/orv_program.h"
#include "platform/store/booking.h"
#include "platform/store/database.h"
#include "suite_lookup.h"
#include "suite_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace kis::import;

constexpr int kImportBookingType = 91;

int Refuse(const std::string& text) {
    std::cerr << "kis-import: " << text << "\n" << kImportUsage;
    return 2;
}

void RemoveDatabaseFiles(const std::string& path) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path + suffix, ec);
}

void ReportErrors(const ErrorList& errors) {
    for (const auto& e : errors.Reported()) std::cerr << ErrorList::Format(e) << "\n";
    if (errors.Total() > int64_t(errors.Reported().size()))
        std::cerr << "… und " << errors.Total() - int64_t(errors.Reported().size()) << " weitere Fehler.\n";
    std::cerr << "kis-import: " << errors.Total()
              << (errors.Total() == 1 ? " Fehler" : " Fehler") << "; es wurde nichts geschrieben.\n";
}

void ReportCounts(const ImportData& d, bool dryRun) {
    std::cout << (dryRun ? "Probelauf, es wird nichts geschrieben. Würde einlesen: " : "Eingelesen: ")
              << d.branches.size() << " Filialen, " << d.suppliers.size() << " Lieferanten, "
              << d.articles.size() << " Artikel (" << d.counts.createdArticles << " neu aus Verkäufen), "
              << d.customers.size() << " Kunden (" << d.counts.createdCustomers << " neu aus Verkäufen), "
              << d.documents.size() << " Belege mit " << d.counts.positions << " Positionen, "
              << d.openItems.size() << " offene Posten.\n";
    if (d.counts.anonymousRows > 0)
        std::cout << d.counts.anonymousRows << " Zeilen ohne Kundennummer (anonyme Verkäufe), davon "
                  << d.counts.anonymousImported << " eingelesen"
                  << (d.counts.anonymousImported ? "." : " (mit --anonymous=KUNDENNR einlesen).") << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    ImportOptions o;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kImportUsage;
        return 0;
    }
    if (!ParseImportArgs(args, o, error)) return Refuse(error);

    ColumnMapping mapping;
    if (!o.columns.empty()) {
        ErrorList mappingErrors;
        if (!ReadColumnMapping(o.columns, mapping, mappingErrors)) {
            ReportErrors(mappingErrors);
            return 2;
        }
    }
    std::error_code ec;
    if (o.create && fs::exists(o.db, ec)) return Refuse("Die Datei \"" + o.db + "\" gibt es schon (--create legt eine neue an).");
    const std::string target = o.create ? o.db + ".tmp-" + std::to_string(::getpid()) : o.db;

    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<kis::store::Database> db;
    try {
        if (o.create) {
            RemoveDatabaseFiles(target);
            db = kis::store::Database::CreateSuite(target);
            // A new file is thrown away if the run fails: no waiting for the disk, and the
            // key indexes are built once at the end.
            db->SetBulkLoad(256);
            db->DropIndexes();
        } else {
            db = kis::store::Database::OpenSuite(target);
        }
    } catch (const std::exception& e) {
        if (o.create) RemoveDatabaseFiles(target);
        return Refuse(e.what());
    }
    kis::store::SetSuiteDb(db.get());
    ORVProgramm().SetSilentMode(true);

    auto cleanUp = [&](int status) {
        kis::store::SetSuiteDb(nullptr);
        db.reset();
        if (o.create) RemoveDatabaseFiles(target);
        return status;
    };
    int status = 0;
    try {
        kis::store::BookingScope booking(kImportBookingType);
        TIntPair mandant(1, 0);
        if (o.create) {
            const bool branchesGiven = std::any_of(o.files.begin(), o.files.end(),
                                                   [](const auto& f) { return f.first == "branches"; });
            WriteNewSuite(mandant, o.mandant.empty() ? "Mandant 1" : o.mandant, !branchesGiven);
        } else if (!o.mandant.empty()) {
            const auto m = ORVProgramm().MandantByBezeichnung(o.mandant);
            if (!m) return cleanUp(Refuse("Mandant \"" + o.mandant + "\" ist unbekannt."));
            mandant = *m;
        } else {
            mandant = ORVProgramm().MandantErster();
            if (mandant.IsNull()) return cleanUp(Refuse("Die Datenbank enthält keinen Mandanten."));
        }

        SuiteLookup lookup;
        lookup.Load(mandant);
        auto progress = [](const std::string& file, int64_t done, int64_t size) {
            std::cerr << "\rkis-import: " << file << " " << (size > 0 ? done * 100 / size : 100) << " % gelesen"
                      << (done >= size ? "\n" : "") << std::flush;
        };
        ImportRun run(lookup, mandant, o.anonymous, progress);
        for (const auto& [kind, path] : o.files) {
            if (kind == "branches") run.ReadBranches(path);
            else if (kind == "suppliers") run.ReadSuppliers(path);
            else if (kind == "articles") run.ReadArticles(path);
            else if (kind == "customers") run.ReadCustomers(path);
            else if (kind == "documents") run.ReadDocuments(path, false, nullptr);
            else if (kind == "sales") run.ReadDocuments(path, true, o.columns.empty() ? nullptr : &mapping);
            else if (kind == "payments") run.ReadPayments(path);
            else if (kind == "openitems") run.ReadOpenItems(path);
        }
        run.Finish();
        if (!run.errors.Empty()) {
            ReportErrors(run.errors);
            return cleanUp(2);
        }
        ReportCounts(run.data, o.dryRun);
        if (o.dryRun) return cleanUp(0);
        WriteImport(run.data, mandant, [](int64_t done, int64_t total) {
            std::cerr << "\rkis-import: " << done << " von " << total << " Belegen geschrieben"
                      << (done >= total ? "\n" : "") << std::flush;
        });
        booking.Commit();
        if (o.create) {
            db->CreateIndexes();
            kis::store::SetSuiteDb(nullptr);
            db.reset();
            for (const char* suffix : {"-wal", "-shm"}) fs::remove(o.db + suffix, ec);
            fs::rename(target, o.db);
        }
    } catch (const std::exception& e) {
        std::cerr << "kis-import: Das Einlesen ist fehlgeschlagen, es wurde nichts geschrieben: " << e.what() << "\n";
        status = 1;
    }
    if (status != 0) return cleanUp(status);
    kis::store::SetSuiteDb(nullptr);
    db.reset();
    std::cout << "Fertig in " << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
              << " s.\n";
    return 0;
}
