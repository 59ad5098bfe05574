#include "platform/articles/art_les_simple.h"

#include "platform/articles/artikel_tools.h"
#include "platform/match/text_match.h"
#include "platform/store/database.h"

bool TArtLesSimple::Artikel(const TInt32Trio& produktId, TArtikelSatz& out) {
    return TArtikelTools::AASatz_4_ProduktID(produktId, out);
}

bool TArtLesSimple::Saison(const TInt32Trio& produktId, TDateTime stichtag, TSaisonSatz& out) {
    TArtikelSatz a;
    return Artikel(produktId, a) && SaisonVon(a, stichtag, out);
}

bool TArtLesSimple::SaisonVon(const TArtikelSatz& artikel, TDateTime stichtag, TSaisonSatz& out) {
    const std::string code = kis::match::Trim(artikel.Saison);
    if (code.empty()) return false;
    auto& db = kis::store::SuiteDb();
    auto& s = artikel.SaisonJahr != 0
                  ? db.Cached("SELECT KUERZEL, JAHR, BEZEICHNUNG, VON, BIS FROM SAISON "
                              "WHERE KUERZEL = ?1 AND JAHR = ?2")
                  : db.Cached("SELECT KUERZEL, JAHR, BEZEICHNUNG, VON, BIS FROM SAISON "
                              "WHERE KUERZEL = ?1 AND VON <= ?3 ORDER BY VON DESC LIMIT 1");
    s.Bind(1, code);
    if (artikel.SaisonJahr != 0)
        s.Bind(2, artikel.SaisonJahr);
    else
        s.Bind(3, double(stichtag));
    out = TSaisonSatz{};
    if (s.Step()) {
        out.Kuerzel = s.ColumnText(0);
        out.Jahr = int32_t(s.ColumnInt(1));
        out.Bezeichnung = s.ColumnText(2);
        out.Von = s.ColumnDouble(3);
        out.Bis = s.ColumnDouble(4);
    } else {
        out.Kuerzel = code;
        out.Jahr = artikel.SaisonJahr;
    }
    s.Reset();
    return true;
}
