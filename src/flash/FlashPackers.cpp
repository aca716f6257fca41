#include "flash/FlashPackers.h"

#include "calibration/InternalReferenceFactors.h"
#include "calibration/InternalReferenceRuns.h"
#include "core/Clock.h"
#include "core/DateStamp.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "flash/FlashLayout.h"
#include "plate/files/InstallUnitFolder.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kTableHeaderLines = 2;
constexpr int kBlankHeaderLines = 3;
constexpr int kFormatRecordFields = 4;
constexpr int kLedRecordFields = 5;
constexpr int kLedCountInFile = 416;
constexpr double kDefaultOffset = -16.34;
constexpr double kDefaultSlope = 1.732;
constexpr int kDefaultBlankLapse = 30;
constexpr int kFactoryFactorBytes = 24;
constexpr char kFactoryFactor = 100;

QString unitFile(const FlashPackContext& ctx, const QString& fileName)
{
    return ctx.folder.path(ProgramFolder::unitFolderName(ctx.globals.serialNumber) + QLatin1Char('/') + fileName);
}

QString blankFileName(const QString& format) { return QStringLiteral("blank_") + format + QStringLiteral(".dat"); }

QString blankStoreFile(const FlashPackContext& ctx, const QString& format)
{
    return resolvePathIgnoringCase(ctx.folder.blankMeasurementFolder(ctx.globals.serialNumber) + QLatin1Char('/')
                                   + blankFileName(format));
}

QByteArray paddedTo72(QByteArray bytes)
{
    if (bytes.size() < kFlashPageDataBytes)
        bytes.append(kFlashPageDataBytes - bytes.size(), '\0');
    return bytes;
}

// A whole number as the program's files write it: optional sign and digits,
// blanks around allowed.
std::optional<int> wholeNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<char> byteValue(const QString& text)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value || *value < 0 || *value > 255)
        return std::nullopt;
    return static_cast<char>(*value);
}

// The records of a table after its header lines, each of `fields` whole
// numbers; blank lines are passed over.
std::optional<QList<QStringList>> tableRecords(const QString& path, int fields)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines)
        return std::nullopt;
    QList<QStringList> records;
    for (qsizetype i = kTableHeaderLines; i < lines->size(); ++i) {
        if (lines->at(i).trimmed().isEmpty())
            continue;
        const QStringList record = lines->at(i).split(QLatin1Char(','));
        if (record.size() != fields)
            return std::nullopt;
        records << record;
    }
    return records;
}

// A line "KEY=value" of tempfactor.dat: the value when the key matches and
// the value lies strictly inside its range, the default otherwise; nothing
// when the line is missing or holds no "=".
std::optional<double> tempFactor(const QStringList& lines, qsizetype index, const QString& key, double low, double high,
                                 double fallback)
{
    if (index >= lines.size())
        return std::nullopt;
    const QString& line = lines.at(index);
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    if (line.left(equals) != key)
        return fallback;
    const double value = textValue(line.mid(equals + 1).replace(QLatin1Char(','), QLatin1Char('.')));
    return value > low && value < high ? value : fallback;
}

// The wells of a format for the factory-default factor file: none outside the
// formats with an internal reference.
PlateGrid factorGrid(const QString& format)
{
    return format == QLatin1String("w96u") ? PlateGrid{} : plateGrid(format);
}

bool writeFactoryDefaultFactors(const FlashPackContext& ctx, const QString& format, const QString& path)
{
    const PlateGrid grid = factorGrid(format);
    QString wells = QStringLiteral("well");
    QString factors = QStringLiteral("mult_factor");
    for (int k = 0; k < grid.wells(); ++k) {
        wells += QLatin1Char(' ') + wellNameOfIndex(k, grid);
        factors += QStringLiteral(" 1.00");
    }
    const QString stamp = formatDateStamp(ctx.clock.now(), QStringLiteral("yyyy/mm/dd_hh:mm:ss"));
    return writeTextFile(path, {QLatin1Char('"') + stamp + QStringLiteral("_FACTORYDEFAULT\""), wells, factors,
                                QString()});
}

} // namespace

PackedBytes PackFormatFileBytes(const FlashPackContext& ctx, const QString& fileName, int records)
{
    const std::optional<QList<QStringList>> table = tableRecords(unitFile(ctx, fileName), kFormatRecordFields);
    if (!table || table->size() != records)
        return std::nullopt;
    QByteArray bytes;
    for (const QStringList& record : *table) {
        for (const QString& field : record) {
            const std::optional<char> b = byteValue(field);
            if (!b)
                return std::nullopt;
            bytes += *b;
        }
    }
    return paddedTo72(bytes);
}

