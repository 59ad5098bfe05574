#include "support/bonus_orte.h"

#include <stdexcept>

#include "platform/store/database.h"

namespace kis::test {

namespace {

void Ausfuehren(SuiteFixture& fx, const std::string& sql, std::initializer_list<int64_t> werte) {
    auto& s = fx.Db().Cached(sql);
    int i = 0;
    for (int64_t w : werte) s.Bind(++i, w);
    s.Run();
}

}  // namespace

void BonusInAllenOrten(SuiteFixture& fx, const BonusDaten& b, std::initializer_list<PosRef> positionen,
                       const std::string& tabelle) {
    fx.GespeicherterBonus(b);
    fx.OffenerPosten(b.kunde, tabelle, b.status, b.datum, 0, b.wert, b.rnr, b.lnr, b.snr);
    fx.Db().Begin();
    try {
        for (const auto& [rnr, lnr, posnr] : positionen) {
            Ausfuehren(fx,
                       "UPDATE LST SET BONUS1ART = 'BN', BONUS1_L = ?, BONUS1_R = ?, BONUS1_S = ? WHERE "
                       "RNR = ? AND LNR = ? AND POSNR = ?",
                       {b.rnr, b.lnr, b.snr, rnr, lnr, posnr});
            if (fx.Db().Changes() != 1) throw std::invalid_argument("Position für die Bonusmarke fehlt");
        }
        fx.Db().Commit();
    } catch (...) {
        fx.Db().Rollback();
        throw;
    }
}

BonusOrteAbbild AbbildLesen(SuiteFixture& fx) {
    static const std::pair<const char*, const char*> kAbfragen[] = {
        {"BONUS", "SELECT RNR || '-' || LNR || '-' || SNR || ' ' || KUNDE_L || ' ' || STATUS || ' ' || "
                  "PROGRAMMID || ' ' || ROUND(WERT * 100) || ' ' || TEXT FROM BONUS"},
        {"OP", "SELECT TABELLE || ' ' || KUNDE_L || ' ' || STATUS || ' ' || ROUND(BETRAG2 * 100) || ' ' || "
               "RNR || '-' || LNR || '-' || SNR FROM OP"},
        {"DIENST", "SELECT RNR || '-' || LNR || '-' || SNR || ' ' || STATUS || ' [' || VERWENDET || '] [' || "
                   "VERWREF || ']' FROM DIENST"},
        {"LST", "SELECT RNR || '/' || LNR || '/' || POSNR || ' ' || BONUS1ART || ':' || BONUS1_L || '-' || "
                "BONUS1_R || '-' || BONUS1_S || ' ' || BONUS2ART || ':' || BONUS2_L || '-' || BONUS2_R || '-' || "
                "BONUS2_S FROM LST"}};
    BonusOrteAbbild a;
    for (const auto& [tabelle, sql] : kAbfragen) {
        auto& s = fx.Db().Cached(sql);
        auto& zeilen = a.zeilen[tabelle];
        while (s.Step()) zeilen.insert(s.ColumnText(0));
        s.Reset();
    }
    return a;
}

std::set<std::string> Unterschiede(const BonusOrteAbbild& vorher, const BonusOrteAbbild& nachher) {
    std::set<std::string> out;
    for (const auto& [tabelle, zeilen] : vorher.zeilen)
        for (const auto& z : zeilen)
            if (!nachher.zeilen.count(tabelle) || !nachher.zeilen.at(tabelle).count(z)) out.insert("-" + tabelle + " " + z);
    for (const auto& [tabelle, zeilen] : nachher.zeilen)
        for (const auto& z : zeilen)
            if (!vorher.zeilen.count(tabelle) || !vorher.zeilen.at(tabelle).count(z)) out.insert("+" + tabelle + " " + z);
    return out;
}

}  // namespace kis::test
