#include "plate/pixelsets/PixelSetRectangle.h"

#include "core/Colors.h"
#include "core/Rounding.h"
#include "picture/PictureCanvas.h"

#include <cmath>
#include <cstdlib>

namespace {

const QColor kMarkColour = colorFromBgr(0xFF0000); // blue
const QColor kCutColour = colorFromBgr(0x00FFFF);  // yellow

int rounded(double v) { return static_cast<int>(roundHalfEven(v)); }

// The frame cell under a point of the picture.
FramePoint cellAt(QPointF p) { return {static_cast<int>(wholePart(p.x())), static_cast<int>(wholePart(p.y()))}; }

} // namespace

PixelSetRectangle rectangleFromDrag(QPointF press, QPointF release)
{
    const FramePoint a = cellAt(press);
    const FramePoint b = cellAt(release);
    return {{rounded((a.pixel + b.pixel) / 2.0), rounded((a.line + b.line) / 2.0)},
            std::abs(b.pixel - a.pixel),
            std::abs(b.line - a.line)};
}

PixelSetRegion MarkPixelSetRectangle(PictureCanvas& Picact, const PixelSetRectangle& rectangle)
{
    const double cx = rectangle.centre.pixel;
    const double cy = rectangle.centre.line;
    const int ys = rounded(cy - rectangle.height / 2.0);
    const int ye = rounded(cy + rectangle.height / 2.0);
    const int xs = rounded(cx - rectangle.width / 2.0);
    const int xe = rounded(cx + rectangle.width / 2.0);

    PixelSetRegion region;
    for (int line = ys; line <= ye; ++line) {
        for (int pixel = xs; pixel <= xe; ++pixel) {
            region.mark(line, pixel);
            Picact.point(pixel, line, kMarkColour);
        }
    }

    const int xq = rounded(xs + (cx - xs) / 2);
    const int yq = rounded(ys + (cy - ys) / 2);
    const int cutLines = std::abs(yq - ys);
    const auto cut = [&](int line, int pixel) {
        region.mark(line, pixel, false);
        Picact.point(pixel, line, kCutColour);
    };
    for (int k = 0; k <= cutLines; ++k) {
        // The first line of a corner cuts xq - xs pixels whatever the corner's height,
        // so a rectangle without height divides nothing by zero.
        const double narrowing = k == 0 ? 0 : static_cast<double>(k) * (xq - xs) / (yq - ys);
        const int count = rounded((xq - xs) - narrowing) + 1;
        for (const int line : {ys + k, ye - k}) {
            for (int j = 0; j < count; ++j) {
                cut(line, xs + j);
                cut(line, xe - j);
            }
        }
    }
    return region;
}
