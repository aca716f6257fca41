// The LED files (ldsetup<n>.dat, ledxy.dat, ledpower.dat): the table read from
// any input is written back, and reading what was written gives it again.
#include "FuzzFolder.h"

#include "plate/files/LedFiles.h"
#include "plate/files/LedTables.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    const QString layout = f.path(QStringLiteral("ldsetup1.dat"));
    const QString xy = f.path(QStringLiteral("ledxy.dat"));
    const QString power = f.path(QStringLiteral("ledpower.dat"));
    FuzzFolder::writeBytes(layout, input);
    FuzzFolder::writeBytes(xy, input);
    FuzzFolder::writeBytes(power, input);

    auto table = std::make_unique<LedTable>();
    const LedLoadReport report = loadLedTable(*table, layout, xy, power);
    check(report.layoutFound && report.xyFound && report.powerFound, "a file was not found");
    check(report.rowsSkipped >= 0, "negative count");

    const QString xy2 = f.path(QStringLiteral("ledxy2.dat"));
    const QString power2 = f.path(QStringLiteral("ledpower2.dat"));
    check(writeLedXyFile(xy2, *table) && writeLedPowerFile(power2, *table), "write failed");
    auto again = std::make_unique<LedTable>();
    const LedLoadReport second = loadLedTable(*again, layout, xy2, power2);
    check(second.xyFound && second.powerFound, "written file missing");
    check(*again == *table, "the written LED files read back differently");
    return 0;
}
