#include "document_rows.h"

#include <cstdio>
#include <cstdlib>

namespace kis::suitedata {

std::string RefText(int left, int right) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4d%.9d", left, right);
    return buf;
}

void DocumentRows::Index(const DocumentHead& d, int64_t totalCents) {
    lfnr_.Clear();
    lMandant.SetWert(d.mandant);
    lCustomer.SetWert(d.customer);
    lKind.SetWert(d.kind);
    lBelegLnr.SetWert(d.branch);
    lBelegRnr.SetWert(d.number);
    lRnr.SetWert(d.branch);
    lLnr.SetWert(d.lnr);
    lDate.SetWert(d.date);
    lSum.SetWert(Euro(totalCents));
    lfnr_.Insert();
}

void DocumentRows::Position(const DocumentHead& d, const PositionRow& p) {
    lst_.Clear();
    pMandant.SetWert(d.mandant);
    pRnr.SetWert(d.branch);
    pLnr.SetWert(d.lnr);
    pPos.SetWert(p.posnr);
    pKind.SetWert(p.kind);
    pDate.SetWert(p.date);
    pBranch.SetWert(d.branch);
    pArticle.SetWert(p.article);
    pSize.SetWert(p.size);
    pVkkz.SetWert(p.vkkz);
    pIst.SetWert(Euro(p.ist));
    pSoll.SetWert(Euro(p.soll));
    pRedSoll.SetWert(Euro(p.redSoll));
    pDiscount.SetWert(Euro(p.discount));
    pQuantity.SetWert(p.quantity);
    if (p.bonus1.IsDefined()) {
        pMark1Kind.SetWert("BN");
        pMark1.SetWert(p.bonus1);
    }
    if (p.bonus2.IsDefined()) {
        pMark2Kind.SetWert("BN");
        pMark2.SetWert(p.bonus2);
    }
    lst_.Insert();
}

void DocumentRows::Payment(const DocumentHead& d, const char* code, const char* account,
                           int64_t cents, const std::string& voucher) {
    zm_.Clear();
    zMandant.SetWert(d.mandant);
    zRnr.SetWert(d.branch);
    zLnr.SetWert(d.lnr);
    zPos.SetWert(++zmPos_);
    zCode.SetWert(code);
    zAccount.SetWert(account);
    zAmount.SetWert(Euro(std::llabs(cents)));
    zKind.SetWert(cents < 0 ? "S" : "Z");
    zVoucher.SetWert(voucher);
    zDate.SetWert(d.date);
    zm_.Insert();
    Ledger(d, account, cents);
}

void DocumentRows::Ledger(const DocumentHead& d, const char* account, int64_t cents) {
    guv_.Clear();
    gMandant.SetWert(d.mandant);
    gRnr.SetWert(d.branch);
    gLnr.SetWert(d.lnr);
    gPos.SetWert(++guvPos_);
    gAccount.SetWert(account);
    gAmount.SetWert(Euro(cents));
    gDate.SetWert(d.date);
    guv_.Insert();
}

void DocumentRows::OpenItem(const TIntPair& mandant, const TIntPair& customer,
                            const std::string& table, bool open, TDateTime date, int64_t first,
                            int64_t second, int rnr, int lnr, int snr, const std::string& refText) {
    op_.Clear();
    op_.F("MANDANT").SetWert(mandant);
    op_.F("KUNDE").SetWert(customer);
    op_.F("TABELLE").SetWert(table);
    op_.F("STATUS").SetWert(open ? "O" : "A");
    op_.F("DATUM").SetWert(date);
    op_.F("BETRAG1").SetWert(Euro(first));
    op_.F("BETRAG2").SetWert(Euro(second));
    op_.F("RNR").SetWert(rnr);
    op_.F("LNR").SetWert(lnr);
    op_.F("SNR").SetWert(snr);
    op_.F("REFTEXT").SetWert(refText);
    op_.Insert();
}

void DocumentRows::DayClosing(const TIntPair& mandant, int branch, int day, int first, int last) {
    kv_.Clear();
    kv_.F("MANDANT").SetWert(mandant);
    kv_.F("FILIALE").SetWert(branch);
    kv_.F("DATUM").SetWert(double(day));
    kv_.F("ERSTNR").SetWert(first);
    kv_.F("LETZTNR").SetWert(last);
    kv_.Insert();
}

}  // namespace kis::suitedata
