#include "options.h"

#include <algorithm>

#include "values.h"

namespace kis::import {

const std::vector<std::string>& ImportKinds() {
    static const std::vector<std::string> kinds = {"branches",  "suppliers", "articles",
                                                   "customers", "documents", "sales",
                                                   "payments",  "openitems"};
    return kinds;
}

namespace {

bool Value(const std::string& arg, const char* name, std::string& out) {
    const std::string p = std::string("--") + name + "=";
    if (arg.rfind(p, 0) != 0) return false;
    out = arg.substr(p.size());
    return true;
}

}  // namespace

bool ParseImportArgs(const std::vector<std::string>& args, ImportOptions& out, std::string& error) {
    for (const auto& a : args) {
        std::string v;
        if (a == "--create") { out.create = true; continue; }
        if (a == "--dry-run") { out.dryRun = true; continue; }
        if (Value(a, "db", out.db) || Value(a, "mandant", out.mandant) || Value(a, "columns", out.columns))
            continue;
        if (Value(a, "anonymous", v)) {
            TIntPair nr;
            if (!ParseCustomerNumber(v, nr)) {
                error = "--anonymous= braucht eine Kundennummer, nicht \"" + v + "\".";
                return false;
            }
            out.anonymous = nr;
            continue;
        }
        const size_t eq = a.find('=');
        if (a.rfind("--", 0) == 0 || eq == std::string::npos) {
            error = "Unbekannter Parameter \"" + a + "\".";
            return false;
        }
        const std::string kind = a.substr(0, eq), path = a.substr(eq + 1);
        const auto& kinds = ImportKinds();
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
            error = "Unbekannte Art \"" + kind + "\".";
            return false;
        }
        if (path.empty()) {
            error = kind + "= ohne Dateinamen.";
            return false;
        }
        out.files.emplace_back(kind, path);
    }
    if (out.db.empty()) {
        error = "--db=DATEI fehlt.";
        return false;
    }
    if (out.files.empty()) {
        error = "Keine Datei angegeben (ART=DATEI).";
        return false;
    }
    const bool hasSales = std::any_of(out.files.begin(), out.files.end(),
                                      [](const auto& f) { return f.first == "sales"; });
    if (!out.columns.empty() && !hasSales) {
        error = "--columns= gilt für sales=DATEI, aber keine solche Datei ist angegeben.";
        return false;
    }
    // Read in dependency order; files of one kind keep their order.
    std::stable_sort(out.files.begin(), out.files.end(), [&](const auto& x, const auto& y) {
        const auto& k = ImportKinds();
        return std::find(k.begin(), k.end(), x.first) < std::find(k.begin(), k.end(), y.first);
    });
    return true;
}

}  // namespace kis::import
