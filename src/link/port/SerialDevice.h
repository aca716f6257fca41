#pragma once

#include "link/port/SerialSettings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// Read and write time-outs of a port, in the system's terms. A read of n bytes
// returns once n bytes have come, when the gap after a byte exceeds the
// interval, or when the total (multiplier times n plus constant) has passed.
struct CommTimeouts {
    int readIntervalMs = 0;
    int readTotalMultiplierMs = 0;
    int readTotalConstantMs = 0;
    int writeTotalMultiplierMs = 0;
    int writeTotalConstantMs = 0;
};

// One serial device as the system offers it. Each step reports failure by its
// result and leaves a system error code (SystemErrorText.h: 2 missing, 5 busy
// or forbidden, 6 not open) in lastErrorCode().
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Opens the device for reading and writing, exclusively: nobody else may hold it.
    virtual bool open(const QString& path) = 0;
    virtual bool setQueueSizes(int inBytes, int outBytes) = 0;
    // Drops pending transfers and empties both directions.
    virtual bool purge() = 0;
    virtual bool setTimeouts(const CommTimeouts& timeouts) = 0;
    virtual bool currentSettings(SerialSettings& settings) = 0;
    virtual bool applySettings(const SerialSettings& settings) = 0;
    // Reads up to maxBytes within the time-outs into `data`; the count, or -1.
    virtual qint64 read(QByteArray& data, int maxBytes) = 0;
    // Writes within the time-outs; the count written, or -1.
    virtual qint64 write(const QByteArray& data) = 0;
    virtual bool close() = 0;

    virtual qint32 lastErrorCode() const = 0;
    // The line's error flags (overrun, parity, framing ...), cleared by reading them.
    virtual quint32 takeLineErrorFlags() = 0;

    // Called once when the device is gone (the line hung up, the device was
    // unplugged): by then the device has closed itself. It may come from a
    // read or write that failed, or from the event loop while nothing is
    // exchanged. A device that cannot tell never calls it.
    virtual void setLostHandler(std::function<void()> handler) { (void)handler; }
};

// Makes a fresh device for each open, so that the program or a test chooses
// real or scripted devices.
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>()>;
