#include "core/DateStamp.h"

QString formatDateStamp(const QDateTime& when, const QString& pattern)
{
    const QDate d = when.date();
    const QTime t = when.time();
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    QString out;
    bool afterHour = false;
    for (int i = 0; i < pattern.size();) {
        const QStringView rest = QStringView(pattern).mid(i);
        if (rest.startsWith(u"yyyy")) {
            out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += 4;
            afterHour = false;
        } else if (rest.startsWith(u"mm")) {
            out += afterHour ? two(t.minute()) : two(d.month());
            i += 2;
            afterHour = false;
        } else if (rest.startsWith(u"dd")) {
            out += two(d.day());
            i += 2;
            afterHour = false;
        } else if (rest.startsWith(u"hh")) {
            out += two(t.hour());
            i += 2;
            afterHour = true;
        } else if (rest.startsWith(u"ss")) {
            out += two(t.second());
            i += 2;
            afterHour = false;
        } else {
            out += pattern.at(i);
            // A separator between hours and minutes keeps "mm" as minutes.
            ++i;
        }
    }
    return out;
}
