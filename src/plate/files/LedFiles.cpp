#include "plate/files/LedFiles.h"

#include "core/Globals.h"
#include "core/TextFile.h"

#include <QStringList>

namespace {

// Field positions of each file's rows.
constexpr int kLayoutFields = 4;
constexpr int kLayoutLedField = 1;
constexpr int kXyFields = 5;
constexpr int kPowerFields = 2;

QString unitFile(const ProgramFolder& folder, int serialNumber, const QString& name)
{
    return folder.path(ProgramFolder::unitFolderName(serialNumber) + QLatin1Char('/') + name);
}

// Reads a file's usable rows into the table; false when the file is missing.
template <typename Store>
bool loadRows(const QString& path, int fieldCount, int ledField, LedLoadReport& report, Store store)
{
    if (path.isEmpty())
        return false;
    const std::optional<LedRows> rows = readLedRows(path, fieldCount, ledField);
    if (!rows)
        return false;
    for (const std::vector<int>& r : rows->rows)
        store(r);
    report.rowsSkipped += rows->skipped;
    return true;
}

QString joinedRow(std::initializer_list<int> values)
{
    QStringList fields;
    for (const int v : values)
        fields << QString::number(v);
    return fields.join(QLatin1Char(','));
}

} // namespace

QString ledLayoutFilePath(const ProgramFolder& folder, int hardwareGeneration)
{
    if (hardwareGeneration != 1 && hardwareGeneration != 2)
        return {};
    return folder.path(QStringLiteral("config/ldsetup%1.dat").arg(hardwareGeneration));
}

QString ledXyFilePath(const ProgramFolder& folder, int serialNumber)
{
    return unitFile(folder, serialNumber, QStringLiteral("ledxy.dat"));
}

QString ledPowerFilePath(const ProgramFolder& folder, int serialNumber)
{
    return unitFile(folder, serialNumber, QStringLiteral("ledpower.dat"));
}

LedLoadReport loadLedTable(LedTable& table, const QString& layoutPath, const QString& xyPath,
                           const QString& powerPath)
{
    table.clear();
    LedLoadReport report;
    report.layoutFound = loadRows(layoutPath, kLayoutFields, kLayoutLedField, report, [&](const std::vector<int>& r) {
        const auto led = static_cast<size_t>(r[1]);
        table.ledCamera[led] = r[0];
        table.ledColcam[led] = r[2];
        table.ledFilcam[led] = r[3];
    });
    report.xyFound = loadRows(xyPath, kXyFields, 0, report, [&](const std::vector<int>& r) {
        const auto led = static_cast<size_t>(r[0]);
        table.ledX1[led] = r[1];
        table.ledX2[led] = r[2];
        table.ledY1[led] = r[3];
        table.ledY2[led] = r[4];
    });
    report.powerFound = loadRows(powerPath, kPowerFields, 0, report, [&](const std::vector<int>& r) {
        table.ledPower[static_cast<size_t>(r[0])] = r[1];
    });
    return report;
}

LedLoadReport LoadLedSetup(LedTable& table, const ProgramFolder& folder, const Globals& globals)
{
    return loadLedTable(table, ledLayoutFilePath(folder, globals.hardwareGeneration),
                        ledXyFilePath(folder, globals.serialNumber), ledPowerFilePath(folder, globals.serialNumber));
}

bool writeLedXyFile(const QString& path, const LedTable& table)
{
    QStringList lines{kLedFileTitle, kLedXyColumns};
    for (size_t led = 0; led < kLedCount; ++led)
        lines << joinedRow({static_cast<int>(led), table.ledX1[led], table.ledX2[led], table.ledY1[led],
                            table.ledY2[led]});
    return writeTextFile(path, lines);
}

bool writeLedPowerFile(const QString& path, const LedTable& table)
{
    QStringList lines{kLedFileTitle, kLedPowerColumns};
    for (size_t led = 0; led < kLedCount; ++led)
        lines << joinedRow({static_cast<int>(led), table.ledPower[led]});
    return writeTextFile(path, lines);
}

bool WriteLedXyFile(const ProgramFolder& folder, int serialNumber, const LedTable& table)
{
    return makeFolder(folder.unitFolder(serialNumber)) && writeLedXyFile(ledXyFilePath(folder, serialNumber), table);
}

bool WriteLedPowerFile(const ProgramFolder& folder, int serialNumber, const LedTable& table)
{
    return makeFolder(folder.unitFolder(serialNumber))
        && writeLedPowerFile(ledPowerFilePath(folder, serialNumber), table);
}
