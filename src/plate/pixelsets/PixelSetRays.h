#pragma once

#include "plate/pixelsets/PixelSetRegion.h"

#include <functional>
#include <vector>

class PictureCanvas;

// The grey value (0 to 255) of a camera frame at a pixel and line.
using FrameGrey = std::function<int(int pixel, int line)>;

// The outcome of a ray search.
struct RaySearch {
    // False when a ray left the usable area (pixels 1 to 185, lines 1 to 139)
    // before radius 2: the search stopped there and the region is not to be written.
    bool complete = false;
    PixelSetRegion region;           // the outline, filled by rows and then by columns
    std::vector<FramePoint> edges;   // each ray's edge point, in the order searched
    int smoothing = 0;               // the smoothing width the rays ended with
};

// Finds the bright region around a centre: 25 rays at 0, 15, ... 360 degrees,
// each smoothed and walked out from the centre until the profile drops below
// half-way between its mean and its minimum or takes an unusual step. The
// edges are joined into an outline, which is filled row by row, then column by
// column. Rays, outline and fill are drawn on the frame picture as they are
// found: blue from the centre to each edge, green from edge to edge, blue fill lines.
RaySearch FindPixelSetByRays(PictureCanvas& Picact, const FrameGrey& grey, FramePoint centre);
