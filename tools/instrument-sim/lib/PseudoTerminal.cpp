#include "lib/PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    // Raw mode on the device side: no echo, no line editing, no translation.
    slaveKeeper_ = ::open(slavePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (slaveKeeper_ >= 0) {
        termios tio{};
        tcgetattr(slaveKeeper_, &tio);
        cfmakeraw(&tio);
        tcsetattr(slaveKeeper_, TCSANOW, &tio);
    }
}

PseudoTerminal::~PseudoTerminal()
{
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    if (master_ >= 0)
        ::close(master_);
}

bool PseudoTerminal::linkAs(const QString& linkPath) const
{
    if (!isOpen())
        return false;
    QDir().mkpath(QFileInfo(linkPath).absolutePath());
    QFile::remove(linkPath);
    return QFile::link(slavePath_, linkPath);
}

void PseudoTerminal::hangUp()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}
