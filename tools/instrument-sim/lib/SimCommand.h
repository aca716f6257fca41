#pragma once

#include <QtGlobal>

// A command as the instrument received it: framed (0xFF, letter, A, B, check)
// or unframed (letter, A, B only).
struct SimCommand {
    quint8 letter = 0;
    quint8 a = 0;
    quint8 b = 0;
    bool framed = true;

    bool operator==(const SimCommand&) const = default;
};
