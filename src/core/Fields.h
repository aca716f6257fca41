#pragma once

#include <QString>
#include <QStringList>

// Fields of a line as the program's files hold them: comma-separated, texts in
// double quotes ("w6_col",0,12). Quotes are taken off; a comma inside quotes stays.
QStringList splitFields(const QString& line, QChar separator = QLatin1Char(','));

// A text in double quotes, as files write texts.
inline QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
