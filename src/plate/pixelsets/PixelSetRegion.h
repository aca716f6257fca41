#pragma once

#include <QtGlobal>

#include <vector>

// A point of a camera frame as the pixel sets name it: x the pixel, y the line
// (the frame buffer's cell [x][y], drawn at x, y on the frame picture).
struct FramePoint {
    int pixel = 0;
    int line = 0;

    bool operator==(const FramePoint&) const = default;
};

// The cells of a pixel set: [line 0..141][pixel 0..191], each in or out.
// Access outside the grid reads "out" and marks nothing.
class PixelSetRegion {
public:
    static constexpr int kLines = 142;
    static constexpr int kPixels = 192;

    PixelSetRegion() : cells_(static_cast<size_t>(kLines * kPixels), 0) {}

    static bool contains(int line, int pixel) { return line >= 0 && line < kLines && pixel >= 0 && pixel < kPixels; }
    bool at(int line, int pixel) const { return contains(line, pixel) && cells_[index(line, pixel)] != 0; }
    void mark(int line, int pixel, bool in = true)
    {
        if (contains(line, pixel))
            cells_[index(line, pixel)] = in ? 1 : 0;
    }
    int count() const
    {
        int n = 0;
        for (const quint8 c : cells_)
            n += c;
        return n;
    }

    bool operator==(const PixelSetRegion&) const = default;

private:
    static size_t index(int line, int pixel) { return static_cast<size_t>(line * kPixels + pixel); }

    std::vector<quint8> cells_;
};
