#include "platform/store/schema.h"

#include "platform/store/sql_dialect.h"

namespace kis::store {

namespace {

using F = FieldType;

FieldDef S(const char* n) { return {n, F::Str}; }
FieldDef G(const char* n) { return {n, F::Str, true}; }  // German-ordered text
FieldDef I(const char* n) { return {n, F::Int}; }
FieldDef B(const char* n) { return {n, F::Bool}; }
FieldDef D(const char* n) { return {n, F::Date}; }
FieldDef R(const char* n) { return {n, F::Float}; }
FieldDef P(const char* n) { return {n, F::Pair}; }
FieldDef T(const char* n) { return {n, F::Trio}; }
FieldDef X(const char* n) { return {n, F::Blob}; }

std::vector<FieldDef> BonusFields() {
    return {I("RNR"),      I("LNR"),       I("SNR"),      P("MANDANT"),   S("PROGRAMMID"),
            S("PROGRAMM"), P("KUNDE"),     S("ART"),      D("DATUM"),     R("WERT"),
            R("BASISWERT"), I("LAENGE"),   S("STATUS"),   D("GUELTIGBIS"), R("MINUMSATZ"),
            S("COUPONTYP"), R("PROZENT"),  S("REFTEXT"),  X("TEXT")};
}

std::vector<IndexDef> BonusIndexes() {
    return {{"REF", {"RNR", "LNR", "SNR"}, true},
            {"KUNDE", {"KUNDE", "PROGRAMMID", "PROGRAMM"}},
            {"PROGRAMM", {"PROGRAMMID", "PROGRAMM"}}};
}

std::vector<TableDef> MakeSuiteTables() {
    std::vector<TableDef> t;
    // Client companies.
    t.push_back({"MANDANT",
                 {P("NR"), S("BEZEICHNUNG"), S("NAME"), S("WAEHRUNG"), S("LAND")},
                 {{"NR", {"NR"}, true}, {"BEZEICHNUNG", {"BEZEICHNUNG"}}}});
    // Business partners (customers' master data).
    t.push_back({"GEP",
                 {P("GEPNR"), P("MANDANT"), S("ANREDE"), G("NAME"), G("NAME2"), G("VORNAME"),
                  G("SUCHNAME"), S("STRASSE"), S("PLZ"), G("ORT"), S("LAND"), S("TELEFON"),
                  S("EMAIL"), D("GEBURTSTAG"), S("GESCHLECHT"), S("STATUS"), B("WERBUNG"),
                  B("SERIENBRIEF"), I("KUNDENGRUPPE"), I("FILIALE"), D("ANLAGEDATUM")},
                 {{"GEPNR", {"GEPNR"}, true},
                  {"NAME", {"NAME", "NAME2", "VORNAME"}},
                  {"SUCHNAME", {"SUCHNAME"}},
                  {"PLZ", {"PLZ"}},
                  {"MANDANT", {"MANDANT", "GEPNR"}}}});
    // Customer list: which partner is a customer ("B") of which client company.
    t.push_back({"KULI",
                 {P("KUNDE"), P("MANDANT"), S("ART")},
                 {{"MANDANT", {"MANDANT", "ART", "KUNDE"}, true}, {"KUNDE", {"KUNDE"}}}});
    // Attributes of partners and their definitions; partner numbers (cards and the like).
    t.push_back({"MERKMALDEF",
                 {S("NAME"), S("BESCHREIBUNG")},
                 {{"NAME", {"NAME"}, true}}});
    t.push_back({"GPMERKMAL",
                 {P("GEPNR"), S("MERKMAL"), S("WERT")},
                 {{"GEPNR", {"GEPNR", "MERKMAL"}, true}, {"MERKMAL", {"MERKMAL", "WERT"}}}});
    t.push_back({"GPNUMMER",
                 {P("GEPNR"), S("ART"), S("NUMMER")},
                 {{"GEPNR", {"GEPNR", "ART"}}, {"NUMMER", {"ART", "NUMMER"}}}});
    // Branches and branch groups (one row per member branch).
    t.push_back({"FILIALE",
                 {P("MANDANT"), I("NR"), S("BEZEICHNUNG")},
                 {{"NR", {"MANDANT", "NR"}, true}}});
    t.push_back({"FILIALGRUPPE",
                 {P("MANDANT"), I("GRUPPE"), S("BEZEICHNUNG"), I("FILIALE")},
                 {{"GRUPPE", {"MANDANT", "GRUPPE", "FILIALE"}, true}}});
    // Day closings: per branch and day the first and last running document number.
    t.push_back({"KV",
                 {P("MANDANT"), I("FILIALE"), D("DATUM"), I("ERSTNR"), I("LETZTNR")},
                 {{"DATUM", {"DATUM", "FILIALE"}}, {"FILIALE", {"FILIALE", "DATUM"}}}});
    // Document index (running-number file): (kind, BELEGLNR, BELEGRNR) -> (RNR, LNR).
    t.push_back({"LFNR",
                 {P("MANDANT"), P("KUNDE"), S("BELEGART"), I("BELEGLNR"), I("BELEGRNR"), I("RNR"),
                  I("LNR"), D("DATUM"), R("SUMME")},
                 {{"KUNDE", {"MANDANT", "KUNDE", "RNR", "LNR"}},
                  {"BELEG", {"BELEGART", "BELEGLNR", "BELEGRNR"}, true},
                  {"RNRLNR", {"RNR", "LNR"}}}});
    // Sales positions; BONUS1/BONUS2 mark a position as settled for a bonus.
    t.push_back({"LST",
                 {P("MANDANT"), I("RNR"), I("LNR"), I("POSNR"), S("ART"), D("DATUM"),
                  I("FILIALE"), T("ARTIKELNR"), I("GROESSE"), S("VKKZ"), R("ISTVK"), R("SOLLVK"),
                  R("REDSOLLVK"), R("NACHLASS"), I("MENGE"), S("BONUS1ART"), T("BONUS1"),
                  S("BONUS2ART"), T("BONUS2")},
                 // The marks are indexed, marked positions only: cancelling a bonus finds the
                 // positions it settled, and marking one adds an entry instead of moving it out
                 // of millions of unmarked ones.
                 {{"KEY", {"MANDANT", "RNR", "LNR", "POSNR"}, true}, {"DATUM", {"DATUM"}},
                  {"BONUS1", {"BONUS1"}, false, "BONUS1ART = 'BN'"},
                  {"BONUS2", {"BONUS2"}, false, "BONUS2ART = 'BN'"}}});
    // Payment records of documents (kind "S" = paid out / cancelled).
    t.push_back({"ZM",
                 {P("MANDANT"), I("RNR"), I("LNR"), I("POSNR"), S("ZMKZ"), S("KONTO"),
                  R("BETRAG"), S("ART"), S("GUTSCHEINNR"), D("DATUM")},
                 {{"KEY", {"RNR", "LNR", "POSNR"}}}});
    // Ledger bookings of documents.
    t.push_back({"GUV",
                 {P("MANDANT"), I("RNR"), I("LNR"), I("POSNR"), S("KONTO"), R("BETRAG"),
                  D("DATUM")},
                 {{"KEY", {"RNR", "LNR", "POSNR"}}}});
    // Accounts: kind (e.g. 137 voucher account, 140-145 bonus accounts), payment-means index.
    t.push_back({"KONTO",
                 {P("MANDANT"), S("KONTO"), S("BEZEICHNUNG"), I("KONTOART"), I("ZMINDEX")},
                 {{"KONTO", {"MANDANT", "KONTO"}, true}, {"KONTOART", {"MANDANT", "KONTOART"}}}});
    // User-defined payment means; SELEKTORART is the class (1 vouchers, 2 discount coupons),
    // VARIANTE the coupon variant (1 percent, 2 amount).
    t.push_back({"ZAHLUNGSMITTEL",
                 {I("NR"), S("KUERZEL"), S("BEZEICHNUNG"), I("SELEKTORART"), I("VARIANTE"),
                  S("KONTO")},
                 {{"NR", {"NR"}, true}, {"SELEKTORART", {"SELEKTORART", "NR"}}}});
    // Open items; bonus items reference their bonus by (RNR, LNR, SNR).
    t.push_back({"OP",
                 {P("MANDANT"), P("KUNDE"), S("TABELLE"), S("STATUS"), D("DATUM"), R("BETRAG1"),
                  R("BETRAG2"), I("RNR"), I("LNR"), I("SNR"), S("REFTEXT")},
                 {{"TABELLE", {"TABELLE", "STATUS"}},
                  {"KUNDE", {"MANDANT", "KUNDE", "TABELLE"}},
                  {"REF", {"RNR", "LNR", "SNR"}}}});
    // Open transactions (orders, reservations ...) by phase.
    t.push_back({"ATK",
                 {P("MANDANT"), S("PHASE"), P("PARTEI1"), P("PARTEI2"), I("RNR"), I("LNR"),
                  I("NR1"), I("NR2"), I("BELEGLNR"), I("BELEGRNR"), D("DATUM")},
                 {{"PHASE", {"PHASE"}}}});
    // Bonus file, service file, programme file (own flag, dates, rule rows, rounding,
    // calculation basis and cancellation handling of the programme editor).
    t.push_back({"BONUS", BonusFields(), BonusIndexes()});
    t.push_back({"DIENST",
                 {I("RNR"), I("LNR"), I("SNR"), S("STATUS"), S("VERWENDET"), S("VERWREF")},
                 {{"REF", {"RNR", "LNR", "SNR"}, true}}});
    t.push_back({"BETA",
                 {S("TYP"), S("NAME"), I("NR"), S("EIGEN"), D("ANLAGE"), D("GEAENDERT"),
                  I("LAENGE"), S("WERTART"), I("RUNDUNGKZ"), R("RUNDUNGINTERVALL"), S("BASIS"),
                  S("STORNO"), S("BEZEICHNUNG"), S("KONTO"), X("INHALT")},
                 {{"KEY", {"TYP", "NAME", "NR"}, true}}});
    // Articles, suppliers, seasons.
    t.push_back({"ARTIKEL",
                 {T("ARTIKELNR"), S("BEZEICHNUNG"), I("LIEFERANT"), S("LIEFARTNR"), S("SAISON"),
                  I("SAISONJAHR"), S("MERKMAL1"), S("MERKMAL2"), S("MERKMAL3"), S("MERKMAL4"),
                  S("MERKMAL5"), S("MERKMAL6"), S("VARIANTE"), B("PASSIV"), R("VK"),
                  I("WARENGRUPPE")},
                 {{"ARTIKELNR", {"ARTIKELNR"}, true}, {"LIEFERANT", {"LIEFERANT"}}}});
    t.push_back({"LIEFERANT",
                 {I("NR"), S("KURZNAME"), G("NAME")},
                 {{"NR", {"NR"}, true}}});
    t.push_back({"SAISON",
                 {S("KUERZEL"), I("JAHR"), S("BEZEICHNUNG"), D("VON"), D("BIS")},
                 {{"KEY", {"KUERZEL", "JAHR"}, true}, {"VON", {"VON"}}}});
    // Parameters, settings masks, form-store masks, booking journal.
    t.push_back({"PARAMETER", {S("NAME"), S("WERT")}, {{"NAME", {"NAME"}, true}}});
    t.push_back({"EINSTELLUNG",
                 {S("MASKE"), S("NAME"), S("WERT")},
                 {{"KEY", {"MASKE", "NAME"}, true}}});
    t.push_back({"FORMSTORE",
                 {S("PROGRAMM"), S("SPRACHE"), S("SLOT"), S("INDEXNAME"), S("MASKE"),
                  S("PROPERTY"), S("WERT")},
                 {{"KEY", {"PROGRAMM", "SPRACHE", "SLOT", "INDEXNAME", "MASKE", "PROPERTY"},
                   true}}});
    t.push_back({"BUCHUNG",
                 {P("NR"), I("TYP"), P("SCHLUESSEL"), D("ZEIT"), I("PID")},
                 {{"NR", {"NR"}, true}}});
    return t;
}

std::vector<TableDef> MakeWorkTables() {
    std::vector<TableDef> t;
    // Customer sums of an evaluation run.
    t.push_back({"KISUFILE",
                 {P("KUNDE"), S("ART"), G("NAME"), G("VORNAME"), R("SELUMSATZ"), I("SELMENGE"),
                  R("GESUMSATZ"), I("GESMENGE")},
                 {{"KUNDE", {"KUNDE", "ART"}},
                  {"NAME", {"NAME", "VORNAME"}},
                  {"SELUMSATZ", {"SELUMSATZ"}},
                  {"SELMENGE", {"SELMENGE"}},
                  {"GESUMSATZ", {"GESUMSATZ"}},
                  {"GESMENGE", {"GESMENGE"}}}});
    // Sales detail of an evaluation run: documents, positions, summaries, totals.
    t.push_back({"KIVKFILE",
                 {P("KUNDE"), S("ART"), I("RNR"), I("LNR"), I("POSNR"), S("BELEGART"),
                  I("BELEGLNR"), I("BELEGRNR"), I("ATKNR1"), I("ATKNR2"), D("DATUM"),
                  I("FILIALE"), T("ARTIKELNR"), S("LIEFNAME"), S("LIEFART"), S("MERKMAL1"),
                  S("MERKMAL2"), S("MERKMAL3"), S("MERKMAL4"), S("MERKMAL5"), S("MERKMAL6"),
                  S("GROESSE"), S("VKKZ"), R("ISTVK"), R("SOLLVK"), I("MENGE"), R("GESWERT"),
                  I("GESMENGE"), I("ANZPOS"), I("VERRECHNET")},
                 // One index only: every reader goes by customer, and a second index in
                 // document order would be updated at random places for every position written.
                 {{"KUNDE", {"KUNDE", "RNR", "LNR", "POSNR"}}}});
    // Bonuses computed by a generation run, not yet booked.
    t.push_back({"BONUTMP", BonusFields(), BonusIndexes()});
    return t;
}

const char* SqlType(FieldType type) {
    switch (type) {
        case F::Str: case F::Blob: return "TEXT NOT NULL DEFAULT ''";
        case F::Date: case F::Float: return "REAL NOT NULL DEFAULT 0";
        default: return "INTEGER NOT NULL DEFAULT 0";
    }
}

}  // namespace

const FieldDef* TableDef::Field(const std::string& fieldName) const {
    for (const auto& f : fields)
        if (f.name == fieldName) return &f;
    return nullptr;
}

const IndexDef* TableDef::Index(const std::string& indexName) const {
    for (const auto& i : indexes)
        if (i.name == indexName) return &i;
    return nullptr;
}

const std::vector<TableDef>& SuiteTables() {
    static const std::vector<TableDef> tables = MakeSuiteTables();
    return tables;
}

const std::vector<TableDef>& WorkTables() {
    static const std::vector<TableDef> tables = MakeWorkTables();
    return tables;
}

const TableDef* FindTable(const std::string& name) {
    for (const auto* list : {&SuiteTables(), &WorkTables()})
        for (const auto& t : *list)
            if (t.name == name) return &t;
    return nullptr;
}

int ColumnCount(FieldType type) {
    return type == F::Pair ? 2 : type == F::Trio ? 3 : 1;
}

std::vector<std::string> ColumnsOf(const FieldDef& field) {
    switch (field.type) {
        case F::Pair: return {field.name + "_L", field.name + "_R"};
        case F::Trio: return {field.name + "_L", field.name + "_R", field.name + "_S"};
        default: return {field.name};
    }
}

std::vector<std::string> CreateStatements(const TableDef& table) {
    std::vector<std::string> out;
    std::string sql = "CREATE TABLE IF NOT EXISTS " + table.name + " (";
    bool first = true;
    for (const auto& f : table.fields) {
        for (const auto& c : ColumnsOf(f)) {
            if (!first) sql += ", ";
            first = false;
            const std::string column = c + " " + SqlType(f.type);
            sql += f.german ? sql::GermanOrder(column) : column;
        }
    }
    sql += ")";
    out.push_back(sql);
    for (const auto& idx : table.indexes) {
        std::string cols;
        for (const auto& fn : idx.fields) {
            const FieldDef* f = table.Field(fn);
            for (const auto& c : ColumnsOf(*f)) cols += (cols.empty() ? "" : ", ") + c;
        }
        out.push_back(std::string("CREATE ") + (idx.unique ? "UNIQUE " : "") +
                      "INDEX IF NOT EXISTS " + table.name + "_" + idx.name + " ON " +
                      table.name + " (" + cols + ")" + (idx.where.empty() ? "" : " WHERE " + idx.where));
    }
    return out;
}

}  // namespace kis::store
