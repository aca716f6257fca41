#include "acquisition/StartupLists.h"

namespace {

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

QStringList setPointItems() { return numbers(20, 37); }

QStringList internalReferenceItems() { return {QStringLiteral("No"), QStringLiteral("Apply"), QStringLiteral("Update")}; }

QStringList reportBinItems()
{
    return {QStringLiteral("ScanTime"), QStringLiteral("15"),  QStringLiteral("30"),  QStringLiteral("60"),
            QStringLiteral("120"),      QStringLiteral("240"), QStringLiteral("480"), QStringLiteral("1440")};
}

QStringList pixelSetRowItems()
{
    QStringList items;
    for (char row = 'A'; row <= 'H'; ++row)
        items << QString(QLatin1Char(row));
    return items;
}

QStringList pixelSetColumnItems() { return numbers(1, 12); }

QStringList reportFileItems() { return {QStringLiteral(".csv"), QStringLiteral(".txt")}; }

QStringList reportDividerItems() { return {QStringLiteral(","), QStringLiteral(";")}; }

SerialLabel serialLabelFor(bool offlineMode, int serialNumber)
{
    if (offlineMode)
        return {QStringLiteral("Offline"), 12};
    return {QStringLiteral("SN") + QString::number(serialNumber), 16};
}