PackedBytes PackLedXyBytes(const FlashPackContext& ctx, const QString& fileName)
{
    const std::optional<QList<QStringList>> table = tableRecords(unitFile(ctx, fileName), kLedRecordFields);
    if (!table || table->size() != kLedCountInFile)
        return std::nullopt;
    QByteArray bytes;
    for (const QStringList& record : *table) {
        // The LED number is not stored: the record's position is its LED.
        if (!wholeNumber(record.first()))
            return std::nullopt;
        for (qsizetype i = 1; i < record.size(); ++i) {
            const std::optional<char> b = byteValue(record.at(i));
            if (!b)
                return std::nullopt;
            bytes += *b;
        }
    }
    const auto rest = bytes.size() % kFlashLineBytes;
    if (rest != 0)
        bytes.append(kFlashLineBytes - rest, '\0');
    return bytes;
}

PackedBytes PackTempFactorBytes(const FlashPackContext& ctx)
{
    double offset = kDefaultOffset;
    double slope = kDefaultSlope;
    const QString path = unitFile(ctx, QStringLiteral("tempfactor.dat"));
    if (QFileInfo(path).isFile()) {
        const std::optional<QStringList> lines = readTextFile(path);
        if (!lines)
            return std::nullopt;
        const std::optional<double> o = tempFactor(*lines, 1, QStringLiteral("OFFSET"), -50, 50, kDefaultOffset);
        const std::optional<double> s = tempFactor(*lines, 2, QStringLiteral("SLOPE"), 0, 10, kDefaultSlope);
        if (!o || !s)
            return std::nullopt;
        offset = *o;
        slope = *s;
    }
    // Both lie well inside what two bytes hold.
    const FlashSignedValue o = *FlashSignedValue::fromValue(offset);
    const FlashSignedValue s = *FlashSignedValue::fromValue(slope);
    QByteArray bytes;
    for (const quint8 b : {o.high, o.low, s.high, s.low})
        bytes += static_cast<char>(b);
    return paddedTo72(bytes);
}

std::optional<int> ReadBlankAcqLapse(const FlashPackContext& ctx, const QString& format)
{
    if (!isFileNameSafeCode(format))
        return std::nullopt;
    const QString path = blankStoreFile(ctx, format);
    if (!QFileInfo(path).isFile())
        return kDefaultBlankLapse;
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines || lines->size() < 2)
        return std::nullopt;
    const qsizetype equals = lines->at(1).indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const std::optional<int> lapse = wholeNumber(lines->at(1).mid(equals + 1));
    if (!lapse || *lapse < 0)
        return std::nullopt;
    return lapse;
}

PackedBytes PackBlankBytes(const FlashPackContext& ctx, const QString& format)
{
    if (!isFileNameSafeCode(format))
        return std::nullopt;
    const QString path = blankStoreFile(ctx, format);
    if (!QFileInfo(path).isFile())
        return QByteArray(kFlashPageDataBytes, '\0');
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines)
        return std::nullopt;
    QByteArray bytes;
    for (qsizetype i = kBlankHeaderLines; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        const std::optional<char> b = comma < 0 ? std::nullopt : byteValue(line.mid(comma + 1));
        if (!b)
            return std::nullopt;
        bytes += *b;
    }
    if (!CopyTextFile(path, unitFile(ctx, blankFileName(format))))
        return std::nullopt;
    return paddedTo72(bytes);
}

PackedBytes PackIntFactorBytes(const FlashPackContext& ctx, const QString& format)
{
    if (!isFileNameSafeCode(format))
        return std::nullopt;
    const QString target = unitFile(ctx, QStringLiteral("intfactor_") + format + QStringLiteral(".dat"));
    const int serial = ctx.globals.serialNumber;
    if (HasInternalReferenceRun(ctx.folder, serial, format)) {
        const InternalReferenceSetting setting{ctx.folder, ctx.clock, ctx.prompts, ctx.intRefChoice};
        const QString unit = ctx.folder.unitFolder(serial);
        const InternalReferenceFactors factors = LoadInternalReferenceFactors(setting, unit, format, serial, 1);
        if (!factors.written || !CopyTextFile(unit + QStringLiteral("/factor_correction.txt"), target))
            return std::nullopt;
        return paddedTo72(factors.bytes);
    }
    if (!writeFactoryDefaultFactors(ctx, format, target))
        return std::nullopt;
    return paddedTo72(QByteArray(kFactoryFactorBytes, kFactoryFactor));
}
