#include "suite_basics.h"

#include <utility>

#include "catalog.h"
#include "table.h"

namespace kis::suitedata {

void WriteAccounts(const std::vector<TIntPair>& mandants) {
    Table t("KONTO");
    for (TIntPair mandant : mandants)
        for (const auto& a : kAccounts) {
            t.Clear();
            t.F("MANDANT").SetWert(mandant);
            t.F("KONTO").SetWert(a.code);
            t.F("BEZEICHNUNG").SetWert(a.text);
            t.F("KONTOART").SetWert(a.kind);
            t.F("ZMINDEX").SetWert(a.zmIndex);
            t.Insert();
        }
}

void WritePaymentMeans() {
    Table z("ZAHLUNGSMITTEL");
    for (const auto& p : kUserPaymentMeans) {
        z.Clear();
        z.F("NR").SetWert(p.nr);
        z.F("KUERZEL").SetWert(p.code);
        z.F("BEZEICHNUNG").SetWert(p.text);
        z.F("SELEKTORART").SetWert(p.selector);
        z.F("VARIANTE").SetWert(p.variant);
        z.F("KONTO").SetWert(p.account);
        z.Insert();
    }
}

void WriteSettings() {
    Table p("PARAMETER");
    const std::pair<const char*, const char*> params[] = {
        {"MANDKUND", "N"}, {"BONUNUAB", "J"}, {"BONUAUAB", "N"}};
    for (const auto& [name, value] : params) {
        p.Clear();
        p.F("NAME").SetWert(name);
        p.F("WERT").SetWert(value);
        p.Insert();
    }
    Table s("EINSTELLUNG");
    const std::pair<const char*, const char*> system[] = {
        {"RTYP", "1"}, {"RID", "1"}, {"KUNDENKENNUNG", ""}, {"LAND", "D"}};
    for (const auto& [name, value] : system) {
        s.Clear();
        s.F("MASKE").SetWert("SYSTEM");
        s.F("NAME").SetWert(name);
        s.F("WERT").SetWert(value);
        s.Insert();
    }
    Table md("MERKMALDEF");
    const std::pair<const char*, const char*> defs[] = {
        {"ABC", "ABC-Klassifizierung"}, {"INTERESSE", "Interessengebiet"},
        {"KARTE", "Kundenkarte ausgegeben"}, {"NEWSLETTER", "Newsletter abonniert"},
        {"STAMMKUNDE", "Stammkunde"}};
    for (const auto& [name, text] : defs) {
        md.Clear();
        md.F("NAME").SetWert(name);
        md.F("BESCHREIBUNG").SetWert(text);
        md.Insert();
    }
}

}  // namespace kis::suitedata
