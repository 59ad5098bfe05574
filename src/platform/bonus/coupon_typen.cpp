#include "platform/bonus/coupon_typen.h"

#include "platform/store/database.h"

std::vector<TCouponTyp> TCouponTypen::Liste() {
    std::vector<TCouponTyp> out;
    auto& st = kis::store::SuiteDb().Cached(
        "SELECT KUERZEL, BEZEICHNUNG FROM ZAHLUNGSMITTEL WHERE SELEKTORART = 2 AND VARIANTE IN (1, 2) ORDER BY NR");
    while (st.Step()) out.push_back({st.ColumnText(0), st.ColumnText(1)});
    st.Reset();
    return out;
}
