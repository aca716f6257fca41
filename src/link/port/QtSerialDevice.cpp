#include "link/port/QtSerialDevice.h"

#include "link/port/SystemErrorText.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/file.h>

namespace {

qint32 systemCodeOf(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError: return 0;
    case QSerialPort::DeviceNotFoundError: return kErrorFileNotFound;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError: return kErrorAccessDenied;
    case QSerialPort::NotOpenError: return kErrorInvalidHandle;
    case QSerialPort::UnsupportedOperationError: return kErrorInvalidParameter;
    case QSerialPort::TimeoutError: return kErrorTimeout;
    default: return kErrorGenFailure;
    }
}

QSerialPort::Parity qtParity(SerialParity p)
{
    switch (p) {
    case SerialParity::Even: return QSerialPort::EvenParity;
    case SerialParity::Odd: return QSerialPort::OddParity;
    case SerialParity::Mark: return QSerialPort::MarkParity;
    case SerialParity::Space: return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

SerialParity parityOf(QSerialPort::Parity p)
{
    switch (p) {
    case QSerialPort::EvenParity: return SerialParity::Even;
    case QSerialPort::OddParity: return SerialParity::Odd;
    case QSerialPort::MarkParity: return SerialParity::Mark;
    case QSerialPort::SpaceParity: return SerialParity::Space;
    default: return SerialParity::None;
    }
}

QSerialPort::StopBits qtStopBits(SerialStopBits s)
{
    switch (s) {
    case SerialStopBits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case SerialStopBits::Two: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
    }
}

SerialStopBits stopBitsOf(QSerialPort::StopBits s)
{
    switch (s) {
    case QSerialPort::OneAndHalfStop: return SerialStopBits::OneAndHalf;
    case QSerialPort::TwoStop: return SerialStopBits::Two;
    default: return SerialStopBits::One;
    }
}

} // namespace

QtSerialDevice::QtSerialDevice()
{
    // A line that drops while nothing is exchanged shows only here: the port
    // keeps reporting it from the event loop, which would then spin on the
    // dead device. It is closed from the event loop, once the port's own
    // handling of the error is done.
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_, [this](QSerialPort::SerialPortError error) {
        if (isLineLost(error))
            QMetaObject::invokeMethod(&port_, [this] { loseLine(); }, Qt::QueuedConnection);
    });
}

QtSerialDevice::~QtSerialDevice()
{
    QObject::disconnect(&port_, nullptr, nullptr, nullptr);
    if (port_.isOpen())
        port_.close();
}

bool QtSerialDevice::isLineLost(QSerialPort::SerialPortError error)
{
    if (!port_.isOpen())
        return false;
    if (error == QSerialPort::ResourceError)
        return true;
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError)
        return false;
    // A failed transfer on a line that reports a hang-up or an error condition.
    pollfd p{static_cast<int>(port_.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void QtSerialDevice::loseLine()
{
    if (!port_.isOpen())
        return;
    port_.close();
    lastError_ = kErrorGenFailure;
    if (lostHandler_)
        lostHandler_();
}

SerialDeviceFactory QtSerialDevice::factory()
{
    return [] { return std::make_unique<QtSerialDevice>(); };
}

bool QtSerialDevice::fail(qint32 code)
{
    lastError_ = code;
    return false;
}

bool QtSerialDevice::failFromPort()
{
    const qint32 code = systemCodeOf(port_.error());
    port_.clearError();
    return fail(code == 0 ? kErrorGenFailure : code);
}

bool QtSerialDevice::requireOpen() { return port_.isOpen() || fail(kErrorInvalidHandle); }

bool QtSerialDevice::open(const QString& path)
{
    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite))
        return failFromPort();
    // Qt's exclusive mode does not bind a privileged user or a second link to
    // the same device; an advisory lock on the device itself does.
    if (::flock(static_cast<int>(port_.handle()), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        port_.close();
        return fail(kErrorAccessDenied);
    }
    return true;
}

// Qt grows its own buffer as data comes; the sizes are only a wish to the
// driver, so an open port accepts any.
bool QtSerialDevice::setQueueSizes(int, int) { return requireOpen(); }

bool QtSerialDevice::purge()
{
    if (!requireOpen())
        return false;
    return port_.clear(QSerialPort::AllDirections) || failFromPort();
}

bool QtSerialDevice::setTimeouts(const CommTimeouts& timeouts)
{
    if (!requireOpen())
        return false;
    timeouts_ = timeouts;
    return true;
}

bool QtSerialDevice::currentSettings(SerialSettings& settings)
{
    if (!requireOpen())
        return false;
    settings.baudRate = port_.baudRate();
    settings.parity = parityOf(port_.parity());
    settings.dataBits = static_cast<int>(port_.dataBits());
    settings.stopBits = stopBitsOf(port_.stopBits());
    return true;
}

bool QtSerialDevice::applySettings(const SerialSettings& settings)
{
    if (!requireOpen())
        return false;
    const bool ok = port_.setBaudRate(settings.baudRate)
        && port_.setParity(qtParity(settings.parity))
        && port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits))
        && port_.setStopBits(qtStopBits(settings.stopBits))
        && port_.setFlowControl(QSerialPort::NoFlowControl);
    return ok || failFromPort();
}

qint64 QtSerialDevice::read(QByteArray& data, int maxBytes)
{
    data.clear();
    if (!requireOpen())
        return -1;
    QElapsedTimer since;
    since.start();
    const qint64 total = qint64(timeouts_.readTotalMultiplierMs) * maxBytes + timeouts_.readTotalConstantMs;
    data = port_.read(maxBytes);
    while (data.size() < maxBytes) {
        const qint64 left = total - since.elapsed();
        if (left <= 0)
            break;
        // Before the first byte only the total bounds the wait; after it, the gap too.
        const qint64 wait = (data.isEmpty() || timeouts_.readIntervalMs <= 0)
            ? left
            : std::min<qint64>(left, timeouts_.readIntervalMs);
        if (!port_.waitForReadyRead(static_cast<int>(wait))) {
            if (port_.error() == QSerialPort::TimeoutError) {
                port_.clearError();
                break;
            }
            const bool lost = isLineLost(port_.error());
            failFromPort();
            if (lost)
                loseLine();
            return -1;
        }
        data += port_.read(maxBytes - data.size());
    }
    return data.size();
}

qint64 QtSerialDevice::write(const QByteArray& data)
{
    if (!requireOpen())
        return -1;
    if (data.isEmpty())
        return 0;
    if (port_.write(data) < 0) {
        const bool lost = isLineLost(port_.error());
        failFromPort();
        if (lost)
            loseLine();
        return -1;
    }
    QElapsedTimer since;
    since.start();
    const qint64 total = qint64(timeouts_.writeTotalMultiplierMs) * data.size() + timeouts_.writeTotalConstantMs;
    while (port_.bytesToWrite() > 0) {
        const qint64 left = total > 0 ? total - since.elapsed() : 30000;
        if (left <= 0 || !port_.waitForBytesWritten(static_cast<int>(left))) {
            if (port_.error() != QSerialPort::TimeoutError && port_.error() != QSerialPort::NoError) {
                const bool lost = isLineLost(port_.error());
                failFromPort();
                if (lost)
                    loseLine();
                return -1;
            }
            port_.clearError();
            break;
        }
    }
    const qint64 left = port_.bytesToWrite();
    if (left > 0)
        port_.clear(QSerialPort::Output); // what did not go out in time is dropped, as the system does
    return data.size() - left;
}

bool QtSerialDevice::close()
{
    if (!requireOpen())
        return false;
    port_.close(); // closing the descriptor also releases the lock
    return true;
}
