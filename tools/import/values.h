#pragma once
// Reading the values of import files: decimal numbers as exact cents, whole numbers, customer
// and article numbers, yes/no flags and dates (fixed forms or a date-time format pattern).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/datetime.h"
#include "platform/base/keys.h"

namespace kis::import {

// A decimal number as digits and decimal places: 12.345 = {12345, 3}.
struct Decimal {
    int64_t units = 0;
    int scale = 0;
};

// Reads "-12,50", "12.5", "3": an optional sign, digits and one decimal separator (at most
// 9 decimal places). `decimal` is '.', ',' or 0 (either one).
bool ParseDecimal(std::string_view text, char decimal, Decimal& out);
// The amount in cents, rounded half to even; false when the value does not fit.
bool ToCents(const Decimal& value, int64_t& cents);
// quantity × unit price in cents, rounded half to even.
bool LineCents(int64_t quantity, const Decimal& unitPrice, int64_t& cents);
// Rounds value / 10^scale to a whole number, half to even.
int64_t RoundHalfEven(int64_t value, int scale);

// A whole number; also written as a decimal with only zeros after the separator ("17850.0").
bool ParseWhole(std::string_view text, int64_t& out);
// A customer number: "17850", "17850.0" or the pair form "17850/0". Left part must be > 0.
bool ParseCustomerNumber(std::string_view text, TIntPair& out);
// "J"/"N", "ja"/"nein", "1"/"0", "true"/"false" (case ignored); empty = `fallback`.
bool ParseFlag(std::string_view text, bool fallback, bool& out);

// Dates without a pattern: "dd.MM.yyyy" or "yyyy-MM-dd", optionally followed by a time
// "HH:mm" or "HH:mm:ss" (separated by a blank or "T").
bool ParseDate(std::string_view text, TDateTime& out);
// Dates by a date-time pattern: d dd M MM yy yyyy H HH h hh m mm s ss, other characters literal,
// text in single quotes literal. Two-digit years are 2000 + yy.
bool ParseDateByFormat(std::string_view text, std::string_view format, TDateTime& out);
// Checks a pattern: it must contain a day, a month and a year.
bool IsDateFormat(std::string_view format);

std::string Trim(std::string_view text);
std::string Lower(std::string_view text);

}  // namespace kis::import
