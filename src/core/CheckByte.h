#pragma once

#include <QByteArrayView>

// The exclusive-or of every byte: the check byte of frames, replies and flash pages.
inline quint8 xorCheckByte(QByteArrayView bytes)
{
    quint8 check = 0;
    for (const char b : bytes)
        check ^= static_cast<quint8>(b);
    return check;
}
