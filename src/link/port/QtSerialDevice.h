#pragma once

#include "link/port/SerialDevice.h"

#include <QSerialPort>

// A serial device on QSerialPort. Reads really wait, bounded by the time-outs.
class QtSerialDevice final : public SerialDevice {
public:
    QtSerialDevice();
    ~QtSerialDevice() override;

    bool open(const QString& path) override;
    bool setQueueSizes(int inBytes, int outBytes) override;
    bool purge() override;
    bool setTimeouts(const CommTimeouts& timeouts) override;
    bool currentSettings(SerialSettings& settings) override;
    bool applySettings(const SerialSettings& settings) override;
    qint64 read(QByteArray& data, int maxBytes) override;
    qint64 write(const QByteArray& data) override;
    bool close() override;
    qint32 lastErrorCode() const override { return lastError_; }
    quint32 takeLineErrorFlags() override { return 0; }
    void setLostHandler(std::function<void()> handler) override { lostHandler_ = std::move(handler); }

    static SerialDeviceFactory factory();

private:
    bool fail(qint32 code);
    bool failFromPort();
    bool requireOpen();
    // An error that means the device is gone rather than one exchange failing.
    bool isLineLost(QSerialPort::SerialPortError error);
    // Closes the gone device, so nothing polls it any more, and says so once.
    void loseLine();

    QSerialPort port_;
    CommTimeouts timeouts_;
    qint32 lastError_ = 0;
    std::function<void()> lostHandler_;
};
