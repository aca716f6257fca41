#include "acquisition/CameraWindowSelection.h"

#include "core/Globals.h"

namespace {

constexpr int kPixelAxisEnd = 183;

bool cameraHasWindow(const CameraWindowTables& t, int camera, int window)
{
    if (camera < 0 || camera >= kCameraCount)
        return false;
    const auto c = static_cast<size_t>(camera);
    const int columns = t.lastColumn[c] - t.firstColumn[c];
    const int rows = t.lastRow[c] - t.firstRow[c];
    return t.firstColumn[c] >= 0 && columns >= 0 && columns < kColumnWindows && t.firstRow[c] >= 0 && rows >= 0 &&
           rows < kRowWindows && window >= 0 && window <= rows;
}

WindowSelection fromSetup(CameraSetup setup)
{
    switch (setup) {
    case CameraSetup::Applied:
        return WindowSelection::Applied;
    case CameraSetup::Dummy:
        return WindowSelection::Dummy;
    case CameraSetup::BadGain:
        return WindowSelection::BadGain;
    case CameraSetup::BadExposure:
        return WindowSelection::BadExposure;
    }
    return WindowSelection::Applied;
}

} // namespace

WindowSelection SelectCameraWindow(int camera, int window, const CameraWindowTables& tables, CameraBoxes& boxes,
                                   LinkContext& ctx)
{
    if (!cameraHasWindow(tables, camera, window))
        return WindowSelection::NoSuchWindow;
    const auto c = static_cast<size_t>(camera);
    const auto w = static_cast<size_t>(window);
    const auto lastColumn = static_cast<size_t>(tables.lastColumn[c] - tables.firstColumn[c]);
    const int lineStart = tables.columnStart[c][0];
    const int lineEnd = tables.columnEnd[c][lastColumn];
    const int rowStart = tables.rowStart[c][w];
    const int rowEnd = tables.rowEnd[c][w];

    const int xini = lineStart;
    const int xfin = lineEnd;
    const int yini = kPixelAxisEnd - rowEnd;
    const int yfin = kPixelAxisEnd - rowStart;
    boxes.txt_xini = QString::number(xini);
    boxes.txt_xfin = QString::number(xfin);
    boxes.txt_yini = QString::number(yini);
    boxes.txt_yfin = QString::number(yfin);
    boxes.txt_lines = QString::number(xfin - xini + 1);
    boxes.txt_pix = QString::number(yfin - yini + 1);
    ctx.globals.windowPixels = (rowEnd - rowStart + 1) * (lineEnd - lineStart);

    return fromSetup(ApplyCameraSettings(boxes, ctx));
}
