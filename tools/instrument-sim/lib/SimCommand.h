#pragma once

#include <QtGlobal>

// A framed command as the instrument received it.
struct SimCommand {
    quint8 letter = 0;
    quint8 a = 0;
    quint8 b = 0;

    bool operator==(const SimCommand&) const = default;
};
