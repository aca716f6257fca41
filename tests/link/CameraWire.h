#pragma once

#include "Bytes.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <utility>

// Frames one after the other, as they go on the wire.
inline QByteArray frameSequence(std::initializer_list<std::pair<char, int>> letterAndB)
{
    QByteArray wire;
    for (const auto& [letter, b] : letterAndB)
        wire += frameBytes(letter, 0, b);
    return wire;
}

// A three-byte echo: letter, A, B.
inline QByteArray echoBytes(char letter, int a, int b) { return bytes({letter, a, b}); }
