#pragma once

#include "link/protocol/LinkContext.h"

#include <QtGlobal>

// What the serial-number command "N" gave on a port.
struct SerialNumberQuery {
    // The serial number; -1 when nothing came or in dummy mode; 0 when the
    // reply could not be decoded.
    qint32 value = -1;
    // Bytes came that make no 16-bit number (too few, or a high byte of 128 or
    // more): "error" was shown. Such a reply never names an instrument.
    bool undecodable = false;
};

// Sends "N" (A = 0, B = 0) on `port` and reads its number reply, showing the
// frame ("sending " ...) and then the reply ("in:" ... or "Empty") in txt_in.
// In dummy mode nothing is sent or shown and the value is -1.
SerialNumberQuery QuerySerialNumber(LinkContext& ctx, int port);

// A serial number the search accepts as the instrument's: 0 to 255.
bool isInstrumentSerialNumber(const SerialNumberQuery& query);
