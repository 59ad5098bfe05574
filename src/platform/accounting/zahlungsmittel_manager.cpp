#include "platform/accounting/zahlungsmittel_manager.h"

#include <algorithm>

#include "platform/match/text_match.h"
#include "platform/store/database.h"

std::vector<TZahlungsmittelDef> TZahlungsmittelManager::BySelektorArt(int selektorArt) {
    std::vector<TZahlungsmittelDef> out;
    auto& s = kis::store::SuiteDb().Cached(
        "SELECT NR, KUERZEL, BEZEICHNUNG, SELEKTORART, KONTO FROM ZAHLUNGSMITTEL "
        "WHERE SELEKTORART = ? ORDER BY NR");
    s.Bind(1, selektorArt);
    while (s.Step())
        out.push_back({int32_t(s.ColumnInt(0)), s.ColumnText(1), s.ColumnText(2),
                       int32_t(s.ColumnInt(3)), s.ColumnText(4)});
    s.Reset();
    return out;
}

std::vector<std::string> TZahlungsmittelManager::KontenBySelektorArt(int selektorArt) {
    std::vector<std::string> out;
    for (const auto& zm : BySelektorArt(selektorArt)) {
        std::string k = kis::match::Trim(zm.Konto);
        if (!k.empty() && std::find(out.begin(), out.end(), k) == out.end()) out.push_back(std::move(k));
    }
    return out;
}
