#pragma once
// Discount-coupon types: the user-defined payment means of class 2 whose variant is 1 or 2.
// A coupon programme stores the type's identifier.
#include <string>
#include <vector>

struct TCouponTyp {
    std::string Kennung;  // identifier (the payment means' short code)
    std::string Name;
};

class TCouponTypen {
public:
    static std::vector<TCouponTyp> Liste();
};
