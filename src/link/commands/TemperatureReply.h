#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// The three bytes [letter, hi, lo] that answer every "T" command. The digital
// controller answers "T" in sixteenths of a degree Celsius; the analog one
// answers "t" with a raw sensor reading in 1280ths, which the temperature-sensor
// factors turn into degrees.
struct TemperatureReply {
    static constexpr quint8 kDigitalLetter = 'T';
    static constexpr quint8 kAnalogLetter = 't';

    quint8 letter = 0;
    int n = 0;          // hi * 256 + lo, 0 to 65535

    bool isDigital() const { return letter == kDigitalLetter; }
    bool isAnalog() const { return letter == kAnalogLetter; }
    // n / 16 for "T", n / 1280 for "t", 0 for any other letter.
    double value() const;
    // A reading is taken only when 0 < value < 100.
    bool valid() const;
};

// Whether a decoded value is a usable reading: 0 and 100 themselves are not.
bool isValidTemperature(double value);

// The reply, or none when fewer than three bytes came (it cannot be decoded).
std::optional<TemperatureReply> decodeTemperatureReply(const QByteArray& reply);

// The reading of a reply to a heat, cool or off command: "T" on hardware
// generation 2 in degrees, "t" on generation 1 raw; 0 when the value is not
// valid, the letter does not belong to the generation, or the reply is short.
double ParseTemperatureReply(const QByteArray& reply, int hardwareGeneration);
