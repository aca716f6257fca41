// The column and row files (<code>_col.dat, <code>_row.dat): whatever they
// hold, the tables read are written back and read again to the same files.
#include "FuzzFolder.h"

#include "plate/files/FormatFiles.h"
#include "plate/geometry/PlateGeometry.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    // The same bytes serve as both files, so each axis sees every input.
    f.put(QStringLiteral("config/w6_col.dat"), input);
    f.put(QStringLiteral("config/w6_row.dat"), input);

    auto tables = std::make_unique<CameraWindowTables>();
    const FormatReadReport report = ReadWellFormatFiles(f.folder(), 0, QStringLiteral("w6"), *tables);
    check(report.columnFileFound && report.rowFileFound, "a file was not found");
    check(report.rowsSkipped >= 0, "negative count");

    // Round trip: what was read is written, read back and written again alike.
    check(WriteFormatFiles(f.folder(), 0, QStringLiteral("w6"), *tables), "first write failed");
    const QByteArray col = FuzzFolder::readBytes(f.path(QStringLiteral("config/w6_col.dat")));
    const QByteArray row = FuzzFolder::readBytes(f.path(QStringLiteral("config/w6_row.dat")));
    auto again = std::make_unique<CameraWindowTables>();
    ReadWellFormatFiles(f.folder(), 0, QStringLiteral("w6"), *again);
    check(WriteFormatFiles(f.folder(), 0, QStringLiteral("w6"), *again), "second write failed");
    check(FuzzFolder::readBytes(f.path(QStringLiteral("config/w6_col.dat"))) == col, "column file changed");
    check(FuzzFolder::readBytes(f.path(QStringLiteral("config/w6_row.dat"))) == row, "row file changed");
    return 0;
}
