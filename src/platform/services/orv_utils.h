#pragma once
// The platform's small utility functions: dates in German notation, German decimal text,
// padding and trimming. Global names, as the windows and the engine call them.
#include <string>
#include <string_view>

#include "platform/base/datetime.h"

// Now (local wall clock), today at 00:00, and today at 23:59:59.999.
TDateTime orv_Now();
TDateTime orv_Date();
TDateTime orv_EndOfNow();

// Reads a German date: "d.m.yyyy", "dd.mm.yy", "dd.mm." / "dd.mm" (current year),
// "ddmmyyyy" or "ddmmyy". Two-digit years 00..49 are 20xx, 50..99 are 19xx. Surrounding
// blanks are ignored. Throws std::invalid_argument with a German message on bad text.
TDateTime orv_StrToDate(std::string_view text);
// As orv_StrToDate, but returns def instead of throwing (also for empty or blank text).
TDateTime orv_StrToDate_Def(std::string_view text, TDateTime def);
// "dd.mm.yyyy" of the date part (a zero value reads "30.12.1899", as the platform's).
std::string orv_DateToStr(TDateTime value);

// Reads a decimal number in German or plain notation; def when the text is not a number.
//  - with a comma: the comma is the decimal separator, points are thousands separators and
//    must group three digits after a first group of 1..3 digits not beginning with "0"
//    ("1.234,56", "-0,5", "1234,5");
//  - without a comma: several points, or one point followed by exactly three digits after an
//    integer part of 1..3 digits not beginning with "0", are thousands separators
//    ("1.234" = 1234, "1.234.567"); any other single point is a decimal point ("12.50",
//    "0.125", "1234.567").
// Leading "+" or "-" and surrounding blanks are allowed; nothing else.
long double orv_StrToReal_Def(std::string_view text, long double def);

// Pads text on the left / right with ch up to len characters; longer text stays unchanged.
std::string orv_padleft_char(std::string_view text, size_t len, char ch);
std::string orv_padright_char(std::string_view text, size_t len, char ch);

// Trims and upper-cases (German letters included).
std::string TrimUp(std::string_view text);
