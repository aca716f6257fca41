#include "advanced/AdvancedGridOverlay.h"

#include "advanced/AdvancedBoxNumbers.h"
#include "core/Rounding.h"
#include "plate/pictures/PlatePicture.h"

#include <cmath>

namespace {

const QColor kGridColour(0, 0, 255);

} // namespace

std::optional<PageFrameGeometry> readPageFrameGeometry(const QString& txt_lines, const QString& txt_pix,
                                                       const QString& txt_crc)
{
    const std::optional<int> lines = wholeBoxNumber(txt_lines, 1);
    const std::optional<int> pixels = wholeBoxNumber(txt_pix, 1);
    const std::optional<int> extra = wholeBoxNumber(txt_crc, 0);
    if (!lines || !pixels || !extra)
        return std::nullopt;
    return PageFrameGeometry{*lines, *pixels, *extra};
}

void toggleGridOverlay(GridOverlay& overlay, PageFrameGeometry& geometry, PictureCanvas& Picact,
                       const QString& plateFormat, const QString& txt_lines, const QString& txt_pix,
                       const QString& txt_crc)
{
    if (overlay.gridOverlayOn) {
        overlay.gridOverlayOn = false;
        overlay.caption = QStringLiteral("setOFF");
        return;
    }
    overlay.gridOverlayOn = true;
    overlay.caption = QStringLiteral("setON");
    // A zero or unreadable size would scale the picture to nothing.
    const std::optional<PageFrameGeometry> read = readPageFrameGeometry(txt_lines, txt_pix, txt_crc);
    if (!read)
        return;
    geometry = *read;
    InitPlateView(Picact, geometry.framePixelCount, geometry.frameLineCount);
    if (plateFormat.compare(QStringLiteral("w96f"), Qt::CaseInsensitive) != 0)
        return;
    const double width = 4.0 * geometry.framePixelCount;
    const double height = 4.0 * geometry.frameLineCount;
    for (int k = 0; k <= kGridCells; ++k) {
        const double x = static_cast<double>(roundHalfEven(k * (width / kGridCells)));
        const double y = static_cast<double>(roundHalfEven(k * (height / kGridCells)));
        Picact.line(x, 0, x, height, kGridColour);
        Picact.line(0, y, width, y, kGridColour);
    }
}
