#include "plate/pixelsets/PixelSetRays.h"

#include "core/Colors.h"
#include "core/Rounding.h"
#include "picture/PictureCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kRayStepDegrees = 15;
constexpr int kRayLength = 50;
constexpr int kStartSmoothing = 5;
constexpr double kThresholdFactor = 0.5;
constexpr double kNoiseFactor = 3.0;
// The instrument's own figure for pi: edge positions depend on it.
constexpr double kPi = 3.1416;

// The usable area of a frame for rays.
constexpr int kFirstPixel = 1;
constexpr int kLastPixel = 185;
constexpr int kFirstLine = 1;
constexpr int kLastLine = 139;

// The fill covers lines 0 to 140 and pixels 0 to 190.
constexpr int kFillLines = 141;
constexpr int kFillPixels = 191;

const QColor kRayColour = colorFromBgr(0xFF0000);     // blue
const QColor kOutlineColour = colorFromBgr(0x00FF00); // green

int rounded(double v) { return static_cast<int>(roundHalfEven(v)); }

bool insideUsableArea(int pixel, int line)
{
    return pixel >= kFirstPixel && pixel <= kLastPixel && line >= kFirstLine && line <= kLastLine;
}

// One ray: its offsets and grey samples out to its length a.
struct Ray {
    std::array<int, kRayLength + 1> dx{};
    std::array<int, kRayLength + 1> dy{};
    // Room past the end: the first samples are smoothed forward by up to 5.
    std::array<int, kRayLength + 1 + kStartSmoothing> g{};
    int length = kRayLength;
};

// Samples the ray; a ray that leaves the usable area ends there and narrows
// the smoothing for the rest of the build.
Ray sampleRay(const FrameGrey& grey, FramePoint centre, int degrees, int& smoothing)
{
    const double theta = degrees / 360.0 * 2 * kPi;
    Ray ray;
    for (int r = 0; r < ray.length; ++r) {
        ray.dx[r] = rounded(r * std::sin(theta));
        ray.dy[r] = rounded(r * std::cos(theta));
        const int pixel = centre.pixel + ray.dx[r];
        const int line = centre.line + ray.dy[r];
        if (!insideUsableArea(pixel, line)) {
            ray.length = r;
            if (r < smoothing)
                smoothing = r;
            break;
        }
        ray.g[r] = grey(pixel, line);
    }
    return ray;
}

// The smoothed profile s(0..a) with its minimum, total and total of steps from r = 2.
struct Profile {
    std::array<int, kRayLength + 1> s{};
    int minimum = 99999;
    long sum = 0;
    long steps = 0;
};

Profile smooth(const Ray& ray, int w)
{
    const int a = ray.length;
    Profile p;
    for (int r = 0; r <= a; ++r) {
        int from = 0;
        int to = 0;
        if (r < w) {
            from = r;
            to = r + w;
        } else if (r > a - w) {
            from = r - w;
            to = r;
        } else {
            from = rounded(r - w / 2.0);
            to = rounded(r + w / 2.0);
        }
        long total = 0;
        for (int i = from; i <= to; ++i)
            total += ray.g[static_cast<size_t>(i)];
        p.s[r] = rounded(static_cast<double>(total) / (to - from + 1));
        p.minimum = std::min(p.minimum, p.s[r]);
        p.sum += p.s[r];
        if (r >= 2)
            p.steps += std::abs(p.s[r] - p.s[r - 1]);
    }
    return p;
}

// The index of the ray's edge: the walk goes out while the profile stays above
// the threshold and its steps stay within the noise.
int edgeIndex(const Profile& p, int a)
{
    const double mean = static_cast<double>(p.sum) / a;
    const double meanStep = static_cast<double>(p.steps) / a;
    const int threshold = rounded(p.minimum + (mean - p.minimum) * kThresholdFactor);
    double deviation = 0;
    for (int r = 1; r <= a; ++r)
        deviation += std::abs(meanStep - std::abs(p.s[r] - p.s[r - 1]));
    const double noise = deviation / (a - 1);

    int r = 1;
    while (r < a && p.s[r] > threshold && kNoiseFactor * noise > std::abs(meanStep - std::abs(p.s[r] - p.s[r - 1])))
        ++r;
    return r - 1;
}

// Marks the segment between the previous edge (px, py) and this one (ex, ey),
// offsets from the centre, once stepping along pixels and once along lines.
void markSegment(PixelSetRegion& region, FramePoint c, int px, int py, int ex, int ey)
{
    const int pixelSpan = px - ex;
    const int pixelStep = px < ex ? -1 : 1;
    for (int k = 0; pixelStep > 0 ? k <= pixelSpan : k >= pixelSpan; k += pixelStep) {
        const int rise = pixelSpan == 0 ? 0 : rounded(static_cast<double>(k) * (py - ey) / pixelSpan);
        region.mark(c.line + py - rise, c.pixel + px - k);
    }
    const int lineSpan = py - ey;
    const int lineStep = py < ey ? -1 : 1;
    for (int k = 0; lineStep > 0 ? k <= lineSpan : k >= lineSpan; k += lineStep) {
        const int run = lineSpan == 0 ? 0 : rounded(static_cast<double>(k) * (px - ex) / lineSpan);
        region.mark(c.line + py - k, c.pixel + px - run);
    }
}

void fillRows(PictureCanvas& Picact, PixelSetRegion& region)
{
    for (int line = 0; line < kFillLines; ++line) {
        int first = -1;
        int last = -1;
        for (int pixel = 0; pixel < kFillPixels; ++pixel) {
            if (!region.at(line, pixel))
                continue;
            if (first < 0)
                first = pixel;
            last = pixel;
        }
        if (first < 0)
            continue;
        for (int pixel = first; pixel <= last; ++pixel)
            region.mark(line, pixel);
        Picact.line(first, line, last, line, kRayColour);
    }
}

void fillColumns(PictureCanvas& Picact, PixelSetRegion& region)
{
    for (int pixel = 0; pixel < kFillPixels; ++pixel) {
        int first = -1;
        int last = -1;
        for (int line = 0; line < kFillLines; ++line) {
            if (!region.at(line, pixel))
                continue;
            if (first < 0)
                first = line;
            last = line;
        }
        if (first < 0)
            continue;
        for (int line = first; line <= last; ++line)
            region.mark(line, pixel);
        Picact.line(pixel, first, pixel, last, kRayColour);
    }
}

} // namespace

RaySearch FindPixelSetByRays(PictureCanvas& Picact, const FrameGrey& grey, FramePoint centre)
{
    RaySearch search;
    int smoothing = kStartSmoothing;
    int px = 0;
    int py = 0;
    for (int degrees = 0; degrees <= 360; degrees += kRayStepDegrees) {
        const Ray ray = sampleRay(grey, centre, degrees, smoothing);
        search.smoothing = smoothing;
        const int a = ray.length;
        const Profile profile = smooth(ray, smoothing);
        if (a < 2)
            return search;
        const int e = edgeIndex(profile, a);
        const int ex = ray.dx[e];
        const int ey = ray.dy[e];
        search.edges.push_back({centre.pixel + ex, centre.line + ey});

        Picact.line(centre.pixel, centre.line, centre.pixel + ex, centre.line + ey, kRayColour);
        Picact.line(centre.pixel + px, centre.line + py, centre.pixel + ex, centre.line + ey, kOutlineColour);
        if (px != 0 || py != 0)
            markSegment(search.region, centre, px, py, ex, ey);
        px = ex;
        py = ey;
    }
    fillRows(Picact, search.region);
    fillColumns(Picact, search.region);
    search.complete = true;
    return search;
}
