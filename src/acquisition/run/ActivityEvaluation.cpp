#include "acquisition/run/ActivityEvaluation.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCountLimit = 32000; // a position's count stops growing here
constexpr double kLevelShare = 4.0 / 100.0;
constexpr int kMinChange = 4;

int byteAt(const QByteArray& frame, int position) // position counted from 1
{
    return static_cast<unsigned char>(frame.at(position - 1));
}

bool evaluatedWell(int well) { return well >= 0 && well < kEvaluatedWells; }

// The part of a whole well that the pixel's rectangle shows (1 for a whole well,
// 0.5 for a half); 0 for a rectangle outside the well table.
double areaFactor(const WellSpecTable& wells, int camera, int column, int window)
{
    if (camera < 0 || camera >= kCameraCount || column < 0 || column >= kSpcColumns || window < 0
        || window >= kSpcRows)
        return 0.0;
    const auto c = size_t(camera), k = size_t(column), w = size_t(window);
    const int rows = wells.spcRowEnd[c][k][w] - wells.spcRowIni[c][k][w];
    const int columns = wells.spcColEnd[c][k][w] - wells.spcColIni[c][k][w];
    return double(rows * columns) / 100.0 / 100.0;
}

template <typename T>
T entryOr(const std::vector<T>& values, int n, T otherwise)
{
    return n >= 0 && n < static_cast<int>(values.size()) ? values[size_t(n)] : otherwise;
}

} // namespace

void SampleLines::resize(int windowPixels)
{
    windowPixels_ = std::max(0, windowPixels);
    values_.assign(static_cast<size_t>(kSamplesPerWindow) * static_cast<size_t>(windowPixels_ + 1), 0);
}

void WindowActivity::reset(int pixels)
{
    windowPixels = std::max(0, pixels);
    sampleLines.resize(windowPixels);
    pixelActivityCount.assign(size_t(windowPixels) + 1, 0);
    pixelActivityScaled.assign(size_t(windowPixels) + 1, 0);
}

int CountActiveSamples(const SampleLines& S, int k, int h)
{
    const int windowPixels = S.windowPixels();
    if (h < 1 || k < 1 || k - h < 1 || k + h >= windowPixels)
        return 0;
    const std::array<int, 4> neighbours{k - 1, k - h, k - h - 1, k - h + 1};

    // Local level over samples 1..10: per sample the mean of the four pixel-neighbour means.
    double level = 0;
    for (int i = 1; i < kSamplesPerWindow; ++i) {
        double sum = 0;
        for (int n : neighbours)
            sum += std::abs(S.at(i, n) + S.at(i, k)) / 2.0;
        level += sum / 4.0;
    }
    level /= 10.0;
    const double threshold = kLevelShare * level;

    int active = 0;
    for (int i = 1; i < kSamplesPerWindow; ++i) {
        const int dk = S.at(i, k) - S.at(i - 1, k);
        for (int n : neighbours) {
            const int dn = S.at(i, n) - S.at(i - 1, n);
            const double m = std::abs(dk + dn) / 2.0;
            const bool together = (dk > kMinChange && dn > kMinChange) || (dk < -kMinChange && dn < -kMinChange);
            if (m > threshold && m > kMinChange && together) {
                ++active;
                break;
            }
        }
    }
    return active;
}

void evaluateWindowActivity(const WindowEvaluationInput& in, WindowActivity& window, RunResults& run)
{
    const int windowPixels = window.windowPixels;
    std::array<std::int64_t, kEvaluatedWells> levelSum{};
    std::array<int, kEvaluatedWells> levelCount{};
    std::array<std::int64_t, kEvaluatedWells> wellMeanLevel{};
    std::array<double, kEvaluatedWells> wellScaledSum{};
    std::array<bool, kEvaluatedWells> received{};

    // Well levels: a sample enters only when its text is longer than the position.
    for (int k = 3; k <= windowPixels; ++k) {
        const int w = in.pixels.wellAt(k);
        if (!evaluatedWell(w))
            continue;
        for (const QByteArray& frame : in.samples)
            if (frame.size() > k) {
                levelSum[size_t(w)] += byteAt(frame, k);
                ++levelCount[size_t(w)];
            }
    }
    for (int w = 0; w < kEvaluatedWells; ++w)
        if (levelCount[size_t(w)] > 0)
            wellMeanLevel[size_t(w)] = roundHalfEven(double(levelSum[size_t(w)]) / levelCount[size_t(w)]);

    for (int k = 3; k <= windowPixels; ++k) {
        // The pixel's samples: here a text of exactly k bytes does reach the position.
        std::int64_t total = 0;
        int reached = 0;
        for (int i = 0; i < kSamplesPerWindow; ++i) {
            const QByteArray& frame = in.samples[size_t(i)];
            if (frame.size() >= k) {
                const int v = byteAt(frame, k);
                window.sampleLines.set(i, k, v);
                total += v;
                ++reached;
            }
        }
        const std::int64_t pixelMean = reached > 0 ? roundHalfEven(double(total) / reached) : 1;

        const int w = in.pixels.wellAt(k);
        int a = 0;
        // A pixel at or below half its well's level is not evaluated.
        if (evaluatedWell(w) && !(double(wellMeanLevel[size_t(w)]) * 0.5 >= double(pixelMean)))
            a = CountActiveSamples(window.sampleLines, k, in.lineLength);
        std::int32_t& count = window.pixelActivityCount[size_t(k)];
        if (count < kCountLimit)
            count += a;

        if (!evaluatedWell(w))
            continue;
        const double factor = areaFactor(in.wells, in.camera, entryOr(in.pixels.pixelColumn, k, -1),
                                         entryOr(in.pixels.pixelWindow, k, -1));
        // A well left without mask pixels has no size to scale by: it adds 0.
        const int wellPixels = in.setup.wellPixelCount[size_t(w)];
        const double scaled = wellPixels > 0 ? double(in.setup.meanWellPixels) / wellPixels * (count * factor) : 0.0;
        window.pixelActivityScaled[size_t(k)] = roundHalfEven(scaled);
        wellScaledSum[size_t(w)] += scaled;
        received[size_t(w)] = true;
    }

    const int scan = run.scanIndex();
    for (int w = 0; w < kEvaluatedWells; ++w) {
        // Reversed well-table parts can make a sum negative; it adds nothing rather than no number.
        const double a = wellScaledSum[size_t(w)] > 0 ? std::sqrt(wellScaledSum[size_t(w)]) : 0.0;
        run.wellActivityNow[size_t(w)] += a;
        if (scan < 0 || !run.keepsWell(w))
            continue;
        double& value = run.wellActivity[run.slot(w, scan)];
        if (value >= 0)
            value += a;
        else if (received[size_t(w)])
            value = a;
    }
}
