// Master data kinds of an import: branches, suppliers, articles, customers.
#include <limits>

#include "import_run.h"
#include "values.h"

namespace kis::import {

namespace {

// A whole number within [min, max]; empty gives `fallback` unless required.
bool Whole(RowReader& r, const std::string& field, int64_t min, int64_t max, int& out,
           bool required, int fallback = 0) {
    const std::string t = r.Get(field);
    if (t.empty()) {
        if (required) r.Error(field, "Wert fehlt.");
        out = fallback;
        return !required;
    }
    int64_t v = 0;
    if (!ParseWhole(t, v) || v < min || v > max) {
        r.Error(field, "\"" + t + "\" ist keine gültige Zahl (" + std::to_string(min) + " bis " +
                           std::to_string(max) + ").");
        return false;
    }
    out = int(v);
    return true;
}

bool Required(RowReader& r, const std::string& field, std::string& out) {
    out = r.Get(field);
    if (out.empty()) r.Error(field, "Wert fehlt.");
    return !out.empty();
}

bool Flag(RowReader& r, const std::string& field, bool fallback, bool& out) {
    if (ParseFlag(r.Get(field), fallback, out)) return true;
    r.Error(field, "\"" + r.Get(field) + "\" ist weder J noch N.");
    return false;
}

constexpr int kMaxInt = std::numeric_limits<int32_t>::max();

}  // namespace

ImportRun::ImportRun(const SuiteLookup& db, const TIntPair& mandant,
                     std::optional<TIntPair> anonymous, Progress progress)
    : db_(db), mandant_(mandant), anonymous_(anonymous), progress_(std::move(progress)),
      branches_(db.Branches()), nextArticle_(db.LastImportedArticle()) {}

int ImportRun::DefaultBranch() const {
    int best = 0;
    for (const auto& [nr, mandant] : branches_)
        if (mandant == mandant_ && (best == 0 || nr < best)) best = nr;
    return best;
}

void ImportRun::ReadBranches(const std::string& path) {
    ++fileNo_;
    RowReader r(path, errors);
    if (!r.Open({"branch", "name"})) return;
    while (r.Next()) {
        BranchRecord b;
        if (!Whole(r, "branch", 1, 9999, b.nr, true) || !Required(r, "name", b.name)) continue;
        if (branches_.count(b.nr)) {
            r.Error("branch", "Filiale " + std::to_string(b.nr) + " ist bereits vorhanden.");
            continue;
        }
        branches_[b.nr] = mandant_;
        data.branches.push_back(std::move(b));
    }
}

void ImportRun::ReadSuppliers(const std::string& path) {
    ++fileNo_;
    RowReader r(path, errors);
    if (!r.Open({"supplier", "name"})) return;
    while (r.Next()) {
        SupplierRecord s;
        if (!Whole(r, "supplier", 1, kMaxInt, s.nr, true) || !Required(r, "name", s.name)) continue;
        s.shortName = r.Get("short-name");
        if (db_.HasSupplier(s.nr) || suppliers_.count(s.nr)) {
            r.Error("supplier", "Lieferant " + std::to_string(s.nr) + " ist bereits vorhanden.");
            continue;
        }
        suppliers_.insert(s.nr);
        data.suppliers.push_back(std::move(s));
    }
}

void ImportRun::ReadArticles(const std::string& path) {
    ++fileNo_;
    RowReader r(path, errors);
    if (!r.Open({"description"})) return;
    if (!r.Has("article") && !r.Has("code")) {
        errors.Add(path, 1, "article", "Eine der Spalten \"article\" oder \"code\" ist nötig.");
        return;
    }
    while (r.Next()) {
        ArticleRecord a;
        bool ok = Required(r, "description", a.text);
        const std::string nr = r.Get("article");
        a.code = r.Get("code");
        if (nr.empty() && a.code.empty()) {
            r.Error("article", "Artikelnummer und Code fehlen.");
            ok = false;
        } else if (!nr.empty() && (!TInt32Trio::FromString(nr, a.nr) || a.nr.IsNull())) {
            r.Error("article", "\"" + nr + "\" ist keine Artikelnummer (Form 1-1000-3).");
            ok = false;
        } else if (!nr.empty() && (db_.HasArticle(a.nr) || articles_.count(a.nr))) {
            r.Error("article", "Artikel " + nr + " ist bereits vorhanden.");
            ok = false;
        }
        if (!a.code.empty() && (db_.ArticleByCode(a.code).IsDefined() || codes_.count(a.code))) {
            r.Error("code", "Ein Artikel mit dem Code \"" + a.code + "\" ist bereits vorhanden.");
            ok = false;
        }
        ok = Whole(r, "supplier", 0, kMaxInt, a.supplier, false) && ok;
        if (a.supplier != 0 && !db_.HasSupplier(a.supplier) && !suppliers_.count(a.supplier)) {
            r.Error("supplier", "Lieferant " + std::to_string(a.supplier) + " ist unbekannt.");
            ok = false;
        }
        a.season = r.Get("season");
        ok = Whole(r, "season-year", 0, 9999, a.seasonYear, false) && ok;
        for (int k = 0; k < 6; ++k) a.attributes[size_t(k)] = r.Get("attribute" + std::to_string(k + 1));
        a.variant = r.Get("variant");
        ok = Flag(r, "passive", false, a.passive) && ok;
        ok = Amount(r, "price", 0, a.priceCents, false) && ok;
        if (a.priceCents < 0) {
            r.Error("price", "Der Preis ist negativ.");
            ok = false;
        }
        ok = Whole(r, "group", 0, kMaxInt, a.group, false) && ok;
        if (!ok) continue;
        if (a.nr.IsNull()) a.nr = TInt32Trio(0, ++nextArticle_, 0);
        articles_.insert(a.nr);
        if (!a.code.empty()) codes_.emplace(a.code, a.nr);
        data.articles.push_back(std::move(a));
    }
}

void ImportRun::ReadCustomers(const std::string& path) {
    ++fileNo_;
    RowReader r(path, errors);
    if (!r.Open({"customer", "name"})) return;
    while (r.Next()) {
        CustomerRecord c;
        const std::string nr = r.Get("customer");
        bool ok = true;
        if (!ParseCustomerNumber(nr, c.nr)) {
            r.Error("customer", "\"" + nr + "\" ist keine Kundennummer (ganze Zahl größer 0).");
            ok = false;
        } else if (db_.HasPartner(c.nr) || customers_.count(c.nr)) {
            r.Error("customer", "Kunde " + c.nr.ToString() + " ist bereits vorhanden.");
            ok = false;
        }
        ok = Required(r, "name", c.name) && ok;
        c.salutation = r.Get("salutation");
        c.name2 = r.Get("name2");
        c.firstName = r.Get("first-name");
        c.searchName = r.Has("search-name") && !r.Get("search-name").empty() ? r.Get("search-name") : c.name;
        c.street = r.Get("street");
        c.zip = r.Get("zip");
        c.city = r.Get("city");
        if (!r.Get("country").empty()) c.country = r.Get("country");
        c.phone = r.Get("phone");
        c.email = r.Get("email");
        c.sex = r.Get("sex");
        if (!c.sex.empty() && c.sex != "M" && c.sex != "W") {
            r.Error("sex", "Geschlecht muss M oder W sein.");
            ok = false;
        }
        if (!r.Get("status").empty()) c.status = r.Get("status");
        if (c.status != "A" && c.status != "P") {
            r.Error("status", "Status muss A (aktiv) oder P (passiv) sein.");
            ok = false;
        }
        ok = Date(r, "birthday", "", c.birthday, false) && ok;
        ok = Date(r, "created", "", c.created, false) && ok;
        ok = Flag(r, "advertising", false, c.advertising) && ok;
        ok = Flag(r, "letters", false, c.letters) && ok;
        ok = Whole(r, "group", 0, kMaxInt, c.group, false) && ok;
        ok = Whole(r, "branch", 0, 9999, c.branch, false) && ok;
        if (c.branch != 0 && !branches_.count(c.branch)) {
            r.Error("branch", "Filiale " + std::to_string(c.branch) + " ist unbekannt.");
            ok = false;
        }
        if (!ok) continue;
        customers_.insert(c.nr);
        data.customers.push_back(std::move(c));
    }
}

bool ImportRun::Amount(RowReader& r, const std::string& field, char decimal, int64_t& cents,
                       bool required) {
    const std::string t = r.Get(field);
    cents = 0;
    if (t.empty()) {
        if (required) r.Error(field, "Betrag fehlt.");
        return !required;
    }
    Decimal d;
    if (!ParseDecimal(t, decimal, d) || !ToCents(d, cents)) {
        r.Error(field, "\"" + t + "\" ist kein Betrag.");
        return false;
    }
    return true;
}

bool ImportRun::Date(RowReader& r, const std::string& field, const std::string& format,
                     TDateTime& out, bool required) {
    const std::string t = r.Get(field);
    out = 0;
    if (t.empty()) {
        if (required) r.Error(field, "Datum fehlt.");
        return !required;
    }
    const bool ok = format.empty() ? ParseDate(t, out) : ParseDateByFormat(t, format, out);
    if (!ok) {
        r.Error(field, "\"" + t + "\" ist kein Datum" + (format.empty() ? "" : " im Format " + format) + ".");
        return false;
    }
    return true;
}

}  // namespace kis::import
