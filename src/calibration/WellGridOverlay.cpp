#include "calibration/WellGridOverlay.h"

#include "core/Rounding.h"
#include "picture/PictureCanvas.h"

#include <cmath>
#include <cstdlib>

namespace {

const QColor kRed(255, 0, 0);
constexpr int kMargin = 4;

double rounded(double v) { return double(roundHalfEven(v)); }

} // namespace

void DrawWellGridOverlay(PictureCanvas& Picact, const PlateGeometry& g, int camera, int lines, int pixels)
{
    if (camera < 0 || camera >= kCameraCount || g.firstColumn[size_t(camera)] < 0 || g.firstRow[size_t(camera)] < 0)
        return;
    const auto c = size_t(camera);
    const int columns = std::min(g.lastColumn[c] - g.firstColumn[c], kColumnWindows - 1);
    const int rows = std::min(g.lastRow[c] - g.firstRow[c], kRowWindows - 1);
    Picact.font.setPointSize(8);

    for (int k = 0; k <= columns; ++k) {
        Picact.line(g.columnStart[c][size_t(k)], 0, g.columnStart[c][size_t(k)], pixels, kRed);
        Picact.line(g.columnEnd[c][size_t(k)], 0, g.columnEnd[c][size_t(k)], pixels, kRed);
    }
    for (int r = 0; r <= rows; ++r) {
        Picact.line(0, g.rowStart[c][size_t(r)], lines, g.rowStart[c][size_t(r)], kRed);
        Picact.line(0, g.rowEnd[c][size_t(r)], lines, g.rowEnd[c][size_t(r)], kRed);
    }

    for (int k = 0; k <= columns && k < kSpcColumns; ++k)
        for (int r = 0; r <= rows && r < kSpcRows; ++r) {
            const int colIni = g.spcColIni[c][size_t(k)][size_t(r)];
            const int colEnd = g.spcColEnd[c][size_t(k)][size_t(r)];
            const int rowIni = g.spcRowIni[c][size_t(k)][size_t(r)];
            const int rowEnd = g.spcRowEnd[c][size_t(k)][size_t(r)];
            if (colIni == colEnd || rowIni == rowEnd)
                continue;
            const int x0 = g.columnStart[c][size_t(k)];
            const int rowStart = g.rowStart[c][size_t(r)];
            const int band = g.rowEnd[c][size_t(r)] - rowStart;
            const double w = rounded(100.0 / std::abs(colIni - colEnd) * (g.columnEnd[c][size_t(k)] - x0));
            const double h = rounded(100.0 / std::abs(rowIni - rowEnd) * band);
            if (h < 1)
                continue;
            const double halfW = rounded(w / 2);
            const double radius = h / 2 - kMargin;
            for (int step = kMargin; step <= band - kMargin; ++step) {
                const double dy = rowIni == 0 ? std::fabs(h / 2 - step) : (band - kMargin) - std::fabs(h / 2 - step);
                const double half = rounded(std::sqrt(std::fabs(radius * radius - dy * dy)));
                const double d = rounded(w / h * half);
                const double y = rowStart + step;
                if (colIni != 0) {
                    Picact.line(x0 + d, y, x0 + d - 1, y, kRed);
                } else {
                    Picact.line(x0 + halfW - d, y, x0 + halfW - d + 1, y, kRed);
                    if (colEnd == 100)
                        Picact.line(x0 + halfW + d, y, x0 + halfW + d - 1, y, kRed);
                }
            }
        }

    Picact.foreColor = kRed;
    for (int k = 0; k <= columns; ++k)
        for (int r = 0; r <= rows; ++r) {
            Picact.currentX = (g.columnEnd[c][size_t(k)] + g.columnStart[c][size_t(k)]) / 2.0;
            Picact.currentY = (g.rowEnd[c][size_t(r)] + g.rowStart[c][size_t(r)]) / 2.0;
            Picact.print(g.rowLabel[c][size_t(r)] + g.columnLabel[c][size_t(k)]);
        }
}
