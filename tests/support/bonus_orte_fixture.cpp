#include "support/bonus_orte_fixture.h"

#include "platform/store/database.h"

namespace kis::test {

void BonusInOrten(SuiteFixture& fx, const BonusOrt& b) {
    const BonusDaten& d = b.daten;
    if (b.mitBonus)
        fx.Row("BONUS", {{"RNR", d.rnr},           {"LNR", d.lnr},
                         {"SNR", d.snr},           {"MANDANT", fx.AktMandant()},
                         {"PROGRAMMID", d.programmId}, {"PROGRAMM", d.programm},
                         {"KUNDE", d.kunde},       {"ART", d.art},
                         {"DATUM", d.datum},       {"WERT", d.wert},
                         {"BASISWERT", d.basis},   {"LAENGE", b.laenge},
                         {"STATUS", d.status},     {"GUELTIGBIS", d.gueltigBis},
                         {"MINUMSATZ", d.minUmsatz}, {"TEXT", d.text}});
    if (b.mitDienst)
        fx.Row("DIENST", {{"RNR", d.rnr},
                          {"LNR", d.lnr},
                          {"SNR", d.snr},
                          {"STATUS", d.status},
                          {"VERWENDET", d.verwendet},
                          {"VERWREF", d.verwRef}});
    if (b.mitOp) fx.OffenerPosten(d.kunde, "BONUS", d.status, d.datum, 0, d.wert, d.rnr, d.lnr, d.snr);
}

namespace {

std::string Lies(const char* sql, int rnr, int lnr, int snr) {
    auto& s = kis::store::SuiteDb().Cached(sql);
    s.Bind(1, rnr).Bind(2, lnr).Bind(3, snr);
    std::string out = s.Step() ? s.ColumnText(0) : "-";
    s.Reset();
    return out;
}

}  // namespace

std::string Stati(int rnr, int lnr, int snr) {
    return Lies("SELECT STATUS FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND TABELLE = 'BONUS'", rnr, lnr, snr) +
           " " + Lies("SELECT STATUS FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?", rnr, lnr, snr) + " " +
           Lies("SELECT STATUS FROM BONUS WHERE RNR = ? AND LNR = ? AND SNR = ?", rnr, lnr, snr);
}

std::string Verwendung(int rnr, int lnr, int snr) {
    return Lies("SELECT VERWENDET || '|' || VERWREF FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?",
                rnr, lnr, snr);
}

}  // namespace kis::test
