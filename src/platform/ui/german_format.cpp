#include "platform/ui/german_format.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/services/number_format.h"
#include "platform/services/orv_utils.h"

namespace kis::ui {

const QLocale& GermanLocale() {
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

namespace {

// The platform's formatter for "%W.Dn"; the lists, exports and windows must agree on the
// text of an amount, so the display goes through the same code as the non-visual layer.
QString Format(double value, int width, int decimals) {
    if (!std::isfinite(value)) return {};
    const std::string fmt = width > 0 ? "%" + std::to_string(width) + "." + std::to_string(decimals) + "n"
                                      : "%." + std::to_string(decimals) + "n";
    try {
        return QString::fromStdString(kis::services::FormatNumber(fmt, value));
    } catch (const std::exception&) {
        return {};
    }
}

bool RoundsToZero(double value, int decimals) {
    try {
        return kis::services::RoundHalfEven((long double)value * std::pow(10.0L, decimals)) == 0;
    } catch (const std::exception&) {
        return false;  // not finite or too large: certainly not zero
    }
}

}  // namespace

QString FormatAmount(double value, int decimals) { return Format(value, 0, decimals); }

QString FormatAmountWidth(double value, int width, int decimals) { return Format(value, width, decimals); }

QString FormatInteger(qint64 value) { return GermanLocale().toString(value); }

QString FormatAmountOrEmpty(double value, int decimals) {
    return RoundsToZero(value, decimals) ? QString() : FormatAmount(value, decimals);
}

std::optional<double> ParseGermanNumber(const QString& text) {
    constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
    const long double v = orv_StrToReal_Def(text.toStdString(), kNaN);
    if (!std::isfinite(v)) return std::nullopt;
    return double(v);
}

QDate ToQDate(TDateTime value) {
    // Outside years 1..9999 the value is no date (and would overflow the day arithmetic).
    if (value == 0.0 || !std::isfinite(value) || value < -693594.0 || value > 2958466.0) return {};
    int y = 0, m = 0, d = 0;
    kis::date::DecodeDate(value, y, m, d);
    return QDate(y, m, d);
}

TDateTime FromQDate(const QDate& date) {
    if (!date.isValid()) return 0.0;
    return kis::date::EncodeDate(date.year(), date.month(), date.day());
}

QString FormatDate(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString FormatDate(TDateTime value) { return FormatDate(ToQDate(value)); }

QString DateToDigits(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("ddMMyyyy")) : QString();
}

QDate DateFromDigits(const QString& digits) {
    if (digits.size() != 8) return {};
    for (const QChar c : digits)
        if (!c.isDigit()) return {};
    return QDate(digits.mid(4, 4).toInt(), digits.mid(2, 2).toInt(), digits.left(2).toInt());
}

}  // namespace kis::ui
