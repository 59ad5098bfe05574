#include "platform/articles/auswahl_listen.h"

#include "platform/store/database.h"

using kis::store::SuiteDb;

std::vector<TLieferantEintrag> LieferantenListe() {
    std::vector<TLieferantEintrag> out;
    auto& s = SuiteDb().Cached("SELECT NR, KURZNAME, NAME FROM LIEFERANT ORDER BY NR");
    while (s.Step()) out.push_back({int32_t(s.ColumnInt(0)), s.ColumnText(1), s.ColumnText(2)});
    s.Reset();
    return out;
}

std::vector<std::string> SaisonKuerzelListe() {
    std::vector<std::string> out;
    auto& s = SuiteDb().Cached(
        "SELECT DISTINCT TRIM(KUERZEL) FROM SAISON WHERE TRIM(KUERZEL) <> '' ORDER BY 1");
    while (s.Step()) out.push_back(s.ColumnText(0));
    s.Reset();
    return out;
}
