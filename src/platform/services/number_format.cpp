#include "platform/services/number_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace kis::services {

namespace {

struct Conversion {
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char letter = 0;
};

std::string FixedDigits(long double value, int precision) {
    char buf[128];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision);
    if (r.ec != std::errc()) throw std::out_of_range("Zahl zu groß für die Ausgabe");
    return std::string(buf, r.ptr);
}

// Removes the sign when nothing but zeros and separators remain ("-0,00" -> "0,00").
void DropNegativeZero(std::string& s) {
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
}

std::string German(long double value, int precision) {
    std::string plain = FixedDigits(value, precision);
    std::string sign;
    if (!plain.empty() && plain[0] == '-') {
        sign = "-";
        plain.erase(0, 1);
    }
    const size_t point = plain.find('.');
    const std::string intPart = plain.substr(0, point);
    std::string out = sign;
    for (size_t i = 0; i < intPart.size(); ++i) {
        if (i > 0 && (intPart.size() - i) % 3 == 0) out += '.';
        out += intPart[i];
    }
    if (point != std::string::npos) out += ',' + plain.substr(point + 1);
    DropNegativeZero(out);
    return out;
}

std::string Integer(long double value, int minDigits) {
    const int64_t v = RoundHalfEven(value);
    std::string digits = std::to_string(v < 0 ? -(v + 1) + uint64_t(1) : uint64_t(v));
    if (int(digits.size()) < minDigits) digits.insert(0, size_t(minDigits) - digits.size(), '0');
    return (v < 0 ? "-" : "") + digits;
}

}  // namespace

std::string FormatNumber(std::string_view format, long double value) {
    std::string out;
    bool converted = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Conversion c;
        size_t j = i + 1;
        if (j < format.size() && format[j] == '-') c.leftAlign = true, ++j;
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
            c.width = c.width * 10 + (format[j++] - '0');
        if (j < format.size() && format[j] == '.') {
            c.precision = 0;
            ++j;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
                c.precision = c.precision * 10 + (format[j++] - '0');
        }
        if (j >= format.size() || converted)
            throw std::invalid_argument("Ungültiges Zahlenformat: " + std::string(format));
        c.letter = format[j];
        std::string text;
        switch (c.letter) {
            case 'n': text = German(value, c.precision < 0 ? 2 : c.precision); break;
            case 'f':
                text = FixedDigits(value, c.precision < 0 ? 2 : c.precision);
                DropNegativeZero(text);
                break;
            case 'd': text = Integer(value, c.precision < 0 ? 1 : c.precision); break;
            default: throw std::invalid_argument("Ungültiges Zahlenformat: " + std::string(format));
        }
        if (int(text.size()) < c.width) {
            const std::string pad(size_t(c.width) - text.size(), ' ');
            text = c.leftAlign ? text + pad : pad + text;
        }
        out += text;
        converted = true;
        i = j;
    }
    if (!converted) throw std::invalid_argument("Ungültiges Zahlenformat: " + std::string(format));
    return out;
}

int64_t RoundHalfEven(long double value) {
    // 2^63 is exactly representable; the valid range is [-2^63, 2^63).
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!std::isfinite(value))
        throw std::out_of_range("Ungültige Zahl beim Runden");
    const long double lower = std::floor(value);
    const long double diff = value - lower;
    long double r = lower;
    if (diff > 0.5L || (diff == 0.5L && std::fmod(lower, 2.0L) != 0)) r = lower + 1;
    if (r < -kLimit || r >= kLimit) throw std::out_of_range("Zahl zu groß zum Runden");
    return int64_t(r);
}

int64_t ToCents(long double value) { return RoundHalfEven(value * 100.0L); }

long double RoundCents(long double value) { return (long double)ToCents(value) / 100.0L; }

int CompareCents(long double a, long double b) {
    const int64_t c = RoundHalfEven((a - b) * 100.0L);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace kis::services
