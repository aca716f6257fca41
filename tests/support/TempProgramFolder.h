#pragma once

#include "core/ProgramFolder.h"

#include <QTemporaryDir>

// A fresh, empty program folder removed at the end of the test.
class TempProgramFolder {
public:
    TempProgramFolder() : folder_(dir_.path()) {}
    const ProgramFolder& folder() const { return folder_; }
    QString path(const QString& relative = QString()) const { return folder_.path(relative); }

private:
    QTemporaryDir dir_;
    ProgramFolder folder_;
};
