#pragma once

#include "picture/PictureCanvas.h"

#include <QString>

#include <optional>

// The frame geometry the page last took from txt_lines, txt_pix and txt_crc.
struct PageFrameGeometry {
    int frameLineCount = 0;
    int framePixelCount = 0;
    int frameExtraBytes = 0;
};

// The geometry of the three boxes: lines and pixels whole numbers above 0,
// extra bytes a whole number from 0; none for any other text.
std::optional<PageFrameGeometry> readPageFrameGeometry(const QString& txt_lines, const QString& txt_pix,
                                                       const QString& txt_crc);

// The grid overlay button "set" and what it draws.
struct GridOverlay {
    bool gridOverlayOn = false;
    QString caption = QStringLiteral("set");
};

inline constexpr int kGridCells = 4;

// Switches the overlay. Switched on, the picture is cleared and scaled to the
// frame (4 units a pixel) and, for the plate format "w96f" (any case), a blue
// grid of 4 by 4 cells is drawn over it. Boxes that do not hold a geometry
// leave the picture as it was. Switched off, the drawn grid stays.
void toggleGridOverlay(GridOverlay& overlay, PageFrameGeometry& geometry, PictureCanvas& Picact,
                       const QString& plateFormat, const QString& txt_lines, const QString& txt_pix,
                       const QString& txt_crc);
