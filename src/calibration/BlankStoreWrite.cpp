#include "calibration/BlankStoreWrite.h"

#include "calibration/BlankStore.h"
#include "core/Clock.h"
#include "core/TextFile.h"
#include "plate/geometry/PlateFormat.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
constexpr int kDataLines = kWellSlots - 1; // indexes 0 to 383
constexpr int kFactoryCopyPauseMs = 50;
} // namespace

bool writeBlankStoreFile(const ProgramFolder& folder, int serialNumber, const QString& code, const QStringList& lines)
{
    if (code.isEmpty() || !isFileNameSafeCode(code))
        return false;
    if (!makeFolder(folder.blankMeasurementFolder(serialNumber)))
        return false;
    return writeTextFile(blankStoreFilePath(folder, serialNumber, code), lines);
}

bool WriteEmptyBlankFile(const ProgramFolder& folder, int serialNumber, const QString& code, BlankRecord& record)
{
    std::fill(record.blankValue.begin(), record.blankValue.begin() + kDataLines, std::int16_t(0));
    record.blankLapse = 30;
    QStringList lines = {QStringLiteral("none"), QStringLiteral("acqlapse=30"), kBlankHeader};
    for (int i = 0; i < kDataLines; ++i)
        lines << QString::number(i) + QStringLiteral(",0");
    return writeBlankStoreFile(folder, serialNumber, code, lines);
}

QString factoryBlankFilePath(const ProgramFolder& folder, int serialNumber, const QString& code)
{
    return resolvePathIgnoringCase(folder.unitFolder(serialNumber) + QStringLiteral("/blank_") + code +
                                   QStringLiteral(".dat"));
}

FactoryBlankLoad loadFactoryBlank(const ProgramFolder& folder, int serialNumber, const QString& code, Clock& clock)
{
    if (code.isEmpty() || !isFileNameSafeCode(code))
        return FactoryBlankLoad::NotFound;
    const QString source = factoryBlankFilePath(folder, serialNumber, code);
    if (!QFileInfo(source).isFile())
        return FactoryBlankLoad::NotFound;
    const auto lines = readTextFile(source);
    if (!lines || !writeBlankStoreFile(folder, serialNumber, code, *lines))
        return FactoryBlankLoad::WriteFailed;
    clock.sleepMs(kFactoryCopyPauseMs);
    return FactoryBlankLoad::Loaded;
}
