#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// Text files of the program: Latin-1, one CRLF per line.

// Writes the whole file, or nothing: the text goes beside and is renamed into place.
bool writeTextFile(const QString& path, const QStringList& lines);

// The same for any bytes; an earlier file of that name stays until the new one is whole.
bool writeFileBytes(const QString& path, const QByteArray& bytes);

// Appends lines to a file (created when missing).
bool appendTextFile(const QString& path, const QStringList& lines);

// All lines of a file, CR stripped; nullopt when it cannot be read.
std::optional<QStringList> readTextFile(const QString& path);
