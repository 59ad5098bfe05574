#include <gtest/gtest.h>

#include <set>

#include "platform/accounting/konten_server.h"
#include "platform/accounting/zahlungsmittel_manager.h"
#include "platform/accounting/zm_tabelle.h"
#include "platform/domain_db.h"

TEST(ZMTabelle, CodesAreUniqueAndVoucherIsTwenty) {
    std::set<std::string> codes;
    for (int i = 1; i <= kZMAnzahl; ++i) {
        EXPECT_FALSE(CORV_ZM_2_Kuerzel(i).empty()) << i;
        EXPECT_FALSE(ZM_2_Bez(i).empty()) << i;
        codes.insert(CORV_ZM_2_Kuerzel(i));
        EXPECT_EQ(ZM_Kuerzel_2_Index(CORV_ZM_2_Kuerzel(i)), i);
    }
    EXPECT_EQ(codes.size(), size_t(kZMAnzahl));
    EXPECT_EQ(ZM_2_Bez(kZMIndexGutschein), "Gutschein");
    EXPECT_EQ(CORV_ZM_2_Kuerzel(0), "");
    EXPECT_EQ(CORV_ZM_2_Kuerzel(33), "");
    EXPECT_EQ(ZM_Kuerzel_2_Index(" gutschein "), kZMIndexGutschein);
}

TEST(Zahlungsmittel, VoucherMeansAndAccountServer) {
    DomainDb d;
    d.Sql("INSERT INTO ZAHLUNGSMITTEL (NR, KUERZEL, BEZEICHNUNG, SELEKTORART, KONTO) VALUES "
          "(2, 'GS2', 'Geschenkgutschein', 1, '1820'), (1, 'GS1', 'Gutschein', 1, ' 1810 '), "
          "(3, 'GS3', 'Gutschein alt', 1, '1810'), (4, 'KK', 'Kundenkarte', 2, '1900')");
    const auto zm = TZahlungsmittelManager::BySelektorArt(kZMSelektorGutschein);
    ASSERT_EQ(zm.size(), 3u);
    EXPECT_EQ(zm[0].Kuerzel, "GS1");
    EXPECT_EQ(TZahlungsmittelManager::KontenBySelektorArt(1), (std::vector<std::string>{"1810", "1820"}));

    d.Sql("INSERT INTO KONTO (MANDANT_L, MANDANT_R, KONTO, BEZEICHNUNG, KONTOART, ZMINDEX) VALUES "
          "(1, 0, '1810', 'Gutscheine', 137, 0), (1, 0, '1600', 'Kasse', 0, 1), "
          "(1, 0, '8410', '', 141, 0), (1, 0, '8400', 'Bonus Stamm', 141, 0), "
          "(2, 0, '1600', 'Kasse M2', 0, 3)");
    TKontenServer k;
    const TIntPair m1{1, 0}, m2{2, 0};
    EXPECT_EQ(k.Bezeichnung(m1, "1600"), "Kasse");
    EXPECT_EQ(k.ZMIndex(m1, " 1600"), 1);
    EXPECT_EQ(k.ZMIndex(m2, "1600"), 3);  // the other client company's account
    EXPECT_EQ(k.ZMIndex(m1, "9999"), 0);
    EXPECT_TRUE(k.IstKontoArt137(m1, "1810"));
    EXPECT_FALSE(k.IstKontoArt137(m1, "1600"));
    EXPECT_EQ(k.KontoBySonderArt(m1, 141), "8400");
    EXPECT_EQ(k.KontoBySonderArt(m1, 140), "");
    EXPECT_EQ(TKontenServer::DefaultBezeichnung(140), "Bonuskonto 1");
    EXPECT_EQ(TKontenServer::DefaultBezeichnung(145), "Bonuskonto 6");
    EXPECT_EQ(TKontenServer::DefaultBezeichnung(137), "");
}
