#include "acquisition/run/LiveFrameDrawing.h"

#include "link/commands/CameraValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const QColor kPaleBackground(255, 255, 200);
const QColor kOutsideWell(255, 255, 255);
const QColor kColumnBand(200, 200, 200);
const QColor kProgressMark(240, 240, 220);
constexpr int kMinChange = 4;

// The pixel pass as a grid of cells: cell (c, j) is the box (c, j)-(c + 1, j + 1)
// of pixel i = c + 1 on frame line j; 0 marks a cell that is not drawn.
struct CellGrid {
    int columns = 0; // c 0..columns-1
    int rows = 0;    // j 0..rows-1
    std::vector<QRgb> cells;

    QRgb at(int c, int j) const
    {
        return c >= 0 && c < columns && j >= 0 && j < rows ? cells[size_t(j) * size_t(columns) + size_t(c)] : 0;
    }
};

int codeAt(const QByteArray& text, std::int64_t offset, int otherwise)
{
    return offset >= 0 && offset < text.size() ? static_cast<unsigned char>(text.at(qsizetype(offset))) : otherwise;
}

// Whether a pixel of a difference sample moved together with one of its earlier neighbours.
bool movedWithNeighbour(const QByteArray& frame, const QByteArray& difference, std::int64_t p, int i, int j, int Y)
{
    const int d0 = codeAt(difference, p, 128) - 128;
    std::array<std::int64_t, 4> neighbours{};
    int present = 0;
    if (i >= 2)
        neighbours[size_t(present++)] = p - 1;
    if (j >= 1)
        neighbours[size_t(present++)] = p - Y;
    if (i >= 2 && j >= 1)
        neighbours[size_t(present++)] = p - Y - 1;
    if (i < Y && j >= 1)
        neighbours[size_t(present++)] = p - Y + 1;
    if (present == 0 || d0 <= kMinChange)
        return false;
    double mean = 0;
    for (int n = 0; n < present; ++n)
        mean += codeAt(frame, neighbours[size_t(n)], 0);
    mean /= present;
    const double threshold = 4.0 / 100.0 * mean;
    for (int n = 0; n < present; ++n) {
        const int dn = codeAt(difference, neighbours[size_t(n)], 128) - 128;
        if (dn > kMinChange && dn > threshold && std::abs(d0 + dn) / 2.0 > kMinChange)
            return true;
    }
    return false;
}

CellGrid pixelCells(const LivePicture& picture, const QByteArray& frame, const QByteArray& difference, int mode)
{
    const int X = roundedBoxValue(picture.boxes.txt_xfin) - roundedBoxValue(picture.boxes.txt_xini) + 1;
    const int Y = roundedBoxValue(picture.boxes.txt_yfin) - roundedBoxValue(picture.boxes.txt_yini) + 1;
    CellGrid grid;
    if (Y < 1 || X < 0 || frame.isEmpty())
        return grid;
    // Offsets from the text's length on are skipped: no cell beyond them is ever drawn.
    const std::int64_t length = frame.size();
    grid.columns = int(std::min<std::int64_t>(Y, length));
    grid.rows = int(std::min<std::int64_t>(X, length / Y) + 1);
    grid.cells.assign(size_t(grid.columns) * size_t(grid.rows), 0);
    for (int i = 1; i <= grid.columns; ++i)
        for (int j = 0; j < grid.rows; ++j) {
            const std::int64_t p = std::int64_t(j) * Y + i;
            if (p >= length)
                continue;
            QRgb colour = 0;
            if (mode == int(LiveImageMode::Difference)) {
                if (movedWithNeighbour(frame, difference, p, i, j, Y)) {
                    const int v = std::min(std::abs(codeAt(difference, p, 128) - 128) * 5, 200);
                    colour = qRgb(255 - v, 255 - v, 200 - v);
                } else if (picture.sampleCount == 1) {
                    colour = kPaleBackground.rgb();
                }
            } else {
                const int g = codeAt(frame, p, 0);
                if (g != 0)
                    colour = qRgb(g, g, g);
            }
            grid.cells[size_t(j) * size_t(grid.columns) + size_t(i - 1)] = colour;
        }
    return grid;
}

bool onePixelPerUnit(const PictureCanvas& canvas)
{
    return canvas.scaleWidth() == canvas.widthPx() && canvas.scaleHeight() == canvas.heightPx()
           && canvas.scaleLeft() == std::floor(canvas.scaleLeft()) && canvas.scaleTop() == std::floor(canvas.scaleTop());
}

