#pragma once

#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// The first two entries of the blank list.
inline const QString kNoBlank = QStringLiteral("none");
inline const QString kFactoryBlank = QStringLiteral("Factory_Default");

// Blank runs in the store folder ("????????_??????_blank*", files and
// folders), in name order. With a format, only runs whose subpj.dat names
// exactly that format; without one, every entry.
QStringList storedBlankRuns(const ProgramFolder& folder, int serialNumber);
QStringList storedBlankRuns(const ProgramFolder& folder, int serialNumber, const QString& format);

// The folder of a listed blank run; empty for a name that is not a blank run's.
QString storedBlankRunFolder(const ProgramFolder& folder, int serialNumber, const QString& entry);

// "[<minutes>m] <acquisition name>" from the run's subpj.dat.
QString blankRunDescription(const QString& runFolder);

// What loading a stored run needs from its subpj.dat, or the message that refuses it.
struct BlankRunToLoad {
    QString message; // empty when the run can be evaluated
    QString format;
    double minutes = 0;
};
BlankRunToLoad blankRunToLoad(const QString& runFolder);

// Deletes the files of a blank run's folder, then the folder. False when any
// step fails (a subfolder, a file in use, no file at all); what was deleted
// stays deleted. A name with no folder deletes nothing and succeeds.
bool deleteStoredBlankRun(const ProgramFolder& folder, int serialNumber, const QString& entry);
