#pragma once
// Grid rows as a file that a German spreadsheet program opens as it is: UTF-8 with a byte-order
// mark (so umlauts survive), ";" after each value, amounts in German notation as the grid shows
// them, lines ending in CR LF. A value holding ";", a quote or a line break is quoted; a text
// that a spreadsheet would take for a formula ("=", "+", "-", "@" at its start, not a number)
// gets a leading apostrophe, so opening an export never runs anything.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace kis::overview {

// One line: each value trimmed, made safe and followed by ";".
QString CsvZeile(const QStringList& werte);
// Header and rows as the bytes of the file.
QByteArray CsvDatei(const QStringList& kopf, const std::vector<QStringList>& zeilen);

}  // namespace kis::overview
