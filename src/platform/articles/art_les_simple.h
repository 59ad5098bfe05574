#pragma once
// The simple article reader: an article by key together with its season as of a date.
#include "platform/articles/artikel_satz.h"

class TArtLesSimple {
public:
    // The article (through the article cache); false when there is none.
    bool Artikel(const TInt32Trio& produktId, TArtikelSatz& out);
    // The article's season as of `stichtag`: with a season year the record (code, year); with
    // year 0 the season of that code that began last on or before the day. When the season
    // table has no record, code and year come from the article alone. False when the article
    // has no season or does not exist.
    bool Saison(const TInt32Trio& produktId, TDateTime stichtag, TSaisonSatz& out);
    bool SaisonVon(const TArtikelSatz& artikel, TDateTime stichtag, TSaisonSatz& out);
};
