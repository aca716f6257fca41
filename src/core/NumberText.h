#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Formats a value by one of the patterns "0", "0.0", "0.00", "000" (or any run of
// '0' digits with an optional fraction): the value is taken to 15 significant
// digits, then rounded half away from zero. The decimal point is '.'.
QString formatNumber(double value, const QString& pattern);

// The same with the system's decimal separator.
QString formatNumberLocal(double value, const QString& pattern);

// A value rounded to two decimals, halves to the even neighbour; taken to 15
// significant digits first so that 1.125 stored as 1.12499... rounds as 1.125.
double roundToHundredths(double value);

// The numeric value of a text: leading blanks skipped, optional sign, digits and
// one '.', stopping at the first character that cannot continue; no number is 0.
double textValue(const QString& text);

// The value of a text that is a number as a whole: sign, digits, one decimal
// point, blanks around it allowed; nothing for any other text.
std::optional<double> strictNumberValue(const QString& text);

// A value rounded half to even, when it is finite and fits 16 bits.
std::optional<std::int16_t> roundedInt16(double value);

// A strict conversion for 16-bit boxes: the whole text must be a number (blanks
// around it allowed); the value is rounded half to even and must fit 16 bits.
std::optional<std::int16_t> toInt16Strict(const QString& text);

// The system's decimal separator and list separator (";" where decimals use ",").
QChar systemDecimalSeparator();
QString systemListSeparator();

// A number written with the system's separator made to use '.' (files always use '.').
QString withDecimalPoint(QString text);
