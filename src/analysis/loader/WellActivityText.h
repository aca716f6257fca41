#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstring>
#include <optional>

// How the well-activity files' text is read: lines as bytes in place, whole
// numbers, cells. Shared by the loader's passes and the scan grids.

// A line as bytes in a reader's buffer.
struct Bytes {
    const char* p = nullptr;
    qsizetype n = 0;
    qsizetype find(char c, qsizetype from) const
    {
        if (from >= n)
            return -1;
        const void* hit = std::memchr(p + from, c, size_t(n - from));
        return hit ? static_cast<const char*>(hit) - p : -1;
    }
};

// Lines handed to the cell reader have this many readable bytes after their
// end, so a cell or a block of 64 can be loaded whole near the line's end.
inline constexpr qsizetype kLinePadding = 64;

// The first field of a line, when the line has a comma after at least one character.
std::optional<QByteArray> firstField(const QByteArray& line);
// The text after the first comma.
QByteArray afterFirstComma(const QByteArray& line);

// A whole number, blanks around it allowed ("12", " 3", "4.0"); none when not.
std::optional<int> wholeNumber(QByteArray text);
// The same, plain digits read in place.
std::optional<int> fastWholeNumber(const char* p, qsizetype n);

// A cell's value: -1 for "-", the number when the text is a whole number
// of up to 18 digits (blanks around it allowed), else 0.
qint64 cellValue(const char* p, qsizetype n);
// The same for a cell with kLinePadding readable bytes after it, short digit
// cells read without a branch per character.
qint64 cellAt(const char* p, qsizetype n);

// Bit k set where block[k] is a comma, for the 64 bytes at block.
quint64 commaMask(const char* block);
