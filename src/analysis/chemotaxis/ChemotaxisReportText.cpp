#include "analysis/chemotaxis/ChemotaxisReportText.h"

#include "core/NumberText.h"

QString chemotaxisNumber(double value, const QString& pattern, QChar decimalSeparator, const QString& divider)
{
    QString text = formatNumber(value, pattern);
    if (divider != QString(decimalSeparator))
        text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString chemotaxisDateText(const QDateTime& when, const QLocale& locale)
{
    QString datePattern = locale.dateFormat(QLocale::ShortFormat);
    if (!datePattern.contains(QLatin1String("yyyy")))
        datePattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString timePattern = locale.timeFormat(QLocale::LongFormat);
    timePattern.remove(QLatin1Char('t'));
    QString text = locale.toString(when.date(), datePattern) + QLatin1Char(' ') +
                   locale.toString(when.time(), timePattern.trimmed());
    // Report files are Latin-1: no narrow or no-break spaces.
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    return text;
}
