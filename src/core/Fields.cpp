#include "core/Fields.h"

QStringList splitFields(const QString& line, QChar separator)
{
    QStringList fields;
    QString current;
    bool inQuotes = false;
    bool wasQuoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            wasQuoted = true;
        } else if (c == separator && !inQuotes) {
            fields << (wasQuoted ? current : current.trimmed());
            current.clear();
            wasQuoted = false;
        } else {
            current += c;
        }
    }
    fields << (wasQuoted ? current : current.trimmed());
    return fields;
}
