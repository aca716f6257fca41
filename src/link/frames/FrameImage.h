#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

// A window's frame buffer: one plane per camera 0 to 6, each a grid of cells
// [x 0..192][y 0..192] that hold an 8-bit grey value or nothing. Every access
// is bounds-checked: a cell outside the grid reads as empty and takes no write.
class FrameImage {
public:
    static constexpr int kPlanes = 7;
    static constexpr int kCellsX = 193;
    static constexpr int kCellsY = 193;

    FrameImage() : cells_(static_cast<size_t>(kPlanes * kCellsX * kCellsY), kEmpty) {}

    static bool contains(int plane, int x, int y)
    {
        return plane >= 0 && plane < kPlanes && x >= 0 && x < kCellsX && y >= 0 && y < kCellsY;
    }

    std::optional<quint8> cell(int plane, int x, int y) const
    {
        if (!contains(plane, x, y))
            return std::nullopt;
        const qint16 v = cells_[index(plane, x, y)];
        return v == kEmpty ? std::nullopt : std::optional<quint8>(static_cast<quint8>(v));
    }
    // The grey a cell is drawn in: its value, 0 when empty.
    int grey(int plane, int x, int y) const { return cell(plane, x, y).value_or(0); }

    void set(int plane, int x, int y, quint8 value)
    {
        if (contains(plane, x, y))
            cells_[index(plane, x, y)] = value;
    }
    void clear(int plane, int x, int y)
    {
        if (contains(plane, x, y))
            cells_[index(plane, x, y)] = kEmpty;
    }

private:
    static constexpr qint16 kEmpty = -1;
    static size_t index(int plane, int x, int y) { return static_cast<size_t>((plane * kCellsX + x) * kCellsY + y); }

    std::vector<qint16> cells_;
};
