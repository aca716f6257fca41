#pragma once

#include "lib/SimCommand.h"

#include <QByteArray>

#include <array>
#include <vector>

// Finds framed commands in the bytes the program sends: 0xFF, letter, A, B,
// check. Bytes outside a frame are skipped; a frame with a wrong check byte is
// dropped as the instrument drops it, and the search starts again after it.
class FrameParser {
public:
    std::vector<SimCommand> feed(const QByteArray& bytes);
    // Frames dropped for their check byte since the last call.
    int takeRejected()
    {
        const int n = rejected_;
        rejected_ = 0;
        return n;
    }

private:
    std::array<quint8, 4> body_{};
    int have_ = -1; // bytes of the body so far; -1 while looking for the start byte
    int rejected_ = 0;
};
