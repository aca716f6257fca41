#pragma once

#include "core/ProgramFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property of the reader broke: abort, so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

// One program folder for the whole fuzzing process, emptied before each
// input; the input is written where the reader under test looks for it.
class FuzzFolder {
public:
    ProgramFolder folder() const { return ProgramFolder(dir_.path()); }
    QString path(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }

    void clear()
    {
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }
    void put(const QString& relative, const QByteArray& bytes) const { writeBytes(path(relative), bytes); }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            fail("cannot write the input file");
    }
    static QByteArray readBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// The process's folder, made on first use.
inline FuzzFolder& fuzzFolder()
{
    static FuzzFolder folder;
    return folder;
}

inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
