#pragma once
// German number and date display for the windows ("1.234,56", "dd.MM.yyyy"). Amounts go
// through the platform's number formatter so that windows, lists and exports write the same
// text; dates and the calendar use Qt's German locale.
#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

#include "platform/base/datetime.h"

namespace kis::ui {

// The German locale all display helpers use (independent of the process default).
const QLocale& GermanLocale();

// Amount with grouping and two decimals: 1234.5 -> "1.234,50".
QString FormatAmount(double value, int decimals = 2);
// The grids' "%9.2n": the amount right-aligned in at least `width` characters.
QString FormatAmountWidth(double value, int width = 9, int decimals = 2);
// Integer with grouping: 1234567 -> "1.234.567".
QString FormatInteger(qint64 value);
// Amount that is empty when it rounds to zero cents, as the lists show it.
QString FormatAmountOrEmpty(double value, int decimals = 2);

// Reads German number text as the platform does (orv_StrToReal_Def: "1.234,56", "12,5",
// "12.50"); nullopt for text that is not a number.
std::optional<double> ParseGermanNumber(const QString& text);

// Platform date-time <-> QDate (time of day is dropped); an invalid QDate for value 0.
QDate ToQDate(TDateTime value);
TDateTime FromQDate(const QDate& date);

// "dd.MM.yyyy"; empty for an invalid date or the value 0.
QString FormatDate(const QDate& date);
QString FormatDate(TDateTime value);

// Eight digits day, month, year ("31122024") as the date edits hold them.
QString DateToDigits(const QDate& date);
QDate DateFromDigits(const QString& digits);

}  // namespace kis::ui
