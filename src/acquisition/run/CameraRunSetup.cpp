#include "acquisition/run/CameraRunSetup.h"

#include "core/Console.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kMaskMargin = 4; // pixels left out at a well's rim
constexpr int kFrameLast = RunSetup::kFrameSide - 1;

struct Step {
    int upTo;
    CameraSpeedChoice choice;
};

constexpr Step kGeneration1[] = {{50, {1, 7}}, {65, {2, 6}}, {100, {3, 5}}, {120, {4, 4}}, {140, {5, 3}},
                                 {160, {6, 2}}};
constexpr Step kGeneration2[] = {{50, {1, 7}}, {65, {2, 6}}, {90, {3, 5}}, {114, {4, 4}}, {133, {5, 3}},
                                 {151, {6, 2}}, {170, {7, 1}}};

template <size_t N>
CameraSpeedChoice pick(const Step (&steps)[N], int height, CameraSpeedChoice above)
{
    for (const Step& s : steps)
        if (height <= s.upTo)
            return s.choice;
    return above;
}

// The camera-relative column and window counts of a camera, when they fit the tables.
struct CameraSpan {
    bool seesWells = false;
    int columns = 1; // lastColumn - firstColumn + 1
    int windows = 1; // lastRow - firstRow + 1
};

// A start before its end, both inside the frame.
bool isPixelRange(int start, int end)
{
    return 0 <= start && start < end && end <= kFrameLast;
}

std::optional<CameraSpan> spanOf(const PlateGeometry& g, int camera)
{
    const auto c = size_t(camera);
    CameraSpan span;
    const bool hasColumns = g.firstColumn[c] >= 0;
    const bool hasRows = g.firstRow[c] >= 0;
    if (!hasColumns && !hasRows)
        return span; // a camera that sees nothing still passes through one empty window
    // A camera in one table only, or an empty window, means a damaged table:
    // a run on it would read the wrong pixels for its wells.
    if (hasColumns != hasRows)
        return std::nullopt;
    span.seesWells = true;
    span.columns = g.lastColumn[c] - g.firstColumn[c] + 1;
    span.windows = g.lastRow[c] - g.firstRow[c] + 1;
    if (span.columns < 1 || span.columns > kSpcColumns || span.windows < 1 || span.windows > kSpcRows)
        return std::nullopt;
    for (size_t k = 0; k < size_t(span.columns); ++k)
        if (!isPixelRange(g.columnStart[c][k], g.columnEnd[c][k]))
            return std::nullopt;
    for (size_t w = 0; w < size_t(span.windows); ++w)
        if (!isPixelRange(g.rowStart[c][w], g.rowEnd[c][w]))
            return std::nullopt;
    return span;
}

struct Rectangle {
    int xStart = 0;
    int yStart = 0;
    int width = 0;  // columnEnd - columnStart
    int height = 0; // rowEnd - rowStart
    int colIni = 0, colEnd = 0, rowIni = 0, rowEnd = 0;
    int dataIndex = 0;
    QString name;
};

Rectangle rectangleOf(const PlateGeometry& g, int c, int k, int w)
{
    const auto cc = size_t(c), kk = size_t(k), ww = size_t(w);
    Rectangle r;
    r.xStart = g.columnStart[cc][kk];
    r.yStart = g.rowStart[cc][ww];
    r.width = g.columnEnd[cc][kk] - g.columnStart[cc][kk];
    r.height = g.rowEnd[cc][ww] - g.rowStart[cc][ww];
    r.colIni = g.spcColIni[cc][kk][ww];
    r.colEnd = g.spcColEnd[cc][kk][ww];
    r.rowIni = g.spcRowIni[cc][kk][ww];
    r.rowEnd = g.spcRowEnd[cc][kk][ww];
    r.dataIndex = g.spcDataIndex[cc][kk][ww];
    r.name = g.spcWellName[cc][kk][ww];
    return r;
}

// A rectangle the mask pass can work on: parts that span something, a data index
// the per-well tables hold and every pixel inside the frame.
bool usable(const Rectangle& r)
{
    if (r.colIni == r.colEnd || r.rowIni == r.rowEnd)
        return false;
    if (r.dataIndex < 0 || r.dataIndex >= kRunWells)
        return false;
    if (r.width < 0 || r.height < 0)
        return true; // no pixels to place
    return r.xStart >= 0 && r.yStart >= 0 && r.xStart + r.width <= kFrameLast && r.yStart + r.height <= kFrameLast;
}

// Whether pixel (x, y) of the rectangle lies inside the well's elliptical mask.
class WellEllipse {
public:
    explicit WellEllipse(const Rectangle& r)
        : r_(r)
        , diaY_(100.0 / std::abs(r.rowIni - r.rowEnd) * r.height)
        , diaX_(100.0 / std::abs(r.colIni - r.colEnd) * r.width)
        , cy_(double(roundHalfEven(diaY_ / 2)))
        , rx_(diaX_ / 2 - kMaskMargin)
    {
    }

    // yHalf of a line x; meaningless when diaX is not above 0.
    double halfHeight(int x) const
    {
        const double fromCentre = std::abs(diaX_ / 2 - x);
        const double dx = r_.colIni == 0 ? fromCentre : r_.width - fromCentre;
        const double h = double(roundHalfEven(std::sqrt(std::abs(rx_ * rx_ - dx * dx))));
        return h * diaY_ / diaX_;
    }

