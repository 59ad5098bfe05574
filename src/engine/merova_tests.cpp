// TMerovaQuery: the position, document and customer tests of a run.
#include <algorithm>
#include <exception>

#include "engine/cent_vergleich.h"
#include "engine/merova_query.h"
#include "platform/accounting/konten_server.h"
#include "platform/accounting/zm_tabelle.h"
#include "platform/articles/artikel_tools.h"
#include "platform/partners/gp_selektion.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_utils.h"

using namespace kis::engine;
using namespace kis::store;

// ---------------------------------------------------------------- positions

bool TMerovaQuery::Check_LST(TLSTPosition& pos) {
    bool result = false;
    try {
        const bool ok = LSTSelektion->Check_LST(pos);
        if (pos.Art == "GS") {
            result = ok && FFilter.FGutscheineBeruecksichtigen;
        } else if (pos.Art == "A9") {
            result = ok;
            if (result) SonderBonusGgfAnwenden(pos);
        } else if (pos.Art == "SO" || pos.Art == "RS") {
            result = ok;
            pos.Menge = 0;  // these kinds carry a value but no quantity
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Check_LST", e);
        result = false;
    }
    return result;
}

void TMerovaQuery::SonderBonusGgfAnwenden(TLSTPosition& pos) {
    try {
        for (const TQEL_PID_GR_Betrag& s : FFilter.FSonderBoni4PIds) {
            if (!s.PId.IsDefined() || s.PId != pos.ArtikelNr) continue;
            long double faktor = pos.Menge;
            if (pos.Menge == 0) faktor = (pos.VkKz == "1" || pos.VkKz == "2") ? -1 : 1;
            pos.IstVk = faktor * (long double)s.Betrag;
            break;
        }
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.SonderBonusGgfAnwenden", e);
    }
}

bool TMerovaQuery::Check_AA(const TLSTPosition& pos) {
    try {
        if (!AASelektion->IsActive()) return true;
        TArtikelSatz a;
        if (!TArtikelTools::AASatz_4_ProduktID(pos.ArtikelNr, a)) return false;
        return AASelektion->Check_AA(a);
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Check_AA", e);
        return false;
    }
}

bool TMerovaQuery::Check_PH(const TLSTPosition& pos) {
    try {
        if (FFilter.FSaison.empty()) return true;
        TArtikelSatz a;
        if (!ArtLesSimple().Artikel(pos.ArtikelNr, a)) return false;  // also under negation
        TSaisonSatz s;
        std::string text;
        if (ArtLesSimple().SaisonVon(a, FStichtag, s)) text = s.Text();
        const bool ok = FSaisonTester->Test(text);
        return FFilter.FSaisonNeg ? !ok : ok;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Check_PH", e);
        return false;
    }
}

bool TMerovaQuery::Check_GEP(const TIntPair& kunde) {
    try {
        if (!GPSelektion->SelektionCheck(kunde)) return false;
        if (FFilter.FAuchAnonymeKunden) return true;
        return GPSelektion->Name().rfind("{", 0) != 0;  // anonymous customers begin with "{"
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Check_GEP", e);
        return false;
    }
}

// ---------------------------------------------------------------- documents

bool TMerovaQuery::Filter_Teste_Bonsumme(int32_t anzSelektiert, long double wert) {
    bool result = true;
    try {
        if (anzSelektiert <= 0) return false;  // whatever the negation
        const auto& f = FFilter;
        if (f.FBonSumMin < 0 && f.FBonSumMax < 0) return true;
        result = CentUntenOk(wert, f.FBonSumMin);
        result = result && CentObenOk(wert, f.FBonSumMax);
        return f.FBonSumNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_Bonsumme", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_ZM(int32_t rnr, int32_t lnr) {
    if (!FFilterTesteZM) return true;
    try {
        auto nichtErlaubt = [&](const std::string& code) {
            return std::any_of(FZMNichtErlaubt.begin(), FZMNichtErlaubt.end(),
                               [&](const std::string& n) { return TStringList::SameName(n, code); });
        };
        bool result = true;
        if (!FZMFile) FZMFile = std::make_unique<Tzmfile>();
        FZMFile->OpenOut();
        FZMFile->ClearKeysAndFilters();
        FZMFile->Feld("MANDANT").SetFilterMinMax(FMandantAkt, FMandantAkt);
        FZMFile->Feld("RNR").SetKeyWertAndFilter(rnr);
        FZMFile->Feld("LNR").SetKeyWertAndFilter(lnr);
        FZMFile->SetUsedField({"ZMKZ"});
        for (bool ok = FZMFile->Get_ge(); ok && result; ok = FZMFile->Next())
            if (nichtErlaubt(FZMFile->Feld("ZMKZ").AsString())) result = false;
        FZMFile->ResultClear();

        if (result && nichtErlaubt(CORV_ZM_2_Kuerzel(kZMIndexGutschein))) {
            if (!FGUVFile) FGUVFile = std::make_unique<Tguvfile>();
            FGUVFile->OpenOut();
            FGUVFile->ClearKeysAndFilters();
            FGUVFile->Feld("MANDANT").SetFilterMinMax(FMandantAkt, FMandantAkt);
            FGUVFile->Feld("RNR").SetKeyWertAndFilter(rnr);
            FGUVFile->Feld("LNR").SetKeyWertAndFilter(lnr);
            FGUVFile->SetUsedField({"KONTO"});
            for (bool ok = FGUVFile->Get_ge(); ok && result; ok = FGUVFile->Next()) {
                const std::string konto = FGUVFile->Feld("KONTO").AsString();
                int index = KontenServer().ZMIndex(FMandantAkt, konto);
                if (index == 0 && KontenServer().IstKontoArt137(FMandantAkt, konto))
                    index = kZMIndexGutschein;
                if (index > 0 && nichtErlaubt(CORV_ZM_2_Kuerzel(index))) result = false;
            }
            FGUVFile->ResultClear();
        }
        return FFilter.FZMNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_ZM", e);
        return false;
    }
}

// ---------------------------------------------------------------- customers

bool TMerovaQuery::Filter_Teste_GesMenge() {
    const auto& f = FFilter;
    if (!f.FGesSumBuild || (f.FGesSumMengeMin < 0 && f.FGesSumMengeMax < 0)) return true;
    const bool ok = MengeUntenOk(FKISURec.GesMenge, f.FGesSumMengeMin) &&
                    MengeObenOk(FKISURec.GesMenge, f.FGesSumMengeMax);
    return f.FGesSumMengeNeg ? !ok : ok;
}

bool TMerovaQuery::Filter_Teste_GesWert() {
    bool result = true;
    try {
        const auto& f = FFilter;
        if (!f.FGesSumBuild || (f.FGesSumWertMin < 0 && f.FGesSumWertMax < 0)) return true;
        result = CentUntenOk(FKISURec.GesUmsatz, f.FGesSumWertMin);
        result = result && CentObenOk(FKISURec.GesUmsatz, f.FGesSumWertMax);
        return f.FGesSumWertNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_GesWert", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_SelMenge() {
    const auto& f = FFilter;
    if (f.FSelSumMengeMin < 0 && f.FSelSumMengeMax < 0) return true;
    const bool ok = MengeUntenOk(FKISURec.SelMenge, f.FSelSumMengeMin) &&
                    MengeObenOk(FKISURec.SelMenge, f.FSelSumMengeMax);
    return f.FSelSumMengeNeg ? !ok : ok;
}

bool TMerovaQuery::Filter_Teste_SelWert() {
    bool result = true;
    try {
        const auto& f = FFilter;
        if (f.FSelSumWertMin < 0 && f.FSelSumWertMax < 0) return true;
        result = CentUntenOk(FKISURec.SelUmsatz, f.FSelSumWertMin);
        result = result && CentObenOk(FKISURec.SelUmsatz, f.FSelSumWertMax);
        return f.FSelSumWertNeg ? !result : result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_SelWert", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_KundBonusNie() {
    try {
        if (!FFilter.FKundeBonusNie) return true;
        if (!FBONUFile) FBONUFile = std::make_unique<Tbonufile>();
        FBONUFile->OpenOut();
        FBONUFile->ClearKeysAndFilters();
        FBONUFile->SelectIndex("KUNDE");
        FBONUFile->Feld("KUNDE").SetKeyWertAndFilter(FKISURec.Kunde);
        FBONUFile->SetUsedField({"RNR"});
        FBONUFile->ExtendedMaxReceive_Set(1);
        const bool found = FBONUFile->Get_ge();
        FBONUFile->ResultClear();
        return !found;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_KundBonusNie", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_VKSel() {
    bool result = true;
    try {
        const auto& f = FFilter;
        if (f.FVkFilter == vkEgal) return true;
        const TIntPair kunde = FKISURec.Kunde;
        const auto range = std::equal_range(
            FBelege.begin(), FBelege.end(), TLfnrEintrag{kunde},
            [](const TLfnrEintrag& a, const TLfnrEintrag& b) { return a.Kunde < b.Kunde; });
        if (f.FVkVon == TMerovaFilter::DefaultVkVon() && f.FVkBis == TMerovaFilter::DefaultVkBis()) {
            const bool any = range.first != range.second;
            return f.FVkFilter == vkJa ? any : !any;
        }
        // A period end without time of day includes that whole day.
        TDateTime bis = f.FVkBis;
        if (bis == kis::date::DateOf(bis)) bis += 0.99999999;
        result = f.FVkFilter == vkNein;
        for (auto it = range.first; it != range.second; ++it) {
            ORVInfoProcessMessages(300);
            if (LSTPositionImZeitraum(FMandantAkt, it->RNr, it->LNr, f.FVkVon, bis)) {
                result = f.FVkFilter == vkJa;
                break;
            }
        }
        return result;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_VKSel", e);
        return false;
    }
}

bool TMerovaQuery::Filter_Teste_KeineOP() {
    try {
        if (!FFilter.FKeineOP) return true;
        if (!FOPFile) FOPFile = std::make_unique<Topfile>();
        FOPFile->OpenOut();
        FOPFile->ClearKeysAndFilters();
        FOPFile->SelectIndex("KUNDE");
        FOPFile->Feld("MANDANT").SetKeyWertAndFilter(FMandantAkt);
        FOPFile->Feld("KUNDE").SetKeyWertAndFilter(FKISURec.Kunde);
        FOPFile->SetUsedField({"RNR"});
        FOPFile->ExtendedMaxReceive_Set(1);
        const bool found = FOPFile->Get_ge();
        FOPFile->ResultClear();
        return !found;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.Filter_Teste_KeineOP", e);
        return false;
    }
}
