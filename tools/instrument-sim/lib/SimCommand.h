#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// A command as the instrument received it: framed (0xFF, letter, A, B, check)
// or unframed (letter, A, B only). An unframed command that announces data
// comes twice: once as it arrives, with no payload, and again with the data
// bytes that followed it.
struct SimCommand {
    quint8 letter = 0;
    quint8 a = 0;
    quint8 b = 0;
    bool framed = true;
    QByteArray payload = {};
    // The check byte was made with the capital of the letter (a sensor
    // register's second phase, which the instrument takes all the same).
    bool capitalCheck = false;

    bool operator==(const SimCommand&) const = default;
};

// How many data bytes follow an unframed command; 0 for none.
using UnframedPayloadSize = std::function<int(const SimCommand& header)>;
