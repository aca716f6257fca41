#pragma once

#include "link/port/LinkGuard.h"
#include "link/port/PortMapping.h"
#include "link/port/SerialDevice.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>

struct Globals;

// How the port in use changed: opened or closed by a window, or lost.
enum class PortInUseChange { Opened, Closed, Lost };

// One of the 16 ports.
struct CommPortRecord {
    // The device as last opened. Like the system's handle it stays after a
    // failed open and after closing; operations on it then fail at the device.
    std::unique_ptr<SerialDevice> device;
    bool open = false;
    SerialSettings settings;
};

// The serial port module: every byte between the program and the instrument
// passes here. Ports are numbered 1 to 16; each operation takes the number and
// returns a 32-bit result. Failures are recorded in the shared record
// (commLastError, commErrorSource, commErrorText); successes leave it alone.
class ModCOMM {
public:
    static constexpr int kPortCount = 16;
    static constexpr int kMaxReadBytes = 512;
    static constexpr int kQueueBytes = 1024;
    static constexpr qint32 kPortInUse = -1;
    // The code recorded for a failure of the module itself, such as a port number out of range.
    static constexpr qint32 kBadPortNumber = 87;
    // The code recorded when another exchange holds the link (the system's "busy").
    static constexpr qint32 kLinkBusy = 170;

    ModCOMM(Globals& globals, PortMapping mapping, SerialDeviceFactory factory);

    // 0 when open; -1 "Port in use." when already open; else the system's code.
    qint32 CommOpen(int port, const QString& deviceName, const QString& settings);
    // 0 when closed or not open, else the system's code.
    qint32 CommClose(int port);
    // Empties both directions; 0, else the system's code.
    qint32 CommFlush(int port);
    // Up to `wanted` bytes (at most 512) into `data`: the count, 0 when none
    // came, -1 on failure. A read of fewer than `wanted` (or than 512, when more
    // was asked) purges both directions.
    qint32 CommRead(int port, QByteArray& data, qint32 wanted);
    // The count written, -1 when the write fails.
    qint32 CommWrite(int port, const QByteArray& data);
    qint32 CommWriteBytes(int port, std::span<const quint8> bytes);

    bool isOpen(int port) const;

    // A port whose device is gone (hung up, unplugged) is closed at once; when
    // it was the port in use, portOpen is cleared, so every sender answers as
    // with a closed port, and `handler` is told which port it was.
    void setPortLostHandler(std::function<void(int port)> handler) { portLost_ = std::move(handler); }
    // Every window that shows the port's state is told when the port in use
    // opens or closes, so none keeps showing a port that is gone. The token
    // ends the watch; a watcher may end its own while it is told.
    int watchPortInUse(std::function<void(PortInUseChange)> watcher);
    void unwatchPortInUse(int token);
    void tellPortInUseChanged(PortInUseChange change);
    // The record of a port 1 to 16, nullptr for any other number.
    const CommPortRecord* record(int port) const;
    const PortMapping& mapping() const { return mapping_; }

    // Who holds the link. While window events run inside a held exchange,
    // reads, writes and flushes fail with nothing sent or taken, so a sender
    // that did not ask the guard still cannot cut into the holder's exchange.
    LinkGuard& guard() { return guard_; }
    const LinkGuard& guard() const { return guard_; }

private:
    CommPortRecord* recordFor(int port);
    qint32 recordFailure(const QString& source, qint32 code, const QString& text);
    qint32 RecordCommDllError(const QString& source, qint32 code);
    qint32 RecordCommIoError(const QString& source, CommPortRecord& record, qint32 code);
    qint32 recordBadPort(const QString& operation);
    qint32 writeData(int port, const QByteArray& data);
    void deviceLost(int port);
    bool refusedWhileBusy(const QString& operation);

    Globals& globals_;
    PortMapping mapping_;
    SerialDeviceFactory factory_;
    std::array<CommPortRecord, kPortCount> commPorts_;
    std::function<void(int port)> portLost_;
    std::map<int, std::function<void(PortInUseChange)>> portWatchers_;
    int nextWatchToken_ = 1;
    LinkGuard guard_;
};
