// The tiny demo database holds every kind of record the evaluation and the bonus functions
// read, follows the document-number model, and keeps each bonus consistent in its four places.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "demo_test_support.h"
#include "platform/base/datetime.h"
#include "platform/bonus/bonus_tabellen.h"
#include "platform/store/database.h"
#include "platform/accounting/zm_tabelle.h"
#include "platform/tables/bonus_typen.h"
#include "platform/tables/phasen.h"

using kis::demo_test::ForEach;
using kis::store::TQEL_DBFile;

namespace {

const double kToday = kis::date::EncodeDate(2024, 6, 15);

class DemoContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new kis::demo_test::TempFolder;
        const std::string path = folder_->Path("tiny.kis");
        const auto r = kis::demo_test::RunDemo("--db='" + path + "' --size=tiny --today=2024-06-15");
        ASSERT_EQ(r.exitCode, 0) << r.err;
        db_ = kis::store::Database::OpenSuite(path).release();
    }
    static void TearDownTestSuite() {
        delete db_;
        delete folder_;
    }
    void SetUp() override { kis::store::SetSuiteDb(db_); }
    void TearDown() override { kis::store::SetSuiteDb(nullptr); }

    // The distinct values of one text field.
    static std::set<std::string> Values(const std::string& table, const std::string& field) {
        std::set<std::string> out;
        ForEach(table, [&](TQEL_DBFile& f) { out.insert(f.Feld(field).AsString()); });
        return out;
    }
    static std::string Ref(TQEL_DBFile& f, const char* a = "RNR", const char* b = "LNR",
                           const char* c = "SNR") {
        return f.Feld(a).AsString() + "-" + f.Feld(b).AsString() + "-" + f.Feld(c).AsString();
    }

    static inline kis::demo_test::TempFolder* folder_ = nullptr;
    static inline kis::store::Database* db_ = nullptr;
};

bool Contains(const std::set<std::string>& s, std::initializer_list<const char*> want) {
    for (const char* w : want)
        if (!s.count(w)) return false;
    return true;
}

}  // namespace

TEST_F(DemoContent, HoldsEveryKindTheEngineReads) {
    EXPECT_TRUE(Contains(Values("KULI", "ART"), {"B"}));
    EXPECT_TRUE(Contains(Values("LFNR", "BELEGART"), {"BO", "RG", "LS", "AN"}));
    EXPECT_TRUE(Contains(Values("LST", "ART"), {"A9", "SO", "RS", "GS"}));
    EXPECT_TRUE(Contains(Values("LST", "VKKZ"), {"0", "1", "2"}));
    const auto phases = Values("ATK", "PHASE");
    for (int phase : {13, 14, 17, 26, 29}) EXPECT_TRUE(phases.count(CPhase(phase))) << phase;
    EXPECT_TRUE(Contains(Values("OP", "TABELLE"), {"A-RECHNUNG", "A-GUTSCHEI", "A-GUTSCHRI", "KREDIT",
                                                    "AUSWAHL", "RESERV", "ANZAHLUNG", "BONUS", "RSCHEIN"}));
    EXPECT_TRUE(Contains(Values("OP", "STATUS"), {"O", "A"}));
    const auto types = Values("BETA", "TYP");
    for (int kind = 1; kind <= 5; ++kind) EXPECT_TRUE(types.count(CBonuTypen2Kuerzel(kind))) << kind;
    // Every programme (kinds 2 to 5) comes with its selection record.
    std::set<std::string> mains, selections;
    ForEach("BETA", [&](TQEL_DBFile& f) {
        if (f.Feld("TYP").AsString() == CBonuTypen2Kuerzel(1)) return;
        (f.Feld("NR").AsInt() == 0 ? mains : selections).insert(f.Feld("TYP").AsString() + "/" + f.Feld("NAME").AsString());
    });
    EXPECT_EQ(mains, selections);
    for (const auto& code : Values("ZM", "ZMKZ")) EXPECT_GT(ZM_Kuerzel_2_Index(code), 0) << code;
    EXPECT_TRUE(Contains(Values("KONTO", "KONTOART"), {"137", "140", "141", "142", "143", "144", "145"}));
    EXPECT_EQ(Values("MANDANT", "NR").size(), 2u);
    EXPECT_TRUE(Contains(Values("GEP", "STATUS"), {"A", "P"}));

    // Returns carry negative quantity and value; anonymous customers begin with "{".
    int returns = 0, anonymous = 0;
    ForEach("LST", [&](TQEL_DBFile& f) {
        if (f.Feld("MENGE").AsInt() < 0 && f.Feld("ISTVK").AsFloat() < 0) ++returns;
    });
    ForEach("GEP", [&](TQEL_DBFile& f) { anonymous += f.Feld("NAME").AsString().rfind("{", 0) == 0; });
    EXPECT_GT(returns, 0);
    EXPECT_GT(anonymous, 0);

    // Voucher redemptions: payment on an account of a class-1 payment means, with a number.
    std::set<std::string> voucherAccounts, accounts137;
    ForEach("ZAHLUNGSMITTEL", [&](TQEL_DBFile& f) {
        if (f.Feld("SELEKTORART").AsInt() == 1) voucherAccounts.insert(f.Feld("KONTO").AsString());
    });
    ForEach("KONTO", [&](TQEL_DBFile& f) {
        if (f.Feld("KONTOART").AsInt() == 137) accounts137.insert(f.Feld("KONTO").AsString());
    });
    int redemptions = 0, paidOut = 0, ledger137 = 0;
    ForEach("ZM", [&](TQEL_DBFile& f) {
        redemptions += voucherAccounts.count(f.Feld("KONTO").AsString()) && !f.Feld("GUTSCHEINNR").AsString().empty();
        paidOut += f.Feld("ART").AsString() == "S";
    });
    ForEach("GUV", [&](TQEL_DBFile& f) { ledger137 += accounts137.count(f.Feld("KONTO").AsString()) > 0; });
    EXPECT_GT(redemptions, 0);
    EXPECT_GT(paidOut, 0);
    EXPECT_GT(ledger137, 0);

    std::map<std::string, std::string> params, system;
    ForEach("PARAMETER", [&](TQEL_DBFile& f) { params[f.Feld("NAME").AsString()] = f.Feld("WERT").AsString(); });
    ForEach("EINSTELLUNG", [&](TQEL_DBFile& f) {
        if (f.Feld("MASKE").AsString() == "SYSTEM") system[f.Feld("NAME").AsString()] = f.Feld("WERT").AsString();
    });
    EXPECT_EQ(params["MANDKUND"], "N");
    EXPECT_TRUE(params.count("BONUNUAB") && params.count("BONUAUAB"));
    EXPECT_EQ(system["RTYP"], "1");
    EXPECT_EQ(system["RID"], "1");
    EXPECT_TRUE(system.count("KUNDENKENNUNG") && system["KUNDENKENNUNG"].empty());
    EXPECT_EQ(system["LAND"], "D");
}

