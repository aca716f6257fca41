#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The program's end of a pseudo-terminal, opened raw without the serial
// module: for tests of the simulated instrument itself.
class RawTerminal {
public:
    explicit RawTerminal(const QString& path)
    {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0) {
            termios tio{};
            tcgetattr(fd_, &tio);
            cfmakeraw(&tio);
            tcsetattr(fd_, TCSANOW, &tio);
        }
    }
    ~RawTerminal()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool write(const QByteArray& data) { return ::write(fd_, data.constData(), size_t(data.size())) == data.size(); }

    // What arrives within `ms`, stopping early once `wanted` bytes came.
    QByteArray read(int wanted, int ms)
    {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < wanted) {
            const qint64 left = ms - t.elapsed();
            if (left <= 0)
                break;
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0)
                break;
            char buffer[256];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, n);
        }
        return got;
    }

private:
    int fd_ = -1;
};
