#pragma once

#include <QString>

// Opens a folder or file with the desktop's handler (file manager, text editor,
// image viewer).
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual bool open(const QString& path) = 0;
};

class SystemDesktopOpener final : public DesktopOpener {
public:
    bool open(const QString& path) override;
};
