// TMerovaQuery: the fill runs that complete the supplier and attribute columns of the detail
// file written by the last evaluation run.
#include <exception>

#include "engine/merova_query.h"
#include "platform/articles/artikel_tools.h"
#include "platform/articles/lief_gp_data.h"
#include "platform/evaluation/kivk_fill.h"
#include "platform/services/orv_info.h"
#include "platform/store/work_files.h"

bool TMerovaQuery::ExecuteFillKivkLief() { return FillKivk(true); }
bool TMerovaQuery::ExecuteFillKivkMerkmale() { return FillKivk(false); }

bool TMerovaQuery::FillKivk(bool lieferant) {
    const char* name =
        lieferant ? "TMerovaQuery.ExecuteFillKivkLief" : "TMerovaQuery.ExecuteFillKivkMerkmale";
    FFehler = false;
    FFehlerText.clear();
    FActive = true;
    try {
        if (lieferant && !FLiefGPData) {
            FLiefGPData = GlobLiefGPData_GetInstance();
            FLiefGPData->SetKurznamenPflege(true);
        }
        FKIVKFile->OpenOut();
        FKIVKFile->ClearKeysAndFilters();
        TKivkFuellLauf lauf(kis::store::WorkFileConnection(KivkFileName(), false));
        int64_t rowid = 0;
        TInt32Trio artikelNr;
        TArtikelSatz a;
        while (FActive && lauf.Next(rowid, artikelNr)) {
            if (artikelNr.IsDefined() && TArtikelTools::AASatz_4_ProduktID(artikelNr, a)) {
                if (lieferant)
                    lauf.SetLieferant(rowid, FLiefGPData->Kurzname(a.Lieferant), a.LiefArtNr);
                else
                    lauf.SetMerkmale(rowid, a.Merkmal);
            }
            DoOnKIVKGelesen();
            ORVInfoProcessMessages(300);
        }
    } catch (const std::exception& e) {
        LaufFehler(name, e);
    }
    try {
        if (FKIVKFile->IsOpen()) FKIVKFile->Close();
    } catch (const std::exception& e) {
        LaufFehler(name, e);
    }
    // A stopped or failed fill leaves columns empty: the caller must not count it as done.
    const bool result = FActive.load() && !FFehler;
    FActive = false;
    return result;
}
