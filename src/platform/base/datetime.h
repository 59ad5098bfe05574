#pragma once
// The platform's date-time value: days since 1899-12-30 with the time of day as fraction.
// Stored as REAL in the database so that it compares and indexes natively.
#include <cstdint>
#include <string>

using TDateTime = double;

namespace kis::date {

// Days since 1899-12-30 for a civil date; no validation (see IsValidDate).
int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(int64_t days, int& year, int& month, int& day);
bool IsValidDate(int year, int month, int day);

// A date-time from its parts; 0 when the date is not valid.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms = 0);
void DecodeDate(TDateTime value, int& year, int& month, int& day);

// The whole days of a value (time stripped).
inline TDateTime DateOf(TDateTime value) {
    return value >= 0 ? double(int64_t(value)) : -double(int64_t(-value));
}

// Local wall-clock now.
TDateTime Now();

// "YYYY-MM-DD" for logs and CSV.
std::string ToIso(TDateTime value);

}  // namespace kis::date
