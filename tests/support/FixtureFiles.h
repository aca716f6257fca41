#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// A fixture file (path below tests/fixtures) copied to a destination, whose
// folder is created; false when either side fails.
inline bool copyFixture(const QString& fixture, const QString& destination)
{
    QDir().mkpath(QFileInfo(destination).absolutePath());
    QFile::remove(destination);
    return QFile::copy(QStringLiteral(VELDO_FIXTURES "/") + fixture, destination);
}

// A format's well table into the shared config folder and its column and
// row files into a unit folder, from tests/fixtures/plate.
inline bool copyFormatFixtures(const QString& code, const QString& configFolder, const QString& unitFolder)
{
    return copyFixture("plate/" + code + "_spc.dat", configFolder + "/" + code + "_spc.dat") &&
           copyFixture("plate/" + code + "_col.dat", unitFolder + "/" + code + "_col.dat") &&
           copyFixture("plate/" + code + "_row.dat", unitFolder + "/" + code + "_row.dat");
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes of a hand-written default file, below tests/fixtures/defaults.
inline QByteArray defaultFixture(const QString& name)
{
    return fileBytes(QStringLiteral(VELDO_FIXTURES "/defaults/") + name);
}

// The lines of a file written with CRLF endings; the text after the last
// ending is the final element.
inline QStringList fileLines(const QString& path)
{
    return QString::fromLatin1(fileBytes(path)).split(QStringLiteral("\r\n"));
}

// Writes bytes to a file as they stand, creating its folder.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every line of a text file ends in CR LF, the last one too; no bytes are whole lines.
inline bool endsInWholeCrLfLines(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return true;
    if (!bytes.endsWith("\r\n"))
        return false;
    for (qsizetype i = bytes.indexOf('\n'); i >= 0; i = bytes.indexOf('\n', i + 1))
        if (i == 0 || bytes.at(i - 1) != '\r')
            return false;
    return true;
}
