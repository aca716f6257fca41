#pragma once

#include "core/FreeSpace.h"

#include <QStringList>

// A disk with as many free bytes as the test says; records the folders asked about.
class FakeFreeSpace final : public FreeSpace {
public:
    explicit FakeFreeSpace(qint64 freeBytes = qint64(1) << 50) : bytes(freeBytes) {}
    qint64 freeBytes(const QString& folder) const override
    {
        asked << folder;
        return bytes;
    }
    qint64 bytes;
    mutable QStringList asked;
};
