#include "reporting/JointRebin.h"

#include "core/NumberText.h"
#include "reporting/ReportFileWriter.h"
#include "reporting/ReportText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

const ReportNumbers kPlain('.');

QList<QByteArray> fieldsOf(const QByteArray& line)
{
    QList<QByteArray> fields;
    for (const QByteArray& f : line.split(' ')) {
        if (!f.isEmpty())
            fields << f;
    }
    return fields;
}

double valueOf(const QByteArray& field)
{
    const double v = textValue(QString::fromLatin1(field));
    return std::isfinite(v) ? v : 0.0;
}

// Whole minutes m with from < m <= to, stepping from from + 1.
double minutesBetween(double from, double to)
{
    return std::max(0.0, std::floor(to - from));
}

} // namespace

JointTableRebinner::JointTableRebinner(double binWidth, QByteArray divider)
    : binWidth_(binWidth), divider_(std::move(divider))
{
}

void JointTableRebinner::copy(const QByteArray& line, QByteArray& out) const
{
    for (const char c : line) {
        if (c == ' ')
            out += divider_;
        else
            out += c == ',' ? '.' : c;
    }
    out += "\r\n";
}

void JointTableRebinner::addLine(const QByteArray& line, QByteArray& out)
{
    if (binWidth_ <= 0) {
        copy(line, out);
        return;
    }
    if (inBlock_) {
        if (line.contains(' '))
            dataLine(line, out);
        else
            inBlock_ = false; // the closing line is consumed
        return;
    }
    if (line.startsWith("Time"))
        openBlock(line);
    copy(line, out);
}

void JointTableRebinner::openBlock(const QByteArray& line)
{
    inBlock_ = true;
    binEnd_ = binWidth_;
    previous_ = 0;
    // Every field after "Time" names a well, whatever its column's digits.
    const qsizetype wells = std::max<qsizetype>(0, fieldsOf(line).size() - 1);
    lineValue_.assign(static_cast<std::size_t>(wells), 0.0);
    binSum_.assign(static_cast<std::size_t>(wells), 0.0);
}

void JointTableRebinner::dataLine(const QByteArray& line, QByteArray& out)
{
    const QList<QByteArray> fields = fieldsOf(QByteArray(line).replace(',', '.'));
    const double t = std::nearbyint(valueOf(fields.value(0)));
    for (std::size_t k = 0; k < lineValue_.size(); ++k) {
        const qsizetype field = static_cast<qsizetype>(k) + 1;
        lineValue_[k] = field < fields.size() ? valueOf(fields.at(field)) : 0.0; // a missing value counts 0
    }
    if (t < binEnd_) {
        const double minutes = minutesBetween(previous_, t);
        for (std::size_t k = 0; k < binSum_.size(); ++k)
            binSum_[k] += lineValue_[k] * minutes;
        previous_ = t;
        return;
    }
    const double minutes = minutesBetween(previous_, binEnd_);
    for (std::size_t k = 0; k < binSum_.size(); ++k)
        binSum_[k] += lineValue_[k] * minutes;
    closeBin(out);
    previous_ = binEnd_;
    binEnd_ += binWidth_;
    const double rest = minutesBetween(previous_, t);
    for (std::size_t k = 0; k < binSum_.size(); ++k)
        binSum_[k] = lineValue_[k] * rest;
    previous_ = t;
}

void JointTableRebinner::closeBin(QByteArray& out)
{
    kPlain.plain(out, binEnd_);
    for (const double sum : binSum_) {
        out += divider_;
        kPlain.plain(out, sum);
    }
    out += "\r\n";
}

QString jointBinText(const QString& binText)
{
    if (binText == QLatin1String("ScanTime"))
        return binText;
    return textValue(binText) < 10 ? QStringLiteral("10") : binText;
}

namespace {
double binWidthOf(const QString& binText)
{
    const QString text = jointBinText(binText);
    return text == QLatin1String("ScanTime") ? 0.0 : textValue(text);
}
} // namespace

QByteArray rebinJointTable(const QStringList& tableLines, const QString& binText, const QString& divider)
{
    JointTableRebinner rebinner(binWidthOf(binText), divider.toLatin1());
    QByteArray out;
    for (const QString& line : tableLines)
        rebinner.addLine(line.toLatin1(), out);
    return out;
}

QString jointReportStamp(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(d.year() % 100) + QString::number(d.dayOfYear()) + two(d.month()) + two(d.day()) + two(t.hour())
           + two(t.minute()) + two(t.second());
}

ReportResult generateJointReport(const ReportChoices& choices, const JointReportContext& context,
                                 Prompts& prompts, DesktopOpener& opener)
{
    ReportResult result;
    result.binText = jointBinText(choices.binText);
    auto fail = [&] {
        prompts.message(QStringLiteral("Report Error"));
        result.status = ReportResult::Status::Failed;
        return result;
    };

    QFile table(context.tablePath);
    if (!QFileInfo(context.tablePath).isFile() || !table.open(QIODevice::ReadOnly))
        return fail();
    result.filePath =
        QDir(context.folder).filePath(QStringLiteral("report") + jointReportStamp(context.when) + choices.extension());
    ReportFileWriter report(result.filePath);
    if (!report.open())
        return fail();

    JointTableRebinner rebinner(binWidthOf(result.binText), choices.divider.toLatin1());
    while (!table.atEnd()) {
        QByteArray line = table.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        rebinner.addLine(line, report.line());
        report.flushIfLong();
    }
    if (table.error() != QFileDevice::NoError || !report.finish())
        return fail();
    opener.open(result.filePath);
    result.status = ReportResult::Status::Written;
    return result;
}
