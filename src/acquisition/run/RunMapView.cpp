#include "acquisition/run/RunMapView.h"

#include <algorithm>

void setRunMapPixels(RunView& view, const RunRecord& run, const CameraWindowTables& geometry, int plateRows)
{
    for (int c = 0; c < kCameraCount; ++c) {
        for (int w = 0; w < kRowWindows; ++w) {
            const WindowPixelList& list = run.setup.pixels[size_t(c)][size_t(w)];
            std::vector<int>& well = view.pixelWellIndex[size_t(c)][size_t(w)];
            well.assign(list.pixelWellIndex.size(), -1);
            for (size_t n = 1; n < well.size() && n < list.pixelColumn.size() && n < list.pixelWindow.size(); ++n) {
                if (list.pixelWellIndex[n] < 0)
                    continue;
                const int column = geometry.firstColumn[size_t(c)] + list.pixelColumn[n];
                const int row = geometry.firstRow[size_t(c)] + list.pixelWindow[n];
                well[n] = column * plateRows + row;
            }
            view.pixelX[size_t(c)][size_t(w)] = list.pixelX;
            view.pixelY[size_t(c)][size_t(w)] = list.pixelY;
        }
    }
}

void setRunMapValues(RunView& view, const RunRecord& run)
{
    view.blankRun = run.blankRun;
    view.windowPixels = run.window.windowPixels;
    view.pixelActivityCount.assign(run.window.pixelActivityCount.begin(), run.window.pixelActivityCount.end());
    view.wellActivityNow.fill(0);
    const auto& now = run.results.wellActivityNow;
    std::copy_n(now.begin(), std::min(now.size(), view.wellActivityNow.size()), view.wellActivityNow.begin());
    std::copy(run.blankValue.begin(), run.blankValue.end(), view.blankValue.begin());
    view.blankLapse = run.blankLapse;
    view.intRefFactor = run.intRefFactor;
}