TEST_F(DemoContent, DocumentsFollowTheNumberModelAndDayClosings) {
    // Day closings: (branch, day) -> [first, last]; last 0 = still open.
    std::map<std::pair<int, int>, std::pair<int, int>> closings;
    ForEach("KV", [&](TQEL_DBFile& f) {
        closings[{f.Feld("FILIALE").AsInt(), int(f.Feld("DATUM").AsFloat())}] = {f.Feld("ERSTNR").AsInt(),
                                                                                 f.Feld("LETZTNR").AsInt()};
    });
    int openDays = 0;
    for (const auto& [key, range] : closings) openDays += range.second == 0;
    EXPECT_GT(openDays, 0) << "today's closings stay open";

    std::set<std::string> documentKeys;
    int checked = 0;
    ForEach("LFNR", [&](TQEL_DBFile& f) {
        const int rnr = f.Feld("RNR").AsInt(), lnr = f.Feld("LNR").AsInt();
        EXPECT_EQ(rnr, f.Feld("BELEGLNR").AsInt());
        EXPECT_TRUE(documentKeys.insert(std::to_string(rnr) + "/" + std::to_string(lnr)).second);
        const auto it = closings.find({rnr, int(f.Feld("DATUM").AsFloat())});
        ASSERT_NE(it, closings.end());
        EXPECT_GE(lnr, it->second.first);
        if (it->second.second) {
            EXPECT_LE(lnr, it->second.second);
        }
        ++checked;
    });
    EXPECT_GT(checked, 300);
    // Every open transaction has positions under its own document key.
    std::set<std::string> positionKeys;
    ForEach("LST", [&](TQEL_DBFile& f) {
        positionKeys.insert(f.Feld("RNR").AsString() + "/" + f.Feld("LNR").AsString());
    });
    ForEach("ATK", [&](TQEL_DBFile& f) {
        EXPECT_TRUE(positionKeys.count(f.Feld("RNR").AsString() + "/" + f.Feld("LNR").AsString()));
    });
}