    bool inside(int x, int y, double yHalf) const
    {
        if (!(diaX_ > 0))
            return false;
        bool vertical = false;
        if (r_.rowIni == 0 && r_.rowEnd == 100)
            vertical = cy_ - yHalf <= y && y <= cy_ + yHalf;
        else if (r_.rowIni == 0 && r_.rowEnd == 50)
            vertical = y <= yHalf;
        else if (r_.rowIni == 50 && r_.rowEnd == 100)
            vertical = y >= r_.height - yHalf;
        if (!vertical)
            return false;
        if (r_.colIni == 0)
            return kMaskMargin <= x && x <= diaX_ - kMaskMargin;
        if (r_.colIni >= 50)
            return x <= r_.width - kMaskMargin;
        return false;
    }

    bool hasWidth() const { return diaX_ > 0; }

private:
    Rectangle r_;
    double diaY_;
    double diaX_;
    double cy_;
    double rx_;
};

void resetRecord(RunRecord& run, int maxScan)
{
    run.setup = RunSetup{};
    run.setup.wellMask.assign(size_t(kCameraCount) * RunSetup::kFrameSide * RunSetup::kFrameSide, 0);
    run.setup.pixelSlot.assign(run.setup.wellMask.size(), 0);
    run.results = RunResults{};
    run.results.wellsPerScan = kRunWells;
    run.maxScan = maxScan;
    run.maxHeight = 0;
    run.maxWindowIndex = 0;
}

int configurationError(Prompts& prompts)
{
    prompts.message(QStringLiteral("Configuration error"));
    return -1;
}

} // namespace

CameraSpeedChoice cameraSpeedFor(int maxHeight, int hardwareGeneration)
{
    return hardwareGeneration >= 2 ? pick(kGeneration2, maxHeight, {8, 1}) : pick(kGeneration1, maxHeight, {7, 1});
}

int windowExposure(int cameraExposure, const QString& wellFormat, int window)
{
    return wellFormat == QLatin1String("w96f") && window == 3 ? 255 : cameraExposure;
}

int maxScanFor(const QString& txtlapse)
{
    const double scans = textValue(txtlapse) * 10;
    return scans > 0 && scans < 1e9 ? int(roundHalfEven(scans)) : 0;
}

int ConfigureCamerasForFormat(const CameraSetupInput& in, RunRecord& run, Console& console, Prompts& prompts)
{
    console.setStatus(QStringLiteral("Setting up IR Video-Camera"));
    const PlateGeometry& g = in.geometry;
    resetRecord(run, maxScanFor(in.txtlapse));

    std::array<CameraSpan, kCameraCount> spans;
    for (int c = 0; c < kCameraCount; ++c) {
        const std::optional<CameraSpan> span = spanOf(g, c);
        if (!span)
            return configurationError(prompts);
        spans[size_t(c)] = *span;
        if (span->seesWells)
            for (int w = 0; w < span->windows; ++w)
                run.maxHeight = std::max(run.maxHeight, g.rowEnd[size_t(c)][size_t(w)] - g.rowStart[size_t(c)][size_t(w)]);
        run.maxWindowIndex = std::max(run.maxWindowIndex, span->windows - 1);
    }

    const CameraSpeedChoice choice = cameraSpeedFor(run.maxHeight, in.hardwareGeneration);
    run.cameraSpeed = choice.speed;
    run.cameraExposure = in.exposureUnit * choice.factor;

    RunSetup& s = run.setup;
    for (int c = 0; c < kCameraCount; ++c) {
        const CameraSpan& span = spans[size_t(c)];
        for (int w = 0; w < span.windows; ++w) {
            WindowPixelList& list = s.pixels[size_t(c)][size_t(w)];
            // Entry 0 is no pixel; the list holds exactly the window's positions.
            list = WindowPixelList{};
            list.pixelWellIndex.assign(1, -1);
            list.pixelColumn.assign(1, 0);
            list.pixelWindow.assign(1, 0);
            list.pixelInWell.assign(1, 0);
            list.pixelX.assign(1, 0);
            list.pixelY.assign(1, 0);
            list.pixelWellName.assign(1, QString());
            if (!span.seesWells)
                continue;
            for (int k = 0; k < span.columns; ++k) {
                const Rectangle r = rectangleOf(g, c, k, w);
                if (!usable(r))
                    return configurationError(prompts);
                const WellEllipse mask(r);
                s.wellPixelCount[size_t(r.dataIndex)] = 0; // each rectangle counts its well anew
                for (int x = 0; x <= r.width; ++x) {
                    const double yHalf = mask.hasWidth() ? mask.halfHeight(x) : 0.0;
                    for (int y = r.height; y >= 0; --y) {
                        const bool inside = mask.inside(x, y, yHalf);
                        const size_t frame = RunSetup::frameSlot(c, r.xStart + x, r.yStart + y);
                        s.wellMask[frame] = inside ? 1 : 0;
                        s.pixelSlot[frame] = w * span.columns + k;
                        list.pixelInWell.push_back(inside ? 1 : 0);
                        list.pixelWellIndex.push_back(inside ? r.dataIndex : -1);
                        list.pixelColumn.push_back(k);
                        list.pixelWindow.push_back(w);
                        list.pixelX.push_back(x);
                        list.pixelY.push_back(y);
                        list.pixelWellName.push_back(r.name);
                        if (inside)
                            ++s.wellPixelCount[size_t(r.dataIndex)];
                    }
                }
            }
        }
    }

    std::int64_t sum = 0;
    int wells = 0;
    for (int count : s.wellPixelCount)
        if (count > 0) {
            sum += count;
            ++wells;
        }
    if (wells == 0)
        return configurationError(prompts);
    s.meanWellPixels = int(roundHalfEven(double(sum) / wells));
    return 1;
}