// At one unit per picture pixel a cell's box covers its own picture pixel and
// the ones to its right and below; of the boxes over a picture pixel the one
// drawn last shows (cells go column by column, down each column). The result is
// composed here and written pixel by pixel, without a fill per cell.
void writeCellsDirect(PictureCanvas& canvas, const CellGrid& grid)
{
    const int savedWidth = canvas.drawWidth;
    canvas.drawWidth = 1;
    for (int v = 0; v <= grid.rows; ++v)
        for (int u = 0; u <= grid.columns; ++u) {
            QRgb colour = grid.at(u, v);
            if (!colour)
                colour = grid.at(u, v - 1);
            if (!colour)
                colour = grid.at(u - 1, v);
            if (!colour)
                colour = grid.at(u - 1, v - 1);
            if (colour)
                canvas.point(u, v, QColor::fromRgb(colour));
        }
    canvas.drawWidth = savedWidth;
}

// Any other scale: one box per run of equal cells down a column, the same
// pixels as a box per cell.
void writeCellsAsBoxes(PictureCanvas& canvas, const CellGrid& grid)
{
    for (int c = 0; c < grid.columns; ++c) {
        int j = 0;
        while (j < grid.rows) {
            const QRgb colour = grid.at(c, j);
            int end = j + 1;
            while (end < grid.rows && grid.at(c, end) == colour)
                ++end;
            if (colour)
                canvas.filledBox(c, j, c + 1, end, QColor::fromRgb(colour));
            j = end;
        }
    }
}

// The last cell drawn, where the current position of the picture ends.
void endAtLastCell(PictureCanvas& canvas, const CellGrid& grid)
{
    for (int c = grid.columns - 1; c >= 0; --c)
        for (int j = grid.rows - 1; j >= 0; --j)
            if (grid.at(c, j)) {
                canvas.currentX = c + 1;
                canvas.currentY = j + 1;
                return;
            }
}

// White over the pixels of the window's wells that lie outside their masks,
// then a grey band after every well column but the last.
void drawMaskAndBands(const LivePicture& picture, int camera, int window)
{
    const CameraWindowTables& t = picture.tables;
    if (camera < 0 || camera >= kCameraSlots || window < 0 || window >= kRowWindows)
        return;
    const auto c = size_t(camera);
    const int lastK = t.lastColumn[c] - t.firstColumn[c];
    if (lastK >= kColumnWindows)
        return;
    const int height = t.rowEnd[c][size_t(window)] - t.rowStart[c][size_t(window)];
    const WindowPixelList* list = picture.setup.window(camera, window);
    PictureCanvas& canvas = picture.Picact2;
    int n = 0;
    int offset = 0;
    for (int k = 0; k <= lastK; ++k) {
        const int extent = t.columnEnd[c][size_t(k)] - t.columnStart[c][size_t(k)];
        for (int a = 0; a <= extent; ++a) {
            // Positions run down from the window's last pixel; outside runs are one box each.
            int runTop = -1; // highest r of the current run
            for (int r = height; r >= 0; --r) {
                ++n;
                const bool outside = !(list && list->inWellAt(n));
                if (outside && runTop < 0)
                    runTop = r;
                if (runTop >= 0 && (!outside || r == 0)) {
                    const int runBottom = outside ? r : r + 1;
                    canvas.filledBox(runBottom, offset + a, runTop + 1, offset + a + 1, kOutsideWell);
                    runTop = -1;
                }
            }
        }
        if (k < lastK) {
            offset += extent;
            canvas.filledBox(-1, offset - 1, height + 1, offset + 1, kColumnBand);
        }
    }
}

} // namespace

void DrawMaskedImageWithWellGrid(const LivePicture& picture, int camera, int window, const QByteArray& frame,
                                 const QByteArray& difference, int mode)
{
    const CellGrid grid = pixelCells(picture, frame, difference, mode);
    if (onePixelPerUnit(picture.Picact2)) {
        writeCellsDirect(picture.Picact2, grid);
        endAtLastCell(picture.Picact2, grid);
    } else {
        writeCellsAsBoxes(picture.Picact2, grid);
    }
    if (mode > 1)
        return;
    drawMaskAndBands(picture, camera, window);
}

void DrawScanProgressMark(PictureCanvas& Picrealtime, int sample)
{
    Picrealtime.filledBox(10 * sample + 1, 10, 10 * sample + 10, 85, kProgressMark);
}
