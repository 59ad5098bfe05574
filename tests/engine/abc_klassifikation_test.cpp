// ABC classification of a run's customers: groups by turnover and by count, the refusals that
// write nothing, and the one booking of the letters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/abc_klassifikation.h"
#include "engine/merova_query.h"
#include "platform/partners/gp_merkmal_buchmani.h"
#include "platform/store/record_file.h"
#include "support/kisu_datei.h"
#include "support/suite_fixture.h"

using kis::test::KisuKunde;
using kis::test::KisuSchreiben;

namespace {

class ABCTest : public ::testing::Test {
protected:
    // Customers 1..n with these turnovers, written into the result file in this order.
    std::vector<TIntPair> Kunden(const std::vector<double>& umsaetze) {
        std::vector<TIntPair> keys;
        std::vector<KisuKunde> kisu;
        for (size_t i = 0; i < umsaetze.size(); ++i) {
            keys.push_back(fx.Kunde(int(i) + 1, "Kunde " + std::to_string(i + 1)));
            kisu.push_back({keys.back(), umsaetze[i]});
        }
        KisuSchreiben(kisu);
        return keys;
    }

    static TABCInfoRecord Wahl(TABCBezug bezug, int a, int b, TABCTyp typ = TABCTyp::abcAktuell) {
        TABCInfoRecord info;
        info.ABCTyp = typ;
        info.ABCBezug = bezug;
        info.AAnteil = a;
        info.BAnteil = b;
        return info;
    }

    TABCErgebnis Klassifizieren(TABCInfoRecord& info, std::vector<TABCPosten>* z = nullptr) {
        return ABCKennzeichnen(TMerovaQuery::KisuFileName(), info, z);
    }

    // The classes of the customers in key order, as the attribute holds them.
    std::string Gebucht(const std::vector<TIntPair>& keys, const std::string& merkmal) {
        std::string s;
        TQEL_GP_GBMERkmal_Buchmani mani;
        for (const auto& k : keys) {
            const std::string w = mani.Wert(k, merkmal);
            s += w.empty() ? "-" : w;
        }
        return s;
    }

    static std::string Klassen(const std::vector<TABCPosten>& z) {
        std::string s;
        for (const auto& p : z) s += p.Klasse;
        return s;
    }

    static int64_t Anzahl(const char* table) {
        kis::store::TQEL_DBFile f(table);
        f.OpenOut();
        return f.GetCount();
    }

    static void ErgebnisIstLeer(const TABCInfoRecord& info) {
        for (long double v : {info.ASummeAbs, info.ASummeRel, info.AAnzahlRel, info.BSummeAbs, info.BSummeRel,
                              info.BAnzahlRel, info.CSummeAbs, info.CSummeRel, info.CAnzahlRel})
            EXPECT_EQ(0.0L, v);
        EXPECT_EQ(0, info.AAnzahlAbs + info.BAnzahlAbs + info.CAnzahlAbs);
    }

    kis::test::SuiteFixture fx;
};

TEST_F(ABCTest, ByTurnoverTheCustomerReachingTheLimitStillBelongsToTheGroup) {
    // 50, 30, 10, 10 (sum 100) written out of order; A 20 %, B 30 %.
    const auto k = Kunden({10, 50, 10, 30});
    const int64_t buchungen = Anzahl("BUCHUNG");
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30);
    std::vector<TABCPosten> z;
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info, &z));

    EXPECT_EQ("ABCC", Klassen(z));
    EXPECT_EQ(k[1], z[0].Kunde);
    EXPECT_EQ(k[3], z[1].Kunde);
    EXPECT_EQ(k[0], z[2].Kunde);  // equal turnovers keep the file order
    EXPECT_EQ(1, info.AAnzahlAbs);
    EXPECT_EQ(1, info.BAnzahlAbs);
    EXPECT_EQ(2, info.CAnzahlAbs);
    EXPECT_DOUBLE_EQ(50, double(info.ASummeAbs));
    EXPECT_DOUBLE_EQ(30, double(info.BSummeAbs));
    EXPECT_DOUBLE_EQ(20, double(info.CSummeAbs));
    EXPECT_DOUBLE_EQ(0.5, double(info.ASummeRel));
    EXPECT_DOUBLE_EQ(0.3, double(info.BSummeRel));
    EXPECT_DOUBLE_EQ(0.2, double(info.CSummeRel));
    EXPECT_DOUBLE_EQ(0.25, double(info.AAnzahlRel));
    EXPECT_DOUBLE_EQ(0.25, double(info.BAnzahlRel));
    EXPECT_DOUBLE_EQ(0.5, double(info.CAnzahlRel));

    // Booked into the current indicator, all customers in one booking.
    EXPECT_EQ("CACB", Gebucht(k, "ABC-Kennzeichen (Aktuell)"));
    EXPECT_EQ("----", Gebucht(k, "ABC-Kennzeichen (Vergleich)"));
    EXPECT_EQ(buchungen + 1, Anzahl("BUCHUNG"));
}

