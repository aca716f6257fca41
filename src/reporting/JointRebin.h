#pragma once

#include "core/DesktopOpener.h"
#include "core/Prompts.h"
#include "reporting/ReportChoices.h"
#include "reporting/ReportGenerator.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// Turns the lines of a joint table into the lines of its report. With no bin
// width ("ScanTime") every line is copied. With a width in minutes each block
// (a "Time" line, its data lines, a line without a blank that closes it and is
// not written) becomes its header and the sums of its bins: each data line's
// values count once for every whole minute since the line before (its time
// rounded half to even), and at most one bin closes per line. Minutes after the
// last closed bin are not written. Every written line has "," made "." and each
// blank made the divider.
class JointTableRebinner {
public:
    // binWidth 0 or less copies the table as it is.
    JointTableRebinner(double binWidth, QByteArray divider);

    // One line of the table without its line end; appends the report's lines, each with CR LF.
    void addLine(const QByteArray& line, QByteArray& out);

private:
    void copy(const QByteArray& line, QByteArray& out) const;
    void openBlock(const QByteArray& line);
    void dataLine(const QByteArray& line, QByteArray& out);
    void closeBin(QByteArray& out);

    double binWidth_;
    QByteArray divider_;
    bool inBlock_ = false;
    double binEnd_ = 0;
    double previous_ = 0;
    std::vector<double> lineValue_;
    std::vector<double> binSum_;
};

// The bin text a joint report works with: "ScanTime" as it is; any other text
// whose value is below 10 becomes "10".
QString jointBinText(const QString& binText);

// The report of a whole joint table as bytes; the same rules as the file.
QByteArray rebinJointTable(const QStringList& tableLines, const QString& binText, const QString& divider);

// "yyymmddhhmmss": two-digit year, day of the year without leading zeros, then
// month, day, hour, minute and second in two digits each.
QString jointReportStamp(const QDateTime& when);

struct JointReportContext {
    QString tablePath; // the joint table in reports/default_project
    QString folder;    // runFolder: where the report goes, as it is
    QDateTime when;    // names the report
};

// The joint branch of "Generate": writes "report" + stamp + extension into the
// folder, copied or re-binned by the choices' bin text and divider, and opens
// it. A table that is gone, or a file that cannot be read or written, shows
// "Report Error" and leaves the panel open; the result's bin text is what the
// panel shows afterwards.
ReportResult generateJointReport(const ReportChoices& choices, const JointReportContext& context,
                                 Prompts& prompts, DesktopOpener& opener);
