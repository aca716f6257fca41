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
