// The well table (<code>_spc.dat): the table read from any file, and each line
// parsed alone, stay in their ranges.
#include "FuzzFolder.h"

#include "plate/files/WellSpecFile.h"
#include "plate/geometry/PlateGeometry.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    f.put(QStringLiteral("config/w6_spc.dat"), input);

    auto table = std::make_unique<WellSpecTable>();
    const TableReadReport report = ReadWellSpecFile(f.folder(), QStringLiteral("w6"), *table);
    check(report.found, "the file was not found");
    check(report.rowsRead >= 0 && report.rowsSkipped >= 0, "negative counts");

    for (const QByteArray& line : input.split('\n'))
        if (const auto entry = parseSpcLine(QString::fromLatin1(line)))
            (void)entry->name.size();
    return 0;
}