TEST_F(ABCTest, ByTurnoverALimitReachedExactlyEndsTheGroup) {
    // Ten customers of 10,00: A 20 % is reached by two, B 30 % by three (shares that are
    // not exact in binary must not take a fourth).
    const auto k = Kunden(std::vector<double>(10, 10.0));
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    EXPECT_EQ(2, info.AAnzahlAbs);
    EXPECT_EQ(3, info.BAnzahlAbs);
    EXPECT_EQ(5, info.CAnzahlAbs);
    EXPECT_EQ("AABBBCCCCC", Gebucht(k, "ABC-Kennzeichen (Aktuell)"));

    // Cents: 0,10 + 0,20 of 1,00 is exactly 30 %.
    KisuSchreiben({{k[0], 0.2}, {k[1], 0.1}, {k[2], 0.7}});
    info = Wahl(TABCBezug::bezUmsatz, 70, 30, TABCTyp::abcOhne);
    std::vector<TABCPosten> z;
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info, &z));
    EXPECT_EQ("ABB", Klassen(z));
}

TEST_F(ABCTest, ByCountTheGroupSizesAreRoundedHalfToEven) {
    // 7 customers, A 20 %: Round(1,4) = 1; B 30 %: Round(2,1) = 2; C the other 4.
    const auto k = Kunden({70, 10, 60, 20, 50, 30, 40});
    auto info = Wahl(TABCBezug::bezAnzahl, 20, 30, TABCTyp::abcVergleich);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    EXPECT_EQ(1, info.AAnzahlAbs);
    EXPECT_EQ(2, info.BAnzahlAbs);
    EXPECT_EQ(4, info.CAnzahlAbs);
    EXPECT_DOUBLE_EQ(70, double(info.ASummeAbs));
    EXPECT_DOUBLE_EQ(110, double(info.BSummeAbs));
    EXPECT_DOUBLE_EQ(100, double(info.CSummeAbs));
    EXPECT_DOUBLE_EQ(70.0 / 280, double(info.ASummeRel));
    EXPECT_DOUBLE_EQ(1.0 / 7, double(info.AAnzahlRel));
    EXPECT_EQ("ACBCBCC", Gebucht(k, "ABC-Kennzeichen (Vergleich)"));
    EXPECT_EQ("-------", Gebucht(k, "ABC-Kennzeichen (Aktuell)"));

    struct Fall {
        int n, a, b;
        int erwartetA, erwartetB;
    };
    // 5 × 50 % = 2,5 -> 2; 5 × 30 % = 1,5 -> 2; 5 × 70 % = 3,5 -> 4, which leaves one
    // customer for B; 10 × 25 % = 2,5 -> 2.
    for (const Fall& f : {Fall{5, 50, 30, 2, 2}, Fall{5, 70, 30, 4, 1}, Fall{10, 25, 25, 2, 2}, Fall{3, 0, 100, 0, 3}}) {
        std::vector<TABCPosten> kunden(size_t(f.n));
        for (int i = 0; i < f.n; ++i) kunden[size_t(i)] = {TIntPair(i + 1, 0), double(f.n - i), 'C'};
        auto wahl = Wahl(TABCBezug::bezAnzahl, f.a, f.b);
        ASSERT_EQ(TABCErgebnis::Fertig, ABCEinteilen(wahl, kunden));
        EXPECT_EQ(f.erwartetA, wahl.AAnzahlAbs) << f.n << " " << f.a;
        EXPECT_EQ(f.erwartetB, wahl.BAnzahlAbs) << f.n << " " << f.b;
        EXPECT_EQ(f.n - f.erwartetA - f.erwartetB, wahl.CAnzahlAbs);
    }
}

TEST_F(ABCTest, WithoutIndicatorNothingIsWrittenButTheGroupsAreReported) {
    const auto k = Kunden({50, 30, 10, 10});
    const int64_t buchungen = Anzahl("BUCHUNG"), definitionen = Anzahl("MERKMALDEF");
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30, TABCTyp::abcOhne);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    EXPECT_EQ(1, info.AAnzahlAbs);
    EXPECT_EQ(1, info.BAnzahlAbs);
    EXPECT_EQ(2, info.CAnzahlAbs);
    EXPECT_EQ(0, Anzahl("GPMERKMAL"));
    EXPECT_EQ(definitionen, Anzahl("MERKMALDEF"));
    EXPECT_EQ(buchungen, Anzahl("BUCHUNG"));
}

