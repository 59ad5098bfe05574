#include "platform/base/datetime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace kis::date {

namespace {
// 1899-12-30 relative to 1970-01-01.
constexpr int64_t kEpochOffset = 25569;

// Howard Hinnant's civil-date algorithms, shifted to the platform epoch.
int64_t DaysFromCivilUnix(int y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}
}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
    return DaysFromCivilUnix(year, unsigned(month), unsigned(day)) + kEpochOffset;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    int64_t z = days - kEpochOffset + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = int64_t(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(y + (month <= 2));
}

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int dim = kDays[month - 1];
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && leap) dim = 29;
    return day <= dim;
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) return 0;
    return double(DaysFromCivil(year, month, day));
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int ms) {
    const TDateTime d = EncodeDate(year, month, day);
    if (d == 0) return 0;
    return d + (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + ms) / 86400000.0;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    CivilFromDays(int64_t(std::floor(value)), year, month, day);
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec, ms);
}

std::string ToIso(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

}  // namespace kis::date
