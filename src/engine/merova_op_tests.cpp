// TMerovaQuery: the open-item tests of the customer end.
#include <exception>

#include "engine/merova_query.h"
#include "platform/openitems/op_tabellen.h"
#include "platform/services/number_format.h"
#include "platform/services/orv_info.h"

using kis::services::RoundHalfEven;

bool TMerovaQuery::Filter_Teste_OP() {
    try {
        if (FOPTestTab.empty()) return true;
        TOPTabellen& op = OPTabellen();
        op.Clear();
        op.SetMandant(FMandantAkt);
        op.SetKundeGepNr(FKISURec.Kunde);
        for (auto test : FOPTestTab)
            if (!(this->*test)()) return false;
        return true;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_OP", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_OP_Typ() {
    bool result = true;
    try {
        for (int i = 0; i < FFilter.FOP.Count() && result; ++i)
            if (FFilter.FOP.ValueFromIndex(i) == "1" && !OPTabellen().Exists(FFilter.FOP.Names(i)))
                result = false;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_OP_Typ", e);
        result = false;
    }
    return result;
}

bool TMerovaQuery::Filter_Teste_OP_Datum() {
    bool result = true;
    try {
        const auto& f = FFilter;
        for (int i = 0; i < f.FOP.Count() && result; ++i) {
            if (f.FOP.ValueFromIndex(i) != "1") continue;
            bool gefunden = false;
            for (const TOPPosten& p : OPTabellen().Items(f.FOP.Names(i))) {
                int r = 0;
                const bool unten = f.FOPDatumVon.empty() ||
                                   FDatumTester.Check("OPDatumVon", p.Datum, r) || r != -1;
                r = 0;
                const bool oben = f.FOPDatumBis.empty() ||
                                  FDatumTester.Check("OPDatumBis", p.Datum, r) || r != 1;
                if (unten && oben) {
                    gefunden = true;
                    break;
                }
            }
            result = gefunden;
        }
        return f.FOPDatumNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_OP_Datum", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_OP_Wert() {
    bool result = true;
    try {
        const auto& f = FFilter;
        const bool minAktiv = RoundHalfEven(f.FOPWertMin * 100) >= 0;
        const bool maxAktiv = RoundHalfEven(f.FOPWertMax * 100) >= 0;
        for (int i = 0; i < f.FOP.Count() && result; ++i) {
            if (f.FOP.ValueFromIndex(i) != "1") continue;
            const TOPTabelle* t = OPTabellen().Tabelle(f.FOP.Names(i));
            const long double offen = t ? t->Offen() : 0;
            if (minAktiv && RoundHalfEven((offen - f.FOPWertMin) * 100) < 0) result = false;
            if (maxAktiv && RoundHalfEven((offen - f.FOPWertMax) * 100) > 0) result = false;
        }
        return f.FOPWertNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_OP_Wert", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_OP_Bonus() {
    bool result = false;
    try {
        const auto& f = FFilter;
        const int32_t lmin = f.FOPBonusAktLenMin, lmax = f.FOPBonusAktLenMax;
        if (!OPTabellen().Exists("BONUS")) {
            if (f.FOPBonusAbg || f.FOPBonusNichtAbg) return false;
            const bool ok = lmin <= 0;  // no bonus entry counts as 0 entries
            return f.FOPBonusAktLenNeg ? !ok : ok;
        }
        const auto& items = OPTabellen().Items("BONUS");
        if (!(f.FOPBonusAbg && f.FOPBonusNichtAbg)) {
            bool abg = false, offen = false;
            for (const TOPPosten& p : items) {
                if (p.Status.rfind("A", 0) == 0) abg = true;
                if (p.Status.rfind("O", 0) == 0) offen = true;
            }
            if (f.FOPBonusAbg && !abg) return false;
            if (f.FOPBonusNichtAbg && !offen) return false;
        }
        if (lmin == -1 && lmax == -1) return true;
        if (!FBONUFile) FBONUFile = std::make_unique<kis::store::Tbonufile>();
        FBONUFile->OpenOut();
        for (const TOPPosten& p : items) {
            FBONUFile->ClearKeysAndFilters();
            FBONUFile->SelectIndex("REF");
            FBONUFile->Feld("RNR").SetKeyWertAndFilter(p.RNr);
            FBONUFile->Feld("LNR").SetKeyWertAndFilter(p.LNr);
            FBONUFile->Feld("SNR").SetKeyWertAndFilter(p.SNr);
            FBONUFile->SetUsedField({"LAENGE"});
            FBONUFile->ExtendedMaxReceive_Set(1);
            if (!FBONUFile->Get_ge()) continue;
            const int32_t len = FBONUFile->Feld("LAENGE").AsInt();
            FBONUFile->ResultClear();
            bool ok = (lmin < 0 || len >= lmin) && (lmax < 0 || len <= lmax);
            if (f.FOPBonusAktLenNeg) ok = !ok;
            if (ok) return true;
        }
        return false;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_OP_Bonus", e);
        return false;
    }
}
