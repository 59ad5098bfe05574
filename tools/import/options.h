#pragma once
// The command line of kis-import.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/keys.h"

namespace kis::import {

struct ImportOptions {
    std::string db;
    bool create = false;
    bool dryRun = false;
    std::string mandant;   // designation; empty: the first client company
    std::string columns;   // mapping file for sales files
    std::optional<TIntPair> anonymous;
    std::vector<std::pair<std::string, std::string>> files;  // kind, path
};

// The kinds in the order they are read.
const std::vector<std::string>& ImportKinds();

// Parses the arguments (without the program name); false with a German message on bad input.
bool ParseImportArgs(const std::vector<std::string>& args, ImportOptions& out, std::string& error);

inline constexpr const char* kImportUsage =
    "Aufruf: kis-import --db=DATEI [--create] [--mandant=BEZEICHNUNG] [--dry-run]\n"
    "                   [--columns=DATEI] [--anonymous=KUNDENNR] ART=DATEI...\n"
    "Arten: branches, suppliers, articles, customers, documents, sales, payments, openitems\n"
    "Exit-Status: 0 eingelesen, 1 Schreiben fehlgeschlagen, 2 Fehler in Aufruf oder Dateien\n"
    "(dann wird nichts geschrieben). Beschreibung der Spalten: docs/import.md\n";

}  // namespace kis::import
