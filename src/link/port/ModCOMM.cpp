#include "link/port/ModCOMM.h"

#include "core/Globals.h"
#include "link/port/SystemErrorText.h"

#include <algorithm>

namespace {

// The time-outs every port runs with: a read ends 100 ms after its last byte,
// or 500 ms after the call when nothing comes; a write may take 1 s per byte.
constexpr CommTimeouts kPortTimeouts{100, 0, 500, 1000, 0};

} // namespace

ModCOMM::ModCOMM(Globals& globals, PortMapping mapping, SerialDeviceFactory factory)
    : globals_(globals), mapping_(std::move(mapping)), factory_(std::move(factory))
{
}

namespace {

bool inTable(int port) { return port >= 1 && port <= ModCOMM::kPortCount; }

} // namespace

CommPortRecord* ModCOMM::recordFor(int port)
{
    return inTable(port) ? &commPorts_[static_cast<size_t>(port - 1)] : nullptr;
}

const CommPortRecord* ModCOMM::record(int port) const
{
    return inTable(port) ? &commPorts_[static_cast<size_t>(port - 1)] : nullptr;
}

bool ModCOMM::isOpen(int port) const
{
    const CommPortRecord* r = record(port);
    return r && r->open;
}

qint32 ModCOMM::recordFailure(const QString& source, qint32 code, const QString& text)
{
    globals_.commLastError = code;
    globals_.commErrorSource = source;
    globals_.commErrorText = text;
    return code;
}

qint32 ModCOMM::RecordCommDllError(const QString& source, qint32 code)
{
    return recordFailure(source, code, LookupSystemErrorText(code));
}

qint32 ModCOMM::RecordCommIoError(const QString& source, CommPortRecord& record, qint32 code)
{
    const quint32 flags = record.device ? record.device->takeLineErrorFlags() : 0;
    return recordFailure(source, code,
                         LookupSystemErrorText(code) + QStringLiteral("  COMM Error Flags = ")
                             + QString::number(flags, 16).toUpper());
}

qint32 ModCOMM::recordBadPort(const QString& operation)
{
    return recordFailure(operation, kBadPortNumber, QStringLiteral("Port number out of range."));
}

bool ModCOMM::refusedWhileBusy(const QString& operation)
{
    if (!guard_.busy())
        return false;
    recordFailure(operation, kLinkBusy, QStringLiteral("Link busy."));
    return true;
}

qint32 ModCOMM::CommOpen(int port, const QString& deviceName, const QString& settings)
{
    CommPortRecord* rec = recordFor(port);
    if (!rec)
        return recordBadPort(QStringLiteral("CommOpen"));
    if (rec->open)
        return recordFailure(QStringLiteral("CommOpen"), kPortInUse, QStringLiteral("Port in use."));

    // A module made without devices (a window with no instrument) opens nothing.
    rec->device = factory_ ? factory_() : nullptr;
    SerialDevice* dev = rec->device.get();
    if (!dev)
        return RecordCommDllError(QStringLiteral("CommOpen (CreateFile)"), kErrorGenFailure);
    if (!dev->open(mapping_.devicePath(deviceName)))
        return RecordCommDllError(QStringLiteral("CommOpen (CreateFile)"), dev->lastErrorCode());
    dev->setLostHandler([this, port] { deviceLost(port); });
    // From here the port counts as open, even when a later step fails.
    rec->open = true;

    if (!dev->setQueueSizes(kQueueBytes, kQueueBytes))
        return RecordCommDllError(QStringLiteral("CommOpen (SetupComm)"), dev->lastErrorCode());
    if (!dev->purge())
        return RecordCommDllError(QStringLiteral("CommOpen (PurgeComm)"), dev->lastErrorCode());
    if (!dev->setTimeouts(kPortTimeouts))
        return RecordCommDllError(QStringLiteral("CommOpen (SetCommTimeouts)"), dev->lastErrorCode());
    if (!dev->currentSettings(rec->settings))
        return RecordCommDllError(QStringLiteral("CommOpen (GetCommState)"), dev->lastErrorCode());
    if (!buildSerialSettings(settings, rec->settings))
        return RecordCommDllError(QStringLiteral("CommOpen (BuildCommDCB)"), kErrorInvalidParameter);
    if (!dev->applySettings(rec->settings))
        return RecordCommDllError(QStringLiteral("CommOpen (SetCommState)"), dev->lastErrorCode());
    return 0;
}

