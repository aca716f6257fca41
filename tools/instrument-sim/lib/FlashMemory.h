#pragma once

#include <QByteArray>
#include <QString>

// The instrument's flash memory: banks of 24-byte lines, written four lines
// (a page) at a time from a 96-byte page buffer that "f" commands fill byte
// by byte. Erased flash reads 0xFF. Kept in a file when asked: the file holds
// the banks one after another and is rewritten at every commit, so a second
// simulator run finds what the first one stored.
class FlashMemory {
public:
    static constexpr int kBanks = 16; // as many as the page read's 0xF0 + bank can name
    static constexpr int kLinesPerBank = 256;
    static constexpr int kLineBytes = 24;
    static constexpr int kPageLines = 4;
    static constexpr int kPageBytes = kPageLines * kLineBytes;
    static constexpr int kSizeBytes = kBanks * kLinesPerBank * kLineBytes;
    static constexpr char kErased = static_cast<char>(0xFF);

    FlashMemory();

    // Puts a byte into the page buffer; false for an address outside 0 to 95.
    bool setBufferByte(int address, quint8 data);
    const QByteArray& pageBuffer() const { return buffer_; }

    // Stores the page buffer at (bank, first line), as a commit does. False for
    // a bank that does not exist, or when the file could not be rewritten.
    bool commit(int bank, int firstLine) { return store(bank, firstLine, buffer_); }
    // Stores up to 96 bytes from the first line on; lines past the bank's end are dropped.
    bool store(int bank, int firstLine, const QByteArray& bytes);
    // The 96 bytes from the first line on (erased past the bank's end); empty
    // for a bank that does not exist.
    QByteArray page(int bank, int firstLine) const;

    static bool hasBank(int bank) { return bank >= 0 && bank < kBanks; }

    // From now on the memory lives in this file: an existing file's content is
    // taken, and the file is written at each commit. False, and no file kept,
    // when an existing file is not a whole flash image.
    bool keepInFile(const QString& path);
    const QString& filePath() const { return file_; }

private:
    bool save() const;

    QByteArray cells_;  // bank after bank, line after line
    QByteArray buffer_;
    QString file_;
};
