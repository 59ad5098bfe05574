#include "platform/bonus/bonus_orte.h"

#include "platform/bonus/bonus_suche.h"
#include "platform/store/database.h"

using kis::store::Statement;
using kis::store::SuiteDb;

TBonusOrte BonusOrteLesen(const TBonusIdent& ref) {
    TBonusOrte o;
    Statement& op = SuiteDb().Cached(
        "SELECT STATUS, KUNDE_L, KUNDE_R FROM OP WHERE RNR = ? AND LNR = ? AND SNR = ? AND "
        "TABELLE = 'BONUS'");
    op.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, int(ref.SNr));
    if (op.Step()) {
        o.Op = true;
        o.OpStatus = op.ColumnText(0);
        o.Kunde = TIntPair(int32_t(op.ColumnInt(1)), int32_t(op.ColumnInt(2)));
    }
    op.Reset();
    Statement& d = SuiteDb().Cached("SELECT STATUS, VERWENDET FROM DIENST WHERE RNR = ? AND LNR = ? AND SNR = ?");
    d.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, int(ref.SNr));
    if (d.Step()) {
        o.Dienst = true;
        o.DienstStatus = d.ColumnText(0);
        o.Verwendet = d.ColumnText(1);
    }
    d.Reset();
    Statement& b = SuiteDb().Cached("SELECT STATUS, WERT FROM BONUS WHERE RNR = ? AND LNR = ? AND SNR = ?");
    b.Bind(1, ref.RNr).Bind(2, ref.LNr).Bind(3, int(ref.SNr));
    if (b.Step()) {
        o.Bonus = true;
        o.BonusStatus = b.ColumnText(0);
        o.Wert = b.ColumnDouble(1);
    }
    b.Reset();
    return o;
}

std::string BonusOrteMangel(const TBonusIdent& ref, const TBonusOrte& o, bool nurOffen) {
    const std::string bonus = "Bonus " + BonusRefText(ref) + ": ";
    if (o.Dienst && !o.Verwendet.empty()) return bonus + "wurde inzwischen verwendet (" + o.Verwendet + ").";
    if (!o.Op && !o.Dienst && !o.Bonus) return bonus + "ist nicht mehr vorhanden.";
    if (!o.Op) return bonus + "der offene Posten fehlt.";
    if (!o.Dienst) return bonus + "der Dienstleistungssatz fehlt.";
    if (!o.Bonus) return bonus + "der Bonussatz fehlt.";
    if (nurOffen && (o.OpStatus != "O" || o.DienstStatus != "O" || o.BonusStatus != "O"))
        return bonus + "ist nicht mehr offen.";
    return {};
}
