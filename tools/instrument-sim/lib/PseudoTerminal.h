#pragma once

#include <QString>

// The instrument's end of a pseudo-terminal: the program opens the slave device
// as its serial port, the simulator reads and writes the master side raw.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return master_ >= 0; }
    int masterFd() const { return master_; }
    // The device path the program opens, such as /dev/pts/5.
    const QString& devicePath() const { return slavePath_; }

    // Makes `linkPath` a symbolic link to the device (replacing an old link).
    bool linkAs(const QString& linkPath) const;

    // Drops the line as an unplugged instrument would: the program's reads fail from now on.
    void hangUp();

private:
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the device alive while the program has it closed
    QString slavePath_;
};
