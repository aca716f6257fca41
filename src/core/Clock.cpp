#include "core/Clock.h"

#include <QCoreApplication>
#include <QThread>

SystemClock::SystemClock() { timer_.start(); }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

qint64 SystemClock::elapsedMs() const { return timer_.elapsed(); }

void SystemClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void SystemClock::processEvents() { QCoreApplication::processEvents(); }
