#pragma once
// A value handed to a field as filter bound, key or new content; converts from every type the
// record files know. The field decides how it is stored.
#include <cstdint>
#include <string>

#include "platform/base/keys.h"

namespace kis::store {

struct FieldValue {
    int64_t n[3] = {0, 0, 0};
    double d = 0;
    std::string s;
    bool isText = false;
    bool isReal = false;

    FieldValue() = default;
    FieldValue(int v) : n{v, 0, 0}, d(v) {}
    FieldValue(int64_t v) : n{v, 0, 0}, d(double(v)) {}
    FieldValue(bool v) : n{v ? 1 : 0, 0, 0}, d(v ? 1 : 0) {}
    FieldValue(double v) : n{int64_t(v), 0, 0}, d(v), isReal(true) {}
    FieldValue(long double v) : FieldValue(double(v)) {}
    FieldValue(const char* v) : s(v), isText(true) {}
    FieldValue(std::string v) : s(std::move(v)), isText(true) {}
    FieldValue(const TIntPair& v) : n{v.Lnr, v.Rnr, 0} {}
    FieldValue(const TInt32Trio& v) : n{v.Lnr, v.Rnr, v.Snr} {}
};

}  // namespace kis::store
