#pragma once

#include "plate/pixelsets/PixelSetRegion.h"

#include <QPointF>

class PictureCanvas;

// A rectangle for a pixel set: its centre, width (pixels) and height (lines).
struct PixelSetRectangle {
    FramePoint centre;
    int width = 0;
    int height = 0;

    bool operator==(const PixelSetRectangle&) const = default;
};

// The rectangle a drag on the frame picture spans, from the frame points under
// the press and the release: its centre midway, its sides the distances.
PixelSetRectangle rectangleFromDrag(QPointF press, QPointF release);

// The rectangle mode of the build: the rectangle's cells marked (each drawn as
// a blue dot), then its four corners cut along their diagonals (each cut
// drawn as a yellow dot). A rectangle one line high cuts only its ends.
PixelSetRegion MarkPixelSetRectangle(PictureCanvas& Picact, const PixelSetRectangle& rectangle);
