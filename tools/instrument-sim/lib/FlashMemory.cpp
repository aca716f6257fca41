#include "lib/FlashMemory.h"

#include <QFile>
#include <QSaveFile>

FlashMemory::FlashMemory()
    : cells_(kSizeBytes, kErased)
    , buffer_(kPageBytes, kErased)
{
}

bool FlashMemory::setBufferByte(int address, quint8 data)
{
    if (address < 0 || address >= kPageBytes)
        return false;
    buffer_[address] = static_cast<char>(data);
    return true;
}

bool FlashMemory::store(int bank, int firstLine, const QByteArray& bytes)
{
    if (!hasBank(bank) || firstLine < 0)
        return false;
    for (int i = 0; i < bytes.size() && i < kPageBytes; ++i) {
        const int line = firstLine + i / kLineBytes;
        if (line >= kLinesPerBank)
            break;
        cells_[(bank * kLinesPerBank + line) * kLineBytes + i % kLineBytes] = bytes.at(i);
    }
    return file_.isEmpty() || save();
}

QByteArray FlashMemory::page(int bank, int firstLine) const
{
    if (!hasBank(bank) || firstLine < 0)
        return {};
    QByteArray bytes(kPageBytes, kErased);
    for (int i = 0; i < kPageBytes; ++i) {
        const int line = firstLine + i / kLineBytes;
        if (line < kLinesPerBank)
            bytes[i] = cells_.at((bank * kLinesPerBank + line) * kLineBytes + i % kLineBytes);
    }
    return bytes;
}

bool FlashMemory::keepInFile(const QString& path)
{
    QFile f(path);
    if (f.exists()) {
        // Anything but a whole image is left alone rather than overwritten.
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QByteArray image = f.readAll();
        if (image.size() != kSizeBytes)
            return false;
        cells_ = image;
    }
    file_ = path;
    return true;
}

bool FlashMemory::save() const
{
    QSaveFile f(file_);
    return f.open(QIODevice::WriteOnly) && f.write(cells_) == cells_.size() && f.commit();
}
