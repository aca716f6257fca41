#pragma once

#include "calibration/BlankRecord.h"
#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

class Clock;

// The header line of every blank file.
inline const QString kBlankHeader = QStringLiteral("\"#well\",\"Value\"");

// Writes the format's store file (created or overwritten), making the store
// folder first: instruments without a serial number have none at start-up.
// False for a code that cannot name a file or a file that cannot be written.
bool writeBlankStoreFile(const ProgramFolder& folder, int serialNumber, const QString& code, const QStringList& lines);

// WriteEmptyBlankFile: the empty blank becomes the format's blank in use:
// "none", "acqlapse=30", the header and 384 zero wells. The record holds it too.
bool WriteEmptyBlankFile(const ProgramFolder& folder, int serialNumber, const QString& code, BlankRecord& record);

// The factory blank of the format: "blank_<code>.dat" in the unit folder.
QString factoryBlankFilePath(const ProgramFolder& folder, int serialNumber, const QString& code);

enum class FactoryBlankLoad { Loaded, NotFound, WriteFailed };

// Copies the factory blank line by line into the store, then waits 50 ms.
FactoryBlankLoad loadFactoryBlank(const ProgramFolder& folder, int serialNumber, const QString& code, Clock& clock);
