// TMerovaQuery: the document-number ranges of the sales period. The day closings of the
// period give per branch the lowest and highest running number; documents outside are not
// read at all.
#include <algorithm>
#include <cctype>
#include <exception>

#include "engine/merova_query.h"
#include "platform/services/orv_info.h"
#include "platform/services/orv_program.h"
#include "platform/services/orv_utils.h"

namespace {

int Zahl(const std::string& text, size_t pos, size_t len, size_t& trimmedLen) {
    std::string t = pos < text.size() ? text.substr(pos, len) : std::string();
    const size_t b = t.find_first_not_of(' ');
    t = b == std::string::npos ? std::string() : t.substr(b, t.find_last_not_of(' ') - b + 1);
    trimmedLen = t.size();
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit((unsigned char)c); }))
        return 0;
    return std::stoi(t);
}

}  // namespace

TDateTime TMerovaQuery::ConvertDateString(const std::string& text, bool ende) {
    try {
        // Points only separate the parts: "01.03.2024" is "01032024", as the sales test reads it.
        std::string t;
        t.reserve(text.size());
        for (char c : text)
            if (c != '.') t.push_back(c);
        size_t l = 0;
        const int d = Zahl(t, 0, 2, l);
        const int m = Zahl(t, 2, 2, l);
        int y = Zahl(t, 4, 4, l);
        if (y >= 1 && y <= 99 && l < 3) y += y >= 80 ? 1900 : 2000;
        if (y > 0 && m > 0 && d > 0) return kis::date::EncodeDate(y, m, d);  // 0 when invalid
        if (y > 0 && m > 0 && d == 0) {
            const TDateTime erster = kis::date::EncodeDate(y, m, 1);
            if (!ende || erster == 0) return erster;
            return m == 12 ? kis::date::EncodeDate(y, 12, 31) : kis::date::EncodeDate(y, m + 1, 1) - 1;
        }
        if (y > 0 && m == 0 && d == 0) return kis::date::EncodeDate(y, ende ? 12 : 1, ende ? 31 : 1);
        return 0;
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaQuery.MinMaxTabAufbauen.ConvertDateString", e);
        return 0;
    }
}

void TMerovaQuery::MinMaxTabAufbauen() {
    try {
        const std::string& vonText = FFilter.LSTFilter.DatumVon;
        const std::string& bisText = FFilter.LSTFilter.DatumBis;
        if (vonText.empty() && bisText.empty()) return;
        TDateTime von = ConvertDateString(vonText);
        const TDateTime bis = ConvertDateString(bisText, true);
        if (bis != 0 && bis < von) von = 0;
        if (von == 0 && bis == 0) return;

        FKVFile->OpenOut();
        FKVFile->ClearKeysAndFilters();
        FKVFile->SelectIndex("DATUM");
        const TIntPair mandant = ORVProgramm().GetAktMandant();
        FKVFile->Feld("MANDANT").SetFilterMinMax(mandant, mandant);
        if (von != 0 && bis != 0)
            FKVFile->Feld("DATUM").SetFilterMinMax(von, bis);
        else if (bis != 0)
            FKVFile->Feld("DATUM").SetFilterMinMax(0.0, bis);
        else
            FKVFile->Feld("DATUM").SetFilterMinMax(von, orv_Date());
        FKVFile->SetUsedField({"FILIALE", "ERSTNR", "LETZTNR"});
        FKVFile->ExtendedMaxReceive_Set(-1);
        for (bool ok = FKVFile->Get_ge(); ok; ok = FKVFile->Next()) {
            const int32_t k = FKVFile->Feld("FILIALE").AsInt();
            const int32_t first = FKVFile->Feld("ERSTNR").AsInt();
            const int32_t last = FKVFile->Feld("LETZTNR").AsInt();
            auto it = std::find_if(FMinMaxTab.begin(), FMinMaxTab.end(),
                                   [&](const TMinMaxTab& e) { return e.Filiale == k; });
            if (it == FMinMaxTab.end()) {
                FMinMaxTab.push_back({k, first, first});
                FMinMaxEmpty = false;
                it = FMinMaxTab.end() - 1;
            }
            it->Min = std::min(it->Min, first);
            it->Max = std::max({it->Max, first, last});
            if (last == 0) it->Max = 999999999;
        }
        FKVFile->Close();
        std::sort(FMinMaxTab.begin(), FMinMaxTab.end(),
                  [](const TMinMaxTab& a, const TMinMaxTab& b) { return a.Filiale < b.Filiale; });
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.MinMaxTabAufbauen", e);
    }
}

bool TMerovaQuery::MinMaxTabTesten(int32_t filiale, int32_t nummer) {
    try {
        if (FMinMaxEmpty) return true;
        const auto it = std::lower_bound(
            FMinMaxTab.begin(), FMinMaxTab.end(), filiale,
            [](const TMinMaxTab& e, int32_t k) { return e.Filiale < k; });
        if (it == FMinMaxTab.end() || it->Filiale != filiale) return true;
        if (nummer < it->Min) return false;
        if (it->Max > 0 && nummer > it->Max) return false;
        return true;
    } catch (const std::exception& e) {
        LaufFehler("TMerovaQuery.MinMaxTabTesten", e);
        return false;
    }
}
