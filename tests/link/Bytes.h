#pragma once

#include <QByteArray>

#include <initializer_list>

// Bytes by value, NUL bytes included.
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (const int v : values)
        b += static_cast<char>(v);
    return b;
}

// The exclusive-or of every byte.
inline quint8 xorOf(const QByteArray& data)
{
    quint8 x = 0;
    for (const char c : data)
        x ^= static_cast<quint8>(c);
    return x;
}

// The five bytes of a framed command: start byte, letter, A, B and the check.
inline QByteArray frameBytes(char letter, int a, int b)
{
    return bytes({0xFF, letter, a, b, letter ^ a ^ b});
}
