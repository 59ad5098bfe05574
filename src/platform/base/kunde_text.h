#pragma once
// A customer key as the grids carry it in their text field "KUNDE". The text holds both halves
// in full ("left/right"), so no 32-bit number is ever cut. Older texts without the separator
// (four digits left, seven digits right, padded with "0" on the left to 11 characters) are
// still read; a bad half reads as 0.
#include <string>

#include "platform/base/keys.h"

namespace kis::keys {

std::string KundeAlsText(const TIntPair& kunde);
TIntPair KundeAusText(const std::string& text);

// The totals record of a result file has the key 0/0; every other key is a customer.
inline bool IstSummenSchluessel(const TIntPair& kunde) { return kunde.IsNull(); }

}  // namespace kis::keys
