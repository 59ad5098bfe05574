#pragma once
// Every criterion of one customer evaluation: which customers, which sales, which totals and
// which open items qualify. The selection windows fill the shared instance; the engine copies
// it into its own with Assign before a run. The filter evaluates nothing itself.
//
// Bounds: a negative value (-1 after Clear) means "no bound"; 0 is a real bound. Amounts are
// compared at cent precision on absolute values, quantities on absolute values.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/string_list.h"
#include "platform/articles/aa_filter.h"
#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "platform/partners/gp_selekt_filter.h"
#include "platform/sales/lst_filter.h"

enum TVkEnum { vkEgal, vkJa, vkNein };

// Special bonus amount of one product (bonus programmes of the turnover period kind).
struct TQEL_PID_GR_Betrag {
    TInt32Trio PId;
    double Betrag = 0;
};

class TMerovaFilter {
public:
    TMerovaFilter();   // Create: sub-filters and lists exist, then Clear
    ~TMerovaFilter();  // Destroy: guarded release
    TMerovaFilter(const TMerovaFilter&) = delete;
    TMerovaFilter& operator=(const TMerovaFilter&) = delete;

    // Sets every field to its cleared value and clears the sub-filters and lists.
    void Clear();

    // The assign protocol, one overload per source kind.
    void Assign(const TAAFilter& source);       // AAFilter only
    void Assign(const TGpSelektFilter& source); // GPFilter only
    void Assign(const TLSTFilter& source);      // LSTFilter only
    // Everything except FGutscheineBeruecksichtigen and FSonderBoni4PIds, which keep this
    // filter's values (they belong to the bonus programme of the engine's run).
    // False (the failure registered) when the copy could not be completed.
    bool Assign(const TMerovaFilter& source);

    // The start and end of the default sales period (1 January 1980, 31 December 2100).
    static TDateTime DefaultVkVon();
    static TDateTime DefaultVkBis();

    TAAFilter AAFilter;
    TGpSelektFilter GPFilter;
    TLSTFilter LSTFilter;
    bool FAuchAnonymeKunden = false;
    bool FKundeBonusNie = false;
    long double FBonSumMin = -1;
    long double FBonSumMax = -1;
    bool FBonSumNeg = false;
    int32_t FSelSumMengeMin = -1;
    int32_t FSelSumMengeMax = -1;
    bool FSelSumMengeNeg = false;
    long double FSelSumWertMin = -1;
    long double FSelSumWertMax = -1;
    bool FSelSumWertNeg = false;
    bool FGesSumBuild = false;
    int32_t FGesSumMengeMin = -1;
    int32_t FGesSumMengeMax = -1;
    bool FGesSumMengeNeg = false;
    long double FGesSumWertMin = -1;
    long double FGesSumWertMax = -1;
    bool FGesSumWertNeg = false;
    TStringList FZM;  // payment means code = "1" accepted / "0" not accepted
    bool FZMNeg = false;
    TStringList FOP;  // open-item table = "1" must be present
    bool FOPDatumNeg = false;
    std::string FOPDatumVon;
    std::string FOPDatumBis;
    bool FOPWertNeg = false;
    long double FOPWertMin = -1;
    long double FOPWertMax = -1;
    bool FOPBonusAbg = false;
    bool FOPBonusNichtAbg = false;
    bool FOPBonusAktLenNeg = false;
    int32_t FOPBonusAktLenMin = -1;
    int32_t FOPBonusAktLenMax = -1;
    TVkEnum FVkFilter = vkEgal;
    TDateTime FVkVon = 0;
    TDateTime FVkBis = 0;
    bool FKeineOP = false;
    bool FSaisonNeg = false;
    std::string FSaison;
    bool FGutscheineBeruecksichtigen = false;
    std::vector<TQEL_PID_GR_Betrag> FSonderBoni4PIds;
};
