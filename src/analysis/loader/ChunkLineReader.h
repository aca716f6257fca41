#pragma once

#include "analysis/loader/WellActivityText.h"

#include <QFile>

#include <vector>

// Reads a stretch of a file in large chunks and hands out its lines in place,
// CR LF cut off, with the offset of each, so a multi-GB file costs no
// allocation or copy per line. Every line has kLinePadding readable bytes
// after it.
class ChunkLineReader {
public:
    // From the file's position to limit (-1: its end).
    explicit ChunkLineReader(QFile& f, qint64 limit = -1);

    bool next(Bytes& line, qint64& at);

private:
    void refill();

    QFile& f_;
    qint64 base_;  // file offset of buffer_[0]
    qint64 limit_;
    qsizetype capacity_;
    std::vector<char> buffer_; // capacity_ bytes and the lines' padding
    qsizetype start_ = 0;
    qsizetype filled_ = 0;
    bool eof_ = false;
};
