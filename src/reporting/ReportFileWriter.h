#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A report file written as it is built: bytes gather in a buffer that goes to
// disk in large pieces, so a report of any length needs little memory. The file
// is created anew at its own name; what was written before a failure stays.
class ReportFileWriter {
public:
    explicit ReportFileWriter(const QString& path);

    bool open();
    // The line being built; text is added to it directly.
    QByteArray& line() { return buffer_; }
    void text(const QString& text) { buffer_ += text.toLatin1(); }
    void endLine(); // CR LF
    void endCr();   // a lone CR, as between the well lines of the Rows layout
    // Writes what is left and closes; false when any write failed.
    bool finish();
    // Sends the buffer on once it is large; long lines call it between fields.
    void flushIfLong();
    bool failed() const { return failed_; }

private:

    QFile file_;
    QByteArray buffer_;
    bool failed_ = false;
};
