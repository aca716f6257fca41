#pragma once

#include "core/ProgramFolder.h"

#include <QString>

// Which device a port name stands for: "COM" + n is the device that the link
// ports/COM<n> in the program folder points to when that link exists, else
// /dev/ttyUSB<n-1>. Any other name is taken as a device path.
class PortMapping {
public:
    explicit PortMapping(ProgramFolder folder) : folder_(std::move(folder)) {}
    QString devicePath(const QString& deviceName) const;

private:
    ProgramFolder folder_;
};
