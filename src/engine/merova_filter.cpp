#include "engine/merova_filter.h"

#include <exception>

#include "platform/services/orv_info.h"

TDateTime TMerovaFilter::DefaultVkVon() { return kis::date::EncodeDate(1980, 1, 1); }
TDateTime TMerovaFilter::DefaultVkBis() { return kis::date::EncodeDate(2100, 12, 31); }

TMerovaFilter::TMerovaFilter() {
    try {
        Clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Create", e);
    }
}

TMerovaFilter::~TMerovaFilter() {
    // The sub-filters and lists are members; releasing them cannot fail on its own, but each
    // step stays guarded so that a failing one is registered and the next still runs.
    bool failed = false;
    for (int step = 0; step < 5; ++step) {
        try {
            switch (step) {
                case 0: AAFilter.Clear(); break;
                case 1: GPFilter.Clear(); break;
                case 2: LSTFilter.Clear(); break;
                case 3: FZM.Clear(); break;
                case 4: FOP.Clear(); break;
            }
        } catch (const std::exception& e) {
            failed = true;
            ORVInfo().RegisterException("TMerovaFilter.Destroy", e, 0);
        }
    }
    if (failed) ORVInfo().FehlerTerminate("TMerovaFilter.Destroy");
}

void TMerovaFilter::Clear() {
    try {
        AAFilter.Clear();
        GPFilter.Clear();
        LSTFilter.Clear();
        FAuchAnonymeKunden = false;
        FKundeBonusNie = false;
        FBonSumMin = -1;
        FBonSumMax = -1;
        FBonSumNeg = false;
        FSelSumMengeMin = -1;
        FSelSumMengeMax = -1;
        FSelSumMengeNeg = false;
        FSelSumWertMin = -1;
        FSelSumWertMax = -1;
        FSelSumWertNeg = false;
        FGesSumBuild = false;
        FGesSumMengeMin = -1;
        FGesSumMengeMax = -1;
        FGesSumMengeNeg = false;
        FGesSumWertMin = -1;
        FGesSumWertMax = -1;
        FGesSumWertNeg = false;
        FZM.Clear();
        FZMNeg = false;
        FOP.Clear();
        FOPDatumNeg = false;
        FOPDatumVon.clear();
        FOPDatumBis.clear();
        FOPWertNeg = false;
        FOPWertMin = -1;
        FOPWertMax = -1;
        FOPBonusAbg = false;
        FOPBonusNichtAbg = false;
        FOPBonusAktLenNeg = false;
        FOPBonusAktLenMin = -1;
        FOPBonusAktLenMax = -1;
        FVkFilter = vkEgal;
        FVkVon = DefaultVkVon();
        FVkBis = DefaultVkBis();
        FKeineOP = false;
        FSaisonNeg = false;
        FSaison.clear();
        FGutscheineBeruecksichtigen = false;
        FSonderBoni4PIds.clear();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Clear", e);
    }
}

void TMerovaFilter::Assign(const TAAFilter& source) {
    try {
        AAFilter.Assign(source);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Assign", e);
    }
}

void TMerovaFilter::Assign(const TGpSelektFilter& source) {
    try {
        GPFilter.Assign(source);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Assign", e);
    }
}

void TMerovaFilter::Assign(const TLSTFilter& source) {
    try {
        LSTFilter.Assign(source);
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Assign", e);
    }
}

bool TMerovaFilter::Assign(const TMerovaFilter& s) {
    if (&s == this) return true;
    try {
        AAFilter.Assign(s.AAFilter);
        GPFilter.Assign(s.GPFilter);
        LSTFilter.Assign(s.LSTFilter);
        FAuchAnonymeKunden = s.FAuchAnonymeKunden;
        FKundeBonusNie = s.FKundeBonusNie;
        FBonSumMin = s.FBonSumMin;
        FBonSumMax = s.FBonSumMax;
        FBonSumNeg = s.FBonSumNeg;
        FSelSumMengeMin = s.FSelSumMengeMin;
        FSelSumMengeMax = s.FSelSumMengeMax;
        FSelSumMengeNeg = s.FSelSumMengeNeg;
        FSelSumWertMin = s.FSelSumWertMin;
        FSelSumWertMax = s.FSelSumWertMax;
        FSelSumWertNeg = s.FSelSumWertNeg;
        FGesSumBuild = s.FGesSumBuild;
        FGesSumMengeMin = s.FGesSumMengeMin;
        FGesSumMengeMax = s.FGesSumMengeMax;
        FGesSumMengeNeg = s.FGesSumMengeNeg;
        FGesSumWertMin = s.FGesSumWertMin;
        FGesSumWertMax = s.FGesSumWertMax;
        FGesSumWertNeg = s.FGesSumWertNeg;
        FZM.Clear();
        for (const auto& line : s.FZM.Lines()) FZM.Add(line);
        FZMNeg = s.FZMNeg;
        FOP.Clear();
        for (const auto& line : s.FOP.Lines()) FOP.Add(line);
        FOPDatumNeg = s.FOPDatumNeg;
        FOPDatumVon = s.FOPDatumVon;
        FOPDatumBis = s.FOPDatumBis;
        FOPWertNeg = s.FOPWertNeg;
        FOPWertMin = s.FOPWertMin;
        FOPWertMax = s.FOPWertMax;
        FOPBonusAbg = s.FOPBonusAbg;
        FOPBonusNichtAbg = s.FOPBonusNichtAbg;
        FOPBonusAktLenNeg = s.FOPBonusAktLenNeg;
        FOPBonusAktLenMin = s.FOPBonusAktLenMin;
        FOPBonusAktLenMax = s.FOPBonusAktLenMax;
        FVkFilter = s.FVkFilter;
        FVkVon = s.FVkVon;
        FVkBis = s.FVkBis;
        FKeineOP = s.FKeineOP;
        FSaisonNeg = s.FSaisonNeg;
        FSaison = s.FSaison;
        // FGutscheineBeruecksichtigen and FSonderBoni4PIds stay: see the declaration.
    } catch (const std::exception& e) {
        ORVInfo().RegisterException("TMerovaFilter.Assign", e);
        return false;
    }
    return true;
}
