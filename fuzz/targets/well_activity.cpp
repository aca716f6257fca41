// A run's wellactivity00.csv as the saved-data page loads it for the heat map:
// the load in one pass and cut into stretches read at once must agree, and
// every scan's grid read again from its offset stays in the tables' bounds.
#include "FuzzFolder.h"

#include "analysis/WellActivityLoader.h"
#include "support/RecordingPrompts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    f.put(QStringLiteral("run/wellactivity00.csv"), inputBytes(data, size));
    RecordingPrompts prompts;
    HeatMapData one, cut;
    const WellActivityLoad a = LoadWellActivityFiles(f.path(QStringLiteral("run")), QStringLiteral("w6"), one, {},
                                                     prompts, WellActivityLoadTuning{1, 1});
    const WellActivityLoad b = LoadWellActivityFiles(f.path(QStringLiteral("run")), QStringLiteral("w6"), cut, {},
                                                     prompts, WellActivityLoadTuning{3, 1});
    check(a == b, "stretches end otherwise than one pass");
    check(one.sumActivity == cut.sumActivity, "stretches sum otherwise than one pass");
    check(one.scanMinutes == cut.scanMinutes && one.lastScan == cut.lastScan, "stretches time otherwise");
    check(one.maxScanActivity == cut.maxScanActivity && one.maxSumActivity == cut.maxSumActivity, "maxima differ");
    if (!one.loaded())
        return 0;
    for (int scan = 0; scan <= std::min(one.lastScan, 50); ++scan) {
        const WellGrid grid = scanGrid(one, 0, scan);
        check(grid.values.size() == size_t(grid.lines) * size_t(grid.cells), "grid not its own size");
        check(grid.values.empty() || (grid.lines == one.lastLine + 1 && grid.cells == one.lastCell + 1),
              "grid not the tables' size");
    }
    return 0;
}
