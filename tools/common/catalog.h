#pragma once
// Fixed codes of the suite data the tools write (demo data, imports): client companies,
// phases of open transactions, accounts, payment means, open-item tables and bonus programme
// ids. Where a platform table is still missing (bonus types, payment-means codes) the tools
// keep their own small table here,
// so there is one place to align once the platform's tables exist.
#include <array>
#include <cstdint>
#include <string>

#include "platform/base/keys.h"
#include "platform/tables/phasen.h"

namespace kis::suitedata {

inline constexpr TIntPair kMandant1{1, 0};
inline constexpr TIntPair kMandant2{2, 0};
// Branch numbers are unique over both companies (payment, ledger and open-item keys carry no
// company), so company 2 starts its branches here.
inline constexpr int kFirstBranchMandant2 = 51;
// Customer numbers start here; the pair is (number, 0).
inline constexpr int kFirstCustomerNumber = 10001;
// Workstation number under which the demo's bonus bookings run.
inline constexpr int kDemoWorkstation = 1;

// Phases of open transactions come from the platform's phase table (numbered from 1), so
// the evaluation finds them by the same codes; `side` 2 means the customer is the second party.
struct Phase {
    std::string code;
    int side;
};
inline Phase PhaseByNumber(int n) { return {CPhase(n), CMand_SV_Seite(n)}; }
// The phases the evaluation reads, and some it must skip.
inline constexpr std::array<int, 5> kReadPhases = {13, 14, 17, 26, 29};
inline constexpr std::array<int, 3> kSkippedPhases = {15, 16, 18};

// Accounts (per client company): short code, text, account kind, index in the platform's
// payment-means table.
struct Account {
    const char* code;
    const char* text;
    int kind;
    int zmIndex;
};
inline constexpr std::array<Account, 15> kAccounts = {{
    {"1000", "Kasse", 1, 1},
    {"1360", "EC-Karte", 1, 3},
    {"1361", "Kreditkarte", 1, 4},
    {"1400", "Forderungen aus Lieferungen", 2, 7},
    {"1700", "Gutscheine", 137, 0},
    {"1710", "Partnergutscheine", 0, 0},
    {"1740", "Bonus Umsatzprämie", 140, 0},
    {"1741", "Bonus Prämienpass", 141, 0},
    {"1742", "Bonus manuell", 142, 0},
    {"1743", "Rabattscheine", 143, 0},
    {"1744", "Bonus Zeitraumprämie", 144, 0},
    {"1745", "Bonus Kasse", 145, 0},
    {"8400", "Erlöse 19 % USt", 0, 0},
    {"8300", "Erlöse 7 % USt", 0, 0},
    {"8200", "Erlösschmälerungen", 0, 0},
}};
inline constexpr const char* kRevenueAccount = "8400";
inline constexpr const char* kVoucherAccount = "1700";   // kind 137
inline constexpr const char* kPartnerVoucherAccount = "1710";

// Payment-means codes of payment records (codes of the platform's payment-means table), with
// the account each books to.
struct PaymentCode {
    const char* code;
    const char* account;
};
inline constexpr PaymentCode kCash{"BAR", "1000"};
inline constexpr PaymentCode kDebitCard{"EC", "1360"};
inline constexpr PaymentCode kCreditCard{"KREDIT", "1361"};
inline constexpr PaymentCode kOnAccount{"RECHNUNG", "1400"};
inline constexpr PaymentCode kVoucher{"GUTSCHEIN", "1700"};
inline constexpr PaymentCode kPartnerVoucher{"GUTSCHEIN", "1710"};

// User-defined payment means: class 1 vouchers, class 2 discount coupons (variant 1 percent,
// 2 amount), class 3 others.
struct UserPaymentMeans {
    int nr;
    const char* code;
    const char* text;
    int selector;
    int variant;
    const char* account;
};
inline constexpr std::array<UserPaymentMeans, 5> kUserPaymentMeans = {{
    {1, "GUTSCHEIN", "Geschenkgutschein", 1, 0, "1700"},
    {2, "PARTNERGS", "Partnergutschein", 1, 0, "1710"},
    {3, "RS10", "Rabattschein 10 %", 2, 1, "1743"},
    {4, "RS5E", "Rabattschein 5 EUR", 2, 2, "1743"},
    {5, "KUNDKARTE", "Kundenkarte", 3, 0, "1000"},
}};

// Open-item tables.
inline constexpr const char* kOpInvoice = "A-RECHNUNG";
inline constexpr const char* kOpVoucher = "A-GUTSCHEI";
inline constexpr const char* kOpCreditNote = "A-GUTSCHRI";
inline constexpr const char* kOpCredit = "KREDIT";
inline constexpr const char* kOpApproval = "AUSWAHL";
inline constexpr const char* kOpReservation = "RESERV";
inline constexpr const char* kOpDeposit = "ANZAHLUNG";
inline constexpr const char* kOpBonus = "BONUS";
inline constexpr const char* kOpCoupon = "RSCHEIN";

// Bonus programme type keys (kinds 1 to 5) and the ids of manual grants.
inline constexpr const char* kRuleType = "GRUNDTAB";
inline constexpr const char* kPassType = "BONUSPASS";
inline constexpr const char* kTurnoverType = "BONUSUMSA";
inline constexpr const char* kCouponType = "BONUSRABS";
inline constexpr const char* kPeriodType = "BONUSUMZR";
inline constexpr const char* kManualBonus = "BONUSMANU";
inline constexpr const char* kManualCoupon = "RSCHEMANU";

}  // namespace kis::suitedata

namespace kis::demo {
using namespace kis::suitedata;
}  // namespace kis::demo
