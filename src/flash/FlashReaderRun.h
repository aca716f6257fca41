#pragma once

#include "flash/FlashSectionRead.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class ProgramFolder;

// What a reader shows when it fails: the status text when a section was not
// found, the message when something unexpected stopped it.
struct FlashReaderTexts {
    QString notFound;
    QString error;
};

// The unit folder a reader writes into: the name given, or "config" for none.
QString unitFolderFromName(const QString& folderName);
// "config_" and the serial suffix ("SN12"), or "config" without a suffix.
QString unitFolderFromSuffix(const QString& serialSuffix);

// One pass of a reader over its sections: where its files go, whether a
// section failed, and how the reader ends.
class FlashReaderRun {
public:
    FlashReaderRun(LinkContext& ctx, const ProgramFolder& folder, QString unitFolder, FlashReaderTexts texts,
                   FlashPageTally* tally = nullptr);

    LinkContext& link() { return ctx_; }
    // "yyyymmdd hh:mm" in double quotes: the time of reading.
    QString readingTimeLine() const;

    // The section's pages joined when they passed every check; a section that
    // did not is remembered as failed.
    std::optional<QByteArray> read(const FlashSection& section, const FlashPageStep& afterPage = {});

    // Writes one file of the unit folder whole, or leaves it as it was. False
    // when the folder does not exist or the file cannot be written: the
    // reader then stops.
    bool write(const QString& fileName, const QStringList& lines);
    bool write(const QString& fileName, const std::function<bool(const QString& path)>& writeAt);

    // An unexpected error: the message box, and -1.
    qint16 stop();
    // After the last section: 0 when every section was written, else the
    // not-found text in the status line, a pause to read it, and -1.
    qint16 finish();

private:
    LinkContext& ctx_;
    const ProgramFolder& folder_;
    QString unitFolder_;
    FlashReaderTexts texts_;
    FlashPageTally* tally_;
    bool anyFailed_ = false;
};