TEST_F(ABCTest, ARefusedFileOrChoiceWritesNothing) {
    const auto k = Kunden({50, 30, 10, 10});
    const int64_t buchungen = Anzahl("BUCHUNG"), definitionen = Anzahl("MERKMALDEF");
    auto pruefen = [&](TABCInfoRecord info, const char* fall) {
        SCOPED_TRACE(fall);
        EXPECT_EQ(TABCErgebnis::Designfehler, Klassifizieren(info));
        ErgebnisIstLeer(info);
        EXPECT_EQ(0, Anzahl("GPMERKMAL"));
        EXPECT_EQ(definitionen, Anzahl("MERKMALDEF"));
        EXPECT_EQ(buchungen, Anzahl("BUCHUNG"));
    };
    // The totals record is one cent off the customers' sum.
    KisuSchreiben({{k[0], 50}, {k[1], 30}, {k[2], 10}, {k[3], 10}}, 100.01);
    pruefen(Wahl(TABCBezug::bezUmsatz, 20, 30), "totals one cent off");
    pruefen(Wahl(TABCBezug::bezAnzahl, 20, 30), "totals one cent off, by count");
    // A file without a totals record.
    {
        kis::store::Tkisufile f;
        f.SetFileNameRel(TMerovaQuery::KisuFileName());
        f.OpenNew();
        f.ClearRecord();
        f.Feld("KUNDE").SetWert(k[0]);
        f.Feld("ART").SetWert(std::string("VK"));
        f.Feld("SELUMSATZ").SetWert(50.0);
        f.Insert();
        f.Close();
    }
    pruefen(Wahl(TABCBezug::bezUmsatz, 20, 30), "no totals record");

    // Shares that add up to more than 100, or lie outside 0..100, and values outside the
    // enumerations are refused before the file is read.
    KisuSchreiben({{k[0], 50}, {k[1], 30}, {k[2], 10}, {k[3], 10}});
    pruefen(Wahl(TABCBezug::bezUmsatz, 70, 50), "70 + 50");
    pruefen(Wahl(TABCBezug::bezUmsatz, -10, 30), "negative share");
    pruefen(Wahl(static_cast<TABCBezug>(7), 20, 30), "unknown reference");
    pruefen(Wahl(TABCBezug::bezUmsatz, 20, 30, static_cast<TABCTyp>(9)), "unknown indicator");
}

TEST_F(ABCTest, AFailingBookingLeavesNoLetterAndNoAttribute) {
    // The last customer of the file no longer exists as a business partner.
    const auto k = Kunden({50, 30});
    KisuSchreiben({{k[0], 50}, {k[1], 30}, {TIntPair(99, 0), 20}});
    const int64_t buchungen = Anzahl("BUCHUNG"), definitionen = Anzahl("MERKMALDEF");
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30);
    EXPECT_THROW(Klassifizieren(info), std::exception);
    ErgebnisIstLeer(info);
    EXPECT_EQ(0, Anzahl("GPMERKMAL"));
    EXPECT_EQ(definitionen, Anzahl("MERKMALDEF"));
    EXPECT_EQ(buchungen, Anzahl("BUCHUNG"));
}

TEST_F(ABCTest, ANewClassificationReplacesTheLettersAndReturnsCanLeadTheList) {
    // A customer with returns makes the total smaller than the best customer's turnover.
    const auto k = Kunden({120, -50, 30});
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30);
    std::vector<TABCPosten> z;
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info, &z));
    EXPECT_EQ("ABC", Klassen(z));
    EXPECT_EQ(k[1], z[2].Kunde);  // the returns come last
    EXPECT_EQ("ACB", Gebucht(k, "ABC-Kennzeichen (Aktuell)"));

    // Classified again by count with other shares: the same attribute gets the new letters.
    info = Wahl(TABCBezug::bezAnzahl, 0, 100);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    EXPECT_EQ("BBB", Gebucht(k, "ABC-Kennzeichen (Aktuell)"));
    EXPECT_EQ(3, Anzahl("GPMERKMAL"));
}

TEST_F(ABCTest, AnEmptyListGivesEmptyGroupsWithoutDividingByZero) {
    KisuSchreiben({});
    auto info = Wahl(TABCBezug::bezUmsatz, 20, 30);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    ErgebnisIstLeer(info);
    // Turnovers that add up to zero: no share can be reached, everyone is in C.
    const auto k = Kunden({0, 0});
    info = Wahl(TABCBezug::bezUmsatz, 20, 30, TABCTyp::abcOhne);
    ASSERT_EQ(TABCErgebnis::Fertig, Klassifizieren(info));
    EXPECT_EQ(2, info.CAnzahlAbs);
    EXPECT_EQ(0.0L, info.CSummeRel);
    EXPECT_DOUBLE_EQ(1.0, double(info.CAnzahlRel));
}

}  // namespace
