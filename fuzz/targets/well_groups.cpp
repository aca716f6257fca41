// chgroup.dat: any file gives wells and groups inside the tables, and the
// file written from what was read reads back to the same file.
#include "FuzzFolder.h"

#include "core/Globals.h"
#include "projects/WellGroupFile.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QString project = QStringLiteral("p1");
    f.put(QStringLiteral("reports/p1/chgroup.dat"), inputBytes(data, size));

    // The tables are large; on the heap so the sanitizer sees each one's bounds.
    auto groups = std::make_unique<WellGroupTable>();
    LoadWellGroups(f.folder(), project, *groups);
    for (int well = 0; well < kWellSlots; ++well)
        check(groups->wellGroup[well] >= -1 && groups->wellGroup[well] < kWellSlots, "group outside the table");

    check(SaveWellGroups(f.folder(), project, *groups), "write failed");
    const QByteArray written = FuzzFolder::readBytes(f.path(QStringLiteral("reports/p1/chgroup.dat")));
    // Every line ends in CR LF, and no line read can hold a line end.
    check(written.count('\n') == 385, "not the file's 385 lines");

    auto again = std::make_unique<WellGroupTable>();
    LoadWellGroups(f.folder(), project, *again);
    check(SaveWellGroups(f.folder(), project, *again), "second write failed");
    check(FuzzFolder::readBytes(f.path(QStringLiteral("reports/p1/chgroup.dat"))) == written,
          "the written chgroup.dat read back differently");
    return 0;
}
