#pragma once

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>

// Numbers of the chemotaxis report: the pattern's digits with the system's
// decimal separator, or "." where that separator is the report's divider
// (a "," locale with ","), so that no value splits into two fields.
QString chemotaxisNumber(double value, const QString& pattern, QChar decimalSeparator, const QString& divider);

// The system's general date and time: short date with the full year, long time.
QString chemotaxisDateText(const QDateTime& when, const QLocale& locale);
