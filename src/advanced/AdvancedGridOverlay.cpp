#include "advanced/AdvancedGridOverlay.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "plate/pictures/PlatePicture.h"

#include <cmath>

namespace {

const QColor kGridColour(0, 0, 255);

std::optional<int> wholeNumber(const QString& text, int minimum)
{
    const std::optional<double> value = strictNumberValue(text);
    if (!value || *value != std::floor(*value) || *value < minimum || *value > 32767)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

std::optional<PageFrameGeometry> readPageFrameGeometry(const QString& txt_lines, const QString& txt_pix,
                                                       const QString& txt_crc)
{
    const std::optional<int> lines = wholeNumber(txt_lines, 1);
    const std::optional<int> pixels = wholeNumber(txt_pix, 1);
    const std::optional<int> extra = wholeNumber(txt_crc, 0);
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
