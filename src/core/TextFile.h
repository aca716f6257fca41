#pragma once

#include <QStringList>
#include <optional>

// Text files of the program: Latin-1, one CRLF per line.

// Writes the whole file, or nothing: the text goes beside and is renamed into place.
bool writeTextFile(const QString& path, const QStringList& lines);

// Appends lines to a file (created when missing).
bool appendTextFile(const QString& path, const QStringList& lines);

// All lines of a file, CR stripped; nullopt when it cannot be read.
std::optional<QStringList> readTextFile(const QString& path);
