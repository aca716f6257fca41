#pragma once

#include "acquisition/run/RunSetup.h"
#include "plate/geometry/PlateGeometry.h"
#include "projects/RunResults.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kSamplesPerWindow = 11;

// The frame texts of a window's eleven samples, one byte per pixel: byte k
// (counted from 1) is position k of the window's pixel list.
using SampleFrames = std::array<QByteArray, kSamplesPerWindow>;

// sampleLines: the samples' pixel values by sample 0..10 and position
// 0..windowPixels. Positions the evaluation does not fill read 0.
class SampleLines {
public:
    explicit SampleLines(int windowPixels = 0) { resize(windowPixels); }
    // Sized anew and cleared.
    void resize(int windowPixels);
    int windowPixels() const { return windowPixels_; }

    int at(int sample, int position) const { return values_[index(sample, position)]; }
    void set(int sample, int position, int value) { values_[index(sample, position)] = value; }

private:
    size_t index(int sample, int position) const
    {
        return static_cast<size_t>(sample) * static_cast<size_t>(windowPixels_ + 1) + static_cast<size_t>(position);
    }
    int windowPixels_ = 0;
    std::vector<int> values_;
};

// The current window's working tables, sized when the loop selects a window and
// reused by its evaluation.
struct WindowActivity {
    int windowPixels = 0; // the last position evaluated
    SampleLines sampleLines;
    std::vector<std::int32_t> pixelActivityCount;  // active samples per position, at most 32000 and one evaluation more
    std::vector<std::int64_t> pixelActivityScaled; // the count scaled by its well's size, rounded

    explicit WindowActivity(int pixels = 0) { reset(pixels); }
    // Every table sized for positions 0..pixels and cleared.
    void reset(int pixels);
};

// The number of the ten differences (samples 1..10) in which position k moved
// together with one of its four earlier neighbours (left, above, above left,
// above right), by more than 4 grey levels and more than 4 % of the local level,
// in the same direction. h is the window's line length; 0 for a position whose
// neighbourhood leaves 1..windowPixels - 1.
int CountActiveSamples(const SampleLines& S, int k, int h);

// What one evaluation needs besides the run record.
struct WindowEvaluationInput {
    const SampleFrames& samples;
    const WindowPixelList& pixels;   // the window's pixel list
    const RunSetup& setup;           // wellPixelCount and meanWellPixels
    const WellSpecTable& wells;      // the area factor of each pixel's rectangle
    int camera = 0;
    int lineLength = 0;              // windowLineLength: rowEnd - rowStart + 1 of the window
};

// Evaluates the window from its eleven samples: positions 3..windowPixels are
// counted, scaled by their well's size and summed per well; each well 0..95
// adds the square root of its sum to wellActivityNow and to its value in the
// run's current (last) scan. Fills the window's tables.
void evaluateWindowActivity(const WindowEvaluationInput& in, WindowActivity& window, RunResults& run);
