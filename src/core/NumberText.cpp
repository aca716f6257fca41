#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Decimal digits of |value| to 15 significant digits: digits, and the power of
// ten of the first digit.
struct Decimal {
    QString digits; // no leading zeros unless the value is 0
    int exponent = 0;
};

Decimal toDecimal15(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const QString s = QString::fromLatin1(buf);
    const int e = s.indexOf(QLatin1Char('e'));
    Decimal d;
    d.digits = s.left(e).remove(QLatin1Char('.'));
    d.exponent = s.mid(e + 1).toInt();
    return d;
}

// Rounds the decimal to `fraction` digits after the point, half away from zero;
// returns the integer digits and the fraction digits.
std::pair<QString, QString> roundTo(const Decimal& d, int fraction)
{
    // Place the digits on a fixed grid: value = 0.digits * 10^(exponent+1).
    int intLen = d.exponent + 1;
    QString all = d.digits;
    if (intLen <= 0) {
        all.prepend(QString(1 - intLen, QLatin1Char('0')));
        intLen = 1;
    }
    const int keep = intLen + fraction;
    if (all.size() < keep + 1)
        all.append(QString(keep + 1 - all.size(), QLatin1Char('0')));
    const bool up = all.at(keep) >= QLatin1Char('5');
    QString kept = all.left(keep);
    if (up) {
        int i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == QLatin1Char('9')) {
            kept[i] = QLatin1Char('0');
            --i;
        }
        if (i < 0) {
            kept.prepend(QLatin1Char('1'));
            ++intLen;
        } else {
            kept[i] = QChar(kept.at(i).unicode() + 1);
        }
    }
    QString intPart = kept.left(intLen);
    while (intPart.size() > 1 && intPart.at(0) == QLatin1Char('0'))
        intPart.remove(0, 1);
    return {intPart, kept.mid(intLen)};
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// [+-]?(digits[.digits?] | .digits), checked by hand: the LED and blank files
// run every field through here, and a regular expression costs far more.
bool isPlainNumber(QStringView t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    qsizetype wholeDigits = 0;
    for (; i < n && isAsciiDigit(t[i]); ++i)
        ++wholeDigits;
    qsizetype fractionDigits = 0;
    if (i < n && t[i] == QLatin1Char('.')) {
        for (++i; i < n && isAsciiDigit(t[i]); ++i)
            ++fractionDigits;
    }
    return i == n && (wholeDigits > 0 || fractionDigits > 0);
}

} // namespace

QString formatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const int dot = pattern.indexOf(QLatin1Char('.'));
    const int intDigits = dot < 0 ? pattern.size() : dot;
    const int fraction = dot < 0 ? 0 : pattern.size() - dot - 1;

    auto [intPart, fracPart] = roundTo(toDecimal15(value), fraction);
    if (intPart.size() < intDigits)
        intPart.prepend(QString(intDigits - intPart.size(), QLatin1Char('0')));
    const QString digits = intPart + fracPart;
    const bool zero = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == QLatin1Char('0'); });
    QString out = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    out += intPart;
    if (fraction > 0)
        out += QLatin1Char('.') + fracPart;
    return out;
}

QString formatNumberLocal(double value, const QString& pattern)
{
    QString s = formatNumber(value, pattern);
    s.replace(QLatin1Char('.'), systemDecimalSeparator());
    return s;
}

double textValue(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    QString num;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        num += text.at(i++);
    bool seenDot = false;
    bool seenDigit = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            num += c;
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenDot) {
            num += c;
            seenDot = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    return num.toDouble();
}

std::optional<double> strictNumberValue(const QString& text)
{
    const QString t = text.trimmed();
    if (!isPlainNumber(t))
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::optional<std::int16_t> roundedInt16(double value)
{
    const double r = std::nearbyint(value);
    if (!std::isfinite(r) || r < std::numeric_limits<std::int16_t>::min()
        || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(roundHalfEven(value));
}

std::optional<std::int16_t> toInt16Strict(const QString& text)
{
    const std::optional<double> v = strictNumberValue(text);
    return v ? roundedInt16(*v) : std::nullopt;
}

QChar systemDecimalSeparator()
{
    const QString p = QLocale().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.at(0);
}

QString systemListSeparator()
{
    return systemDecimalSeparator() == QLatin1Char(',') ? QStringLiteral(";") : QStringLiteral(",");
}

QString withDecimalPoint(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

double roundToHundredths(double value)
{
    const double hundredths = QString::number(value * 100, 'g', 15).toDouble();
    return std::nearbyint(hundredths) / 100.0; // nearbyint rounds halves to even
}
