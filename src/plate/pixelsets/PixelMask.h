#pragma once

#include <QtGlobal>

#include <vector>

class ProgramFolder;

// One enabled-or-disabled flag per pixel of a camera's sensor frame, for the
// camera slots 0 to 6: a grid [slot][pixel 0..192][line 0..192] of 16-bit
// flags, -1 enabled, 0 disabled. The sensor frame has 140 lines of 190 pixels;
// the rest of the grid stays 0 unless a block transfer reaches it. Access
// outside the grid reads 0 and writes nothing.
class PixelMask {
public:
    static constexpr int kSlots = 7;
    static constexpr int kCells = 193;
    static constexpr int kSensorLines = 140;
    static constexpr int kSensorPixels = 190;
    static constexpr qint16 kEnabled = -1;
    static constexpr qint16 kDisabled = 0;

    PixelMask() : flags_(static_cast<size_t>(kSlots * kCells * kCells), kDisabled) {}

    static bool contains(int slot, int pixel, int line)
    {
        return slot >= 0 && slot < kSlots && pixel >= 0 && pixel < kCells && line >= 0 && line < kCells;
    }

    qint16 flag(int slot, int pixel, int line) const
    {
        return contains(slot, pixel, line) ? flags_[index(slot, pixel, line)] : kDisabled;
    }
    bool enabled(int slot, int pixel, int line) const { return flag(slot, pixel, line) == kEnabled; }
    void set(int slot, int pixel, int line, bool on)
    {
        if (contains(slot, pixel, line))
            flags_[index(slot, pixel, line)] = on ? kEnabled : kDisabled;
    }

    // Every pixel of the slot's sensor frame disabled.
    void clearSensorFrame(int slot);

    bool operator==(const PixelMask&) const = default;

private:
    static size_t index(int slot, int pixel, int line)
    {
        return static_cast<size_t>((slot * kCells + pixel) * kCells + line);
    }

    std::vector<qint16> flags_;
};

// The mask file of mask n in the program folder: "flash<n>.dat".
QString flashMaskFileName(int maskNumber);

// Reads flash0.dat to flash5.dat into slots 0 to 5 of cameraPixelMask. A file
// changes the cells its rows name; a missing file leaves its camera with no
// enabled pixel. Rows that are no three numbers, or that name a cell outside
// the grid, are skipped.
void LoadFlashPixelMasks(PixelMask& cameraPixelMask, const ProgramFolder& folder);
