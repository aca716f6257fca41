#pragma once

#include "core/DesktopOpener.h"

#include <QStringList>

class FakeDesktopOpener final : public DesktopOpener {
public:
    bool open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};