void ModCOMM::deviceLost(int port)
{
    CommPortRecord* rec = recordFor(port);
    if (!rec || !rec->open)
        return;
    rec->open = false; // the device closed itself
    if (!globals_.portOpen || globals_.commPort != port)
        return;
    globals_.portOpen = false;
    if (portLost_)
        portLost_(port);
    tellPortInUseChanged(PortInUseChange::Lost);
}

int ModCOMM::watchPortInUse(std::function<void(PortInUseChange)> watcher)
{
    const int token = nextWatchToken_++;
    portWatchers_[token] = std::move(watcher);
    return token;
}

void ModCOMM::unwatchPortInUse(int token) { portWatchers_.erase(token); }

void ModCOMM::tellPortInUseChanged(PortInUseChange change)
{
    // A copy: a watcher may end its watch (its window closing) while told.
    const auto watchers = portWatchers_;
    for (const auto& [token, watcher] : watchers) {
        if (portWatchers_.count(token))
            watcher(change);
    }
}

qint32 ModCOMM::CommClose(int port)
{
    CommPortRecord* rec = recordFor(port);
    if (!rec)
        return recordBadPort(QStringLiteral("CommClose"));
    if (!rec->open)
        return 0;
    if (!rec->device || !rec->device->close())
        return RecordCommDllError(QStringLiteral("CommClose (CloseHandle)"),
                                  rec->device ? rec->device->lastErrorCode() : kErrorInvalidHandle);
    rec->open = false;
    return 0;
}

qint32 ModCOMM::CommFlush(int port)
{
    CommPortRecord* rec = recordFor(port);
    if (!rec)
        return recordBadPort(QStringLiteral("CommFlush"));
    if (refusedWhileBusy(QStringLiteral("CommFlush")))
        return kLinkBusy;
    if (!rec->device)
        return RecordCommDllError(QStringLiteral("CommFlush (PurgeComm)"), kErrorInvalidHandle);
    if (!rec->device->purge())
        return RecordCommDllError(QStringLiteral("CommFlush (PurgeComm)"), rec->device->lastErrorCode());
    return 0;
}

qint32 ModCOMM::CommRead(int port, QByteArray& data, qint32 wanted)
{
    data.clear();
    qint32 result = 0;
    CommPortRecord* rec = recordFor(port);
    if (!rec) {
        recordBadPort(QStringLiteral("CommRead"));
        result = -1;
    } else if (refusedWhileBusy(QStringLiteral("CommRead"))) {
        return -1; // the holder's reply stays queued for the holder
    } else if (!rec->device) {
        RecordCommIoError(QStringLiteral("CommRead (ReadFile)"), *rec, kErrorInvalidHandle);
        result = -1;
    } else {
        const qint64 got = rec->device->read(data, std::clamp<qint32>(wanted, 0, kMaxReadBytes));
        if (got < 0) {
            RecordCommIoError(QStringLiteral("CommRead (ReadFile)"), *rec, rec->device->lastErrorCode());
            result = -1;
        } else {
            result = static_cast<qint32>(got);
        }
    }
    // A short read leaves nothing behind for the next exchange. A read asked
    // for more than one read takes is short only when it got less than that.
    if (result < std::clamp<qint32>(wanted, 0, kMaxReadBytes))
        CommFlush(port);
    return result;
}

qint32 ModCOMM::writeData(int port, const QByteArray& data)
{
    CommPortRecord* rec = recordFor(port);
    if (!rec) {
        recordBadPort(QStringLiteral("CommWrite"));
        return 0; // nothing was written
    }
    if (refusedWhileBusy(QStringLiteral("CommWrite")))
        return -1;
    if (!rec->device) {
        RecordCommIoError(QStringLiteral("CommWrite (WriteFile)"), *rec, kErrorInvalidHandle);
        return -1;
    }
    const qint64 written = rec->device->write(data);
    if (written < 0) {
        RecordCommIoError(QStringLiteral("CommWrite (WriteFile)"), *rec, rec->device->lastErrorCode());
        return -1;
    }
    return static_cast<qint32>(written);
}

qint32 ModCOMM::CommWrite(int port, const QByteArray& data) { return writeData(port, data); }

qint32 ModCOMM::CommWriteBytes(int port, std::span<const quint8> bytes)
{
    return writeData(port, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                      static_cast<qsizetype>(bytes.size())));
}