TEST_F(DemoContent, EachBonusIsConsistentInItsFourPlaces) {
    struct Service { std::string status, used; };
    std::map<std::string, Service> services;
    ForEach("DIENST", [&](TQEL_DBFile& f) {
        services[Ref(f)] = {f.Feld("STATUS").AsString(), f.Feld("VERWENDET").AsString()};
    });
    struct Item { std::string status, table; double amount; std::string customer; };
    std::map<std::string, Item> items;
    ForEach("OP", [&](TQEL_DBFile& f) {
        const std::string table = f.Feld("TABELLE").AsString();
        if (table == "BONUS" || table == "RSCHEIN")
            items[Ref(f)] = {f.Feld("STATUS").AsString(), table,
                             f.Feld("BETRAG2").AsFloat() - f.Feld("BETRAG1").AsFloat(),
                             f.Feld("KUNDE").AsString()};
    });
    std::map<std::string, int> markedPositions;
    ForEach("LST", [&](TQEL_DBFile& f) {
        for (const char* mark : {"BONUS1", "BONUS2"})
            if (f.Feld(std::string(mark) + "ART").AsString() == "BN") {
                const auto t = f.Feld(mark).AsTrio();
                ++markedPositions[std::to_string(t.Lnr) + "-" + std::to_string(t.Rnr) + "-" + std::to_string(t.Snr)];
            }
    });

    std::set<std::string> states;
    int bonuses = 0;
    ForEach("BONUS", [&](TQEL_DBFile& f) {
        ++bonuses;
        const std::string ref = Ref(f), status = f.Feld("STATUS").AsString();
        const std::string id = f.Feld("PROGRAMMID").AsString();
        const bool coupon = id == "BONUSRABS" || id == "RSCHEMANU";
        ASSERT_TRUE(services.count(ref)) << ref;
        const Service& s = services[ref];
        EXPECT_EQ(s.status, status) << ref;
        if (s.used.empty()) {
            ASSERT_TRUE(items.count(ref)) << "unused bonus without open item " << ref;
            EXPECT_EQ(items[ref].status, status) << ref;
            EXPECT_EQ(items[ref].table, coupon ? "RSCHEIN" : "BONUS") << ref;
            EXPECT_NEAR(items[ref].amount, f.Feld("WERT").AsFloat(), 0.005) << ref;
            EXPECT_EQ(items[ref].customer, f.Feld("KUNDE").AsString()) << ref;
        } else {
            EXPECT_FALSE(items.count(ref)) << "used bonus still has an open item " << ref;
        }
        const bool manual = f.Feld("ART").AsString() == "BM";
        EXPECT_EQ(manual, markedPositions[ref] == 0) << "marks of " << ref;

        if (manual) states.insert("manual");
        if (coupon) states.insert("coupon");
        if (s.used.empty() && status == "O") states.insert("open");
        if (s.used.empty() && status == "A") states.insert("closed");
        if (!s.used.empty()) states.insert(s.used);
        const double valid = f.Feld("GUELTIGBIS").AsFloat();
        if (valid > 0 && valid < kToday) states.insert("expired");
        if (id == "BONUSPASS" && status == "O" && f.Feld("LAENGE").AsInt() < 10) states.insert("pass");
        if (id == "BONUSUMZR") states.insert("period");
    });
    EXPECT_GT(bonuses, 10);
    for (const char* s : {"open", "closed", "KASSE", "ZURUECKGEZ", "manual", "expired", "coupon", "pass", "period"})
        EXPECT_TRUE(states.count(s)) << "no bonus in state " << s;
    // No mark names a bonus that does not exist.
    for (const auto& [ref, n] : markedPositions) EXPECT_TRUE(services.count(ref)) << ref;
}

// The demo's bonuses come from the program's own generation and booking: each generated
// bonus carries its items with their bonuses, and its value is their sum (a period premium
// may add its extra bonus of 10,00); a new generation over the same sales finds every
// bonified position settled.
TEST_F(DemoContent, GeneratedBonusesAreTheSumOfTheirItems) {
    int checked = 0, periods = 0;
    ForEach("BONUS", [&](TQEL_DBFile& f) {
        if (f.Feld("ART").AsString() == "BM") return;
        const auto items = TBonusTabellen::ItemsAusText(f.Feld("TEXT").AsString());
        ASSERT_EQ(int(items.size()), f.Feld("LAENGE").AsInt()) << Ref(f);
        int64_t summe = 0;
        for (const auto& it : items) {
            ASSERT_TRUE(it.Bonus.has_value()) << Ref(f);
            summe += std::llround(double(*it.Bonus) * 100);
        }
        const int64_t wert = std::llround(f.Feld("WERT").AsFloat() * 100);
        if (f.Feld("PROGRAMMID").AsString() == "BONUSUMZR") {
            EXPECT_TRUE(wert == summe || wert == summe + 1000) << Ref(f) << " " << wert << " " << summe;
            ++periods;
        } else {
            EXPECT_EQ(wert, summe) << Ref(f);
        }
        ++checked;
    });
    EXPECT_GT(checked, 10);
    EXPECT_GT(periods, 0);
}
