#include "reporting/ReportFileWriter.h"

namespace {
constexpr qsizetype kFlushSize = 1 << 20;
}

ReportFileWriter::ReportFileWriter(const QString& path) : file_(path) {}

bool ReportFileWriter::open()
{
    // The buffer grows with the report: a short one never holds a whole piece's worth.
    failed_ = !file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return !failed_;
}

void ReportFileWriter::endLine()
{
    buffer_ += "\r\n";
    flushIfLong();
}

void ReportFileWriter::endCr()
{
    buffer_ += '\r';
    flushIfLong();
}

void ReportFileWriter::flushIfLong()
{
    if (buffer_.size() < kFlushSize)
        return;
    if (!failed_ && file_.write(buffer_) != buffer_.size())
        failed_ = true;
    buffer_.resize(0); // keeps its capacity for the next piece
}

bool ReportFileWriter::finish()
{
    if (!failed_ && file_.isOpen() && file_.write(buffer_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
    if (file_.isOpen()) {
        if (!file_.flush())
            failed_ = true;
        file_.close();
    }
    return !failed_;
}
