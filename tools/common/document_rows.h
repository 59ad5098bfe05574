#pragma once
// Writes the rows a booked document consists of: its index record (running-number file),
// positions, payment records with their ledger bookings, open items and the day closings of
// its branch. Keys follow the document-number model: RNR = BELEGLNR = branch, LNR = running
// number within the branch, BELEGRNR = receipt or invoice number. Amounts are in cents.
#include <cstdint>
#include <string>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"
#include "table.h"

namespace kis::suitedata {

struct DocumentHead {
    TIntPair mandant;
    TIntPair customer;
    const char* kind = "BO";  // "BO" receipt, "RG" invoice, "LS", "AN"
    int branch = 0;           // RNR and BELEGLNR
    int lnr = 0;              // running number within the branch
    int number = 0;           // BELEGRNR
    TDateTime date = 0;
};

struct PositionRow {
    int posnr = 0;
    std::string kind = "A9";  // "A9", "SO", "RS", "GS"
    TInt32Trio article;
    int size = 0;
    std::string vkkz = "0";   // "0" sale, "1" return, "2" cancellation
    int64_t ist = 0, soll = 0, redSoll = 0, discount = 0;
    int quantity = 0;
    TDateTime date = 0;
    TInt32Trio bonus1, bonus2;  // bonus marks ("BN") of a position settled for a bonus
};

class DocumentRows {
public:
    void Index(const DocumentHead& d, int64_t totalCents);
    void Position(const DocumentHead& d, const PositionRow& p);
    // A payment record (kind "Z"; a negative amount is paid out, kind "S") and its ledger
    // booking. Payment and ledger positions count from 1 per document (see StartDocument).
    void Payment(const DocumentHead& d, const char* code, const char* account, int64_t cents,
                 const std::string& voucher = {});
    void Ledger(const DocumentHead& d, const char* account, int64_t cents);
    // Restarts the payment and ledger position numbers for the next document.
    void StartDocument() { zmPos_ = guvPos_ = 0; }
    void OpenItem(const TIntPair& mandant, const TIntPair& customer, const std::string& table,
                  bool open, TDateTime date, int64_t first, int64_t second, int rnr, int lnr,
                  int snr, const std::string& refText);
    // Day closing of one branch and day: first and last running number (last 0 = still open).
    void DayClosing(const TIntPair& mandant, int branch, int day, int first, int last);

private:
    int zmPos_ = 0, guvPos_ = 0;
    Table lfnr_{"LFNR"};
    TDatenfeld &lMandant = lfnr_.F("MANDANT"), &lCustomer = lfnr_.F("KUNDE"),
               &lKind = lfnr_.F("BELEGART"), &lBelegLnr = lfnr_.F("BELEGLNR"),
               &lBelegRnr = lfnr_.F("BELEGRNR"), &lRnr = lfnr_.F("RNR"), &lLnr = lfnr_.F("LNR"),
               &lDate = lfnr_.F("DATUM"), &lSum = lfnr_.F("SUMME");
    Table lst_{"LST"};
    TDatenfeld &pMandant = lst_.F("MANDANT"), &pRnr = lst_.F("RNR"), &pLnr = lst_.F("LNR"),
               &pPos = lst_.F("POSNR"), &pKind = lst_.F("ART"), &pDate = lst_.F("DATUM"),
               &pBranch = lst_.F("FILIALE"), &pArticle = lst_.F("ARTIKELNR"),
               &pSize = lst_.F("GROESSE"), &pVkkz = lst_.F("VKKZ"), &pIst = lst_.F("ISTVK"),
               &pSoll = lst_.F("SOLLVK"), &pRedSoll = lst_.F("REDSOLLVK"),
               &pDiscount = lst_.F("NACHLASS"), &pQuantity = lst_.F("MENGE"),
               &pMark1Kind = lst_.F("BONUS1ART"), &pMark1 = lst_.F("BONUS1"),
               &pMark2Kind = lst_.F("BONUS2ART"), &pMark2 = lst_.F("BONUS2");
    Table zm_{"ZM"};
    TDatenfeld &zMandant = zm_.F("MANDANT"), &zRnr = zm_.F("RNR"), &zLnr = zm_.F("LNR"),
               &zPos = zm_.F("POSNR"), &zCode = zm_.F("ZMKZ"), &zAccount = zm_.F("KONTO"),
               &zAmount = zm_.F("BETRAG"), &zKind = zm_.F("ART"), &zVoucher = zm_.F("GUTSCHEINNR"),
               &zDate = zm_.F("DATUM");
    Table guv_{"GUV"};
    TDatenfeld &gMandant = guv_.F("MANDANT"), &gRnr = guv_.F("RNR"), &gLnr = guv_.F("LNR"),
               &gPos = guv_.F("POSNR"), &gAccount = guv_.F("KONTO"), &gAmount = guv_.F("BETRAG"),
               &gDate = guv_.F("DATUM");
    Table op_{"OP"};
    Table kv_{"KV"};
};

// "%.4d%.9d" of a branch and document number (reference texts of open items).
std::string RefText(int left, int right);

}  // namespace kis::suitedata
