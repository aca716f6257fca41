#pragma once

#include <QString>

// The free bytes of the disk a folder lies on: long writes check it before
// they start, and tests fake it.
class FreeSpace {
public:
    virtual ~FreeSpace() = default;
    // Bytes this user may still write on the folder's disk (a missing folder
    // counts as its nearest existing parent); -1 when that cannot be told.
    virtual qint64 freeBytes(const QString& folder) const = 0;
};

class SystemFreeSpace final : public FreeSpace {
public:
    qint64 freeBytes(const QString& folder) const override;
};
