#pragma once

#include <QString>
#include <QtGlobal>

enum class SerialParity { None, Even, Odd, Mark, Space };
enum class SerialStopBits { One, OneAndHalf, Two };

// The line settings of a port: what a settings text such as
// "baud=115200 parity=N data=8 stop=1" describes.
struct SerialSettings {
    qint32 baudRate = 9600;
    SerialParity parity = SerialParity::None;
    int dataBits = 8;
    SerialStopBits stopBits = SerialStopBits::One;

    bool operator==(const SerialSettings&) const = default;
};

// Rebuilds `settings` from a settings text of blank-separated key=value pairs
// (baud, parity, data, stop; keys in any case). Keys the text leaves out keep
// their value. False, with `settings` untouched, when the text cannot be read.
bool buildSerialSettings(const QString& text, SerialSettings& settings);
