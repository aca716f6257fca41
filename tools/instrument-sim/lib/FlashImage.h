#pragma once

#include "lib/FlashMemory.h"

#include <QByteArray>

#include <vector>

// Bytes to place in the simulated flash before a test or a session: each
// entry from its bank's first line on, line after line, so a section of
// several pages is one entry. The program's flash layout builds the bytes;
// the instrument, like the real one, knows nothing of what they mean.
struct FlashImageEntry {
    int bank = 0;
    int firstLine = 0;
    QByteArray bytes;
};
using FlashImage = std::vector<FlashImageEntry>;

// Stores every entry; false when an entry lies outside the memory (nothing of
// that entry is then stored).
bool seedFlash(FlashMemory& flash, const FlashImage& image);

// A section gone missing: the page reads as erased flash.
bool eraseFlashPage(FlashMemory& flash, int bank, int firstLine);

// A page spoiled in the memory itself: the stored byte at `offset` (0 to 95)
// with its bits inverted, so every read returns it that way.
bool corruptFlashByte(FlashMemory& flash, int bank, int firstLine, int offset);
