#include "reporting/ReportText.h"

#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void appendDigits(QByteArray& out, std::uint64_t n, int minDigits)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    for (int pad = minDigits - static_cast<int>(res.ptr - buf); pad > 0; --pad)
        out += '0';
    out.append(buf, res.ptr - buf);
}

// Whether a value taken to 15 significant digits reaches the half between two
// results. The half has at most 11 significant digits below 1e9, so its own
// 15-digit text is exact, and two such texts compare digit by digit.
bool reachesHalf(double value, double half)
{
    char v[32];
    char h[32];
    std::snprintf(v, sizeof v, "%.14e", value);
    std::snprintf(h, sizeof h, "%.14e", half);
    const int ve = std::atoi(std::strchr(v, 'e') + 1);
    const int he = std::atoi(std::strchr(h, 'e') + 1);
    if (ve != he)
        return ve > he;
    return std::strncmp(v, h, 16) >= 0; // "d.dddddddddddddd"
}

} // namespace

void ReportNumbers::fixed(QByteArray& out, double value, int fraction, int intDigits) const
{
    static constexpr std::uint64_t kScale[] = {1, 10, 100, 1000};
    const double a = std::fabs(value);
    // Below 1e9 the 15-digit step moves a value by far less than 1e-4 of the last
    // kept digit, so away from a half one rounding gives the same digits; near a
    // half the 15-digit text decides.
    if (std::isfinite(value) && a < 1e9 && fraction >= 0 && fraction <= 3) {
        const double scaled = a * static_cast<double>(kScale[fraction]);
        const double low = std::floor(scaled);
        const double rest = scaled - low;
        bool up = rest > 0.5;
        if (std::fabs(rest - 0.5) <= 1e-4)
            up = reachesHalf(a, (low + 0.5) / static_cast<double>(kScale[fraction]));
        const std::uint64_t n = static_cast<std::uint64_t>(low) + (up ? 1 : 0);
        if (value < 0 && n != 0)
            out += '-';
        appendDigits(out, n / kScale[fraction], intDigits);
        if (fraction > 0) {
            out += decimal_;
            appendDigits(out, n % kScale[fraction], fraction);
        }
        return;
    }
    QString pattern(intDigits, QLatin1Char('0'));
    if (fraction > 0)
        pattern += QLatin1Char('.') + QString(fraction, QLatin1Char('0'));
    QString text = formatNumber(value, pattern);
    text.replace(QLatin1Char('.'), QLatin1Char(decimal_));
    out += text.toLatin1();
}

void ReportNumbers::plain(QByteArray& out, double value) const
{
    if (!std::isfinite(value)) {
        out += '0';
        return;
    }
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        const auto n = static_cast<std::int64_t>(value);
        if (n < 0)
            out += '-';
        appendDigits(out, static_cast<std::uint64_t>(n < 0 ? -n : n), 1);
        return;
    }
    char buf[40];
    const int len = std::snprintf(buf, sizeof buf, "%.15G", value);
    for (int i = 0; i < len; ++i)
        out += buf[i] == '.' ? decimal_ : buf[i];
}

char decimalSeparatorOf(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    const char c = point.isEmpty() ? '\0' : point.at(0).toLatin1();
    return c == '\0' ? '.' : c;
}

QString generalDateText(const QDateTime& when, const QLocale& locale)
{
    QString datePattern = locale.dateFormat(QLocale::ShortFormat);
    if (!datePattern.contains(QLatin1String("yyyy")))
        datePattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString timePattern = locale.timeFormat(QLocale::LongFormat);
    timePattern.remove(QLatin1Char('t'));
    timePattern = timePattern.trimmed();
    QString text = locale.toString(when.date(), datePattern) + QLatin1Char(' ')
                   + locale.toString(when.time(), timePattern);
    // Some locales space the day period with a no-break space; files are Latin-1.
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}
