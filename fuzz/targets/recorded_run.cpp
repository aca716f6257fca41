// A recorded run's current_activity.txt and current_temperature.txt as the
// saved-data page opens them: tables only as large as the files hold, every
// well within the grid.
#include "FuzzFolder.h"

#include "projects/RecordedRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray bytes = inputBytes(data, size);
    f.put(QStringLiteral("current_activity.txt"), bytes);
    f.put(QStringLiteral("current_temperature.txt"), bytes);
    RunResults run;
    check(loadRecordedActivity(f.path(QStringLiteral("current_activity.txt")), PlateGrid{2, 3}, run), "unread");
    check(run.wellsPerScan == 6, "not the format's wells");
    check(run.wellActivity.size() == size_t(run.scanCount()) * 6, "activity table out of shape");
    check(run.scanCount() <= bytes.count('\n') + 1, "more scans than lines");
    loadRecordedTemperature(f.path(QStringLiteral("current_temperature.txt")), run);
    check(run.scanTemperature.size() == size_t(run.scanCount()), "temperatures out of shape");
    return 0;
}
