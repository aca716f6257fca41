#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

// The five bytes of a framed command: start byte 0xFF, letter, A, B, and the
// check letter XOR A XOR B (the start byte is not part of the check).
struct CommandFrame {
    static constexpr quint8 kStart = 0xFF;
    std::array<quint8, 5> bytes{};

    quint8 letter() const { return bytes[1]; }
    quint8 a() const { return bytes[2]; }
    quint8 b() const { return bytes[3]; }
    quint8 check() const { return bytes[4]; }

    QByteArray toByteArray() const;
    std::span<const quint8> span() const { return bytes; }
    // The five bytes as characters, as the "sending " lines show them.
    QString characters() const;
};

quint8 frameCheck(quint8 letter, quint8 a, quint8 b);

// The frame for a letter and two arguments; none when A or B lies outside 0 to
// 255, in which case the sender sends nothing.
std::optional<CommandFrame> makeCommandFrame(char letter, int a, int b);

// A value above a byte travels as A = the value divided by 256 rounded down,
// B = the value minus 256 times A.
struct WordBytes {
    int high;
    int low;
};
WordBytes splitWord(int value);

// The frame carrying a value as high and low byte; none when the value does
// not fit 0 to 65535.
std::optional<CommandFrame> makeWordFrame(char letter, int value);
