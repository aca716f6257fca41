#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Time as the program sees it. Every wait of the program goes through here, so
// that a test can run minutes of instrument time at once.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start; only differences mean anything.
    virtual qint64 elapsedMs() const = 0;
    virtual void sleepMs(int ms) = 0;
    // Lets pending window events run, so a second click reaches a long operation.
    virtual void processEvents() = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    QDateTime now() const override;
    qint64 elapsedMs() const override;
    void sleepMs(int ms) override;
    void processEvents() override;

private:
    QElapsedTimer timer_;
};
