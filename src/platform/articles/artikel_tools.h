#pragma once
// Article record lookup by product key, cached: the evaluation and the fill runs ask once per
// sales position and the same articles recur. The cache belongs to the suite database it was
// filled from and is dropped when another one is set (recognised by its address, so a caller
// that frees a database and opens a new one calls CacheLeeren) or when it grows past its limit.
#include "platform/articles/artikel_satz.h"

class TArtikelTools {
public:
    // The article record of a product key; false when there is none.
    static bool AASatz_4_ProduktID(const TInt32Trio& produktId, TArtikelSatz& out);
    // Drops the cache (after articles were changed).
    static void CacheLeeren();
    // Reads one article without the cache.
    static bool Lesen(const TInt32Trio& produktId, TArtikelSatz& out);
};
