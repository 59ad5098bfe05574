// TMerovaQuery: the fill runs that complete the supplier and attribute columns of the detail
// file written by the last evaluation run.
#include <exception>

#include "engine/merova_query.h"
#include "platform/articles/artikel_tools.h"
#include "platform/articles/lief_gp_data.h"
#include "platform/evaluation/kivk_fill.h"
#include "platform/services/orv_info.h"
#include "platform/store/work_files.h"

void TMerovaQuery::ExecuteFillKivkLief() { FillKivk(true); }
void TMerovaQuery::ExecuteFillKivkMerkmale() { FillKivk(false); }

void TMerovaQuery::FillKivk(bool lieferant) {
    const char* name =
        lieferant ? "TMerovaQuery.ExecuteFillKivkLief" : "TMerovaQuery.ExecuteFillKivkMerkmale";
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
        while (lauf.Next(rowid, artikelNr)) {
            if (artikelNr.IsDefined() && TArtikelTools::AASatz_4_ProduktID(artikelNr, a)) {
                if (lieferant)
                    lauf.SetLieferant(rowid, FLiefGPData->Kurzname(a.Lieferant), a.LiefArtNr);
                else
                    lauf.SetMerkmale(rowid, a.Merkmal);
            }
            DoOnKIVKGelesen();
        }
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(name, e);
    }
    try {
        if (FKIVKFile->IsOpen()) FKIVKFile->Close();
    } catch (const std::exception& e) {
        ORVInfo().RegisterException(name, e);
    }
}
