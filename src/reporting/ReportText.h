#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

// Numbers of a report file in the system's format: the number patterns of the
// whole program ("0", "0.0", "000": 15 significant digits, then half away from
// zero) with the system's decimal separator, and "plain", the shortest text.
// Reports of long runs write millions of numbers, so these append Latin-1 bytes
// and decide the common cases without building strings.
class ReportNumbers {
public:
    explicit ReportNumbers(char decimalSeparator = '.') : decimal_(decimalSeparator) {}

    void whole(QByteArray& out, double value) const { fixed(out, value, 0, 1); }      // "0"
    void oneDecimal(QByteArray& out, double value) const { fixed(out, value, 1, 1); } // "0.0"
    void threeDigits(QByteArray& out, double value) const { fixed(out, value, 0, 3); } // "000"
    void plain(QByteArray& out, double value) const;

    // `fraction` decimals (0 to 3), at least `intDigits` integer digits.
    void fixed(QByteArray& out, double value, int fraction, int intDigits) const;

    char decimalSeparator() const { return decimal_; }

private:
    char decimal_;
};

// The decimal separator of a locale as one Latin-1 character ('.' when it has none).
char decimalSeparatorOf(const QLocale& locale);

// A date and time in the locale's general form: its short date with the year in
// four digits, a blank, its long time without the time zone.
QString generalDateText(const QDateTime& when, const QLocale& locale);
