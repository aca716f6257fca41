#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>

#include <optional>

// Lines of a well-activity file read into one buffer: a long run's file costs
// no allocation per line. The view is valid until the next call.
class ChemotaxisLineReader {
public:
    explicit ChemotaxisLineReader(QFile& file) : file_(file) {}
    bool next(QByteArrayView& line)
    {
        buffer_ = file_.readLine();
        if (buffer_.isEmpty())
            return false;
        qsizetype n = buffer_.size();
        while (n > 0 && (buffer_[n - 1] == '\n' || buffer_[n - 1] == '\r'))
            --n;
        line = QByteArrayView(buffer_.constData(), n);
        return true;
    }

private:
    QFile& file_;
    QByteArray buffer_;
};

// A line's first field: its text before the first comma, when that comma is
// not the line's first character.
inline std::optional<QByteArrayView> chemotaxisFirstField(QByteArrayView line)
{
    const qsizetype comma = line.indexOf(',');
    if (comma < 1)
        return std::nullopt;
    return line.first(comma);
}

// The text after the first comma.
inline QByteArrayView chemotaxisAfterFirstComma(QByteArrayView line)
{
    const qsizetype comma = line.indexOf(',');
    return comma < 0 ? QByteArrayView() : line.sliced(comma + 1);
}
