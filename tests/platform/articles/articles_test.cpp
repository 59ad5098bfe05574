#include <gtest/gtest.h>

#include "platform/articles/aa_query.h"
#include "platform/articles/art_les_simple.h"
#include "platform/articles/artikel_tools.h"
#include "platform/articles/lief_gp_data.h"
#include "platform/store/shared_instance.h"
#include "platform/domain_db.h"

using kis::date::EncodeDate;

namespace {
void Artikel(DomainDb& d, int nr, int lief, const char* saison, int jahr, const char* variante) {
    d.Sql("INSERT INTO ARTIKEL (ARTIKELNR_L, ARTIKELNR_R, ARTIKELNR_S, BEZEICHNUNG, LIEFERANT, "
          "LIEFARTNR, SAISON, SAISONJAHR, MERKMAL1, VARIANTE) VALUES (" + std::to_string(nr) +
          ", 0, 0, 'Artikel', " + std::to_string(lief) + ", 'L-" + std::to_string(nr) + "', '" +
          saison + "', " + std::to_string(jahr) + ", 'Rot', '" + variante + "')");
}
}  // namespace

TEST(AAQuery, SupplierAndVariantsWithNegation) {
    TArtikelSatz a;
    a.Lieferant = 17;
    a.Variante = "Blau XL";
    TAAFilter f;
    EXPECT_FALSE(f.IsActive());
    f.LieferantNeg = true;  // a negation alone is no criterion
    EXPECT_FALSE(f.IsActive());
    TAAQuery q;
    q.SetFilter(f);
    EXPECT_TRUE(q.Check_AA(a));

    f.Lieferant = 17;
    q.SetFilter(f);
    EXPECT_FALSE(q.Check_AA(a));
    f.LieferantNeg = false;
    f.Varianten = "rot*; blau*";
    q.SetFilter(f);
    EXPECT_TRUE(q.Check_AA(a));
    f.VariantenNeg = true;
    q.SetFilter(f);
    EXPECT_FALSE(q.Check_AA(a));
    f.Varianten = "Blau";  // without wildcards the whole text must match
    q.SetFilter(f);
    EXPECT_TRUE(q.Check_AA(a));
}

TEST(ArtikelTools, LookupIsCachedPerDatabase) {
    DomainDb d;
    Artikel(d, 1, 5, "FS", 2024, "");
    TArtikelSatz a;
    ASSERT_TRUE(TArtikelTools::AASatz_4_ProduktID({1, 0, 0}, a));
    EXPECT_EQ(a.LiefArtNr, "L-1");
    EXPECT_EQ(a.Merkmal[0], "Rot");
    EXPECT_FALSE(TArtikelTools::AASatz_4_ProduktID({2, 0, 0}, a));
    EXPECT_FALSE(TArtikelTools::AASatz_4_ProduktID({}, a));
    DomainDb other;  // another suite database set: the cache must not answer for it
    EXPECT_FALSE(TArtikelTools::AASatz_4_ProduktID({1, 0, 0}, a));
}

TEST(ArtLesSimple, SeasonAsOfADate) {
    DomainDb d;
    Artikel(d, 1, 5, "FS", 2024, "");
    Artikel(d, 2, 5, "HW", 0, "");  // season of the code current at the date
    Artikel(d, 3, 5, "", 0, "");
    d.Sql("INSERT INTO SAISON (KUERZEL, JAHR, BEZEICHNUNG, VON, BIS) VALUES "
          "('HW', 2023, 'Herbst/Winter 2023', " + std::to_string(EncodeDate(2023, 8, 1)) + ", 0), "
          "('HW', 2024, 'Herbst/Winter 2024', " + std::to_string(EncodeDate(2024, 8, 1)) + ", 0)");
    TArtikelTools::CacheLeeren();
    TArtLesSimple r;
    TSaisonSatz s;
    ASSERT_TRUE(r.Saison({1, 0, 0}, EncodeDate(2025, 1, 1), s));
    EXPECT_EQ(s.Text(), "FS2024");  // not in the season table: from the article
    ASSERT_TRUE(r.Saison({2, 0, 0}, EncodeDate(2024, 7, 31), s));
    EXPECT_EQ(s.Text(), "HW2023");
    ASSERT_TRUE(r.Saison({2, 0, 0}, EncodeDate(2024, 8, 1), s));
    EXPECT_EQ(s.Text(), "HW2024");
    EXPECT_FALSE(r.Saison({3, 0, 0}, EncodeDate(2024, 8, 1), s));
    EXPECT_FALSE(r.Saison({4, 0, 0}, EncodeDate(2024, 8, 1), s));
}

TEST(LiefGPData, SharedInstanceWithShortNameUpkeep) {
    DomainDb d;
    d.Sql("INSERT INTO LIEFERANT (NR, KURZNAME, NAME) VALUES (1, 'MUSTER', 'Muster GmbH'), "
          "(2, '', 'Gebrüder Müller Textil')");
    TLiefGPData* l = GlobLiefGPData_GetInstance();
    EXPECT_EQ(GlobLiefGPData_GetInstance(), l);
    l->SetKurznamenPflege(true);
    EXPECT_EQ(l->Kurzname(1), "MUSTER");
    EXPECT_EQ(l->Kurzname(2), "GEBRüDER");  // made from the name, cut to ten bytes on a character
    EXPECT_FALSE(l->Exists(3));
    d.Sql("INSERT INTO LIEFERANT (NR, KURZNAME, NAME) VALUES (3, 'NEU', 'Neu')");
    EXPECT_EQ(l->Kurzname(3), "NEU");  // added meanwhile: found on demand
    GlobLiefGPData_ReleaseInstance();
    EXPECT_EQ(kis::store::SharedInstance<TLiefGPData>::Count(), 1);
    GlobLiefGPData_ReleaseInstance();
    EXPECT_EQ(kis::store::SharedInstance<TLiefGPData>::Count(), 0);
}
