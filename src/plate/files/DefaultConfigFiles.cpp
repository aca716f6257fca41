#include "plate/files/DefaultConfigFiles.h"

#include "core/Fields.h"
#include "core/TextFile.h"
#include "plate/geometry/CameraLayout.h"
#include "plate/geometry/WellNumbering.h"

#include <QFileInfo>

namespace {

// Every default well table gives each well its full extent.
const QString kFullExtent = QStringLiteral("0,100,0,100");

bool writeDefault(const ProgramFolder& folder, const QString& folderName, const QString& fileName,
                  const QStringList& lines)
{
    if (!makeFolder(folder.path(folderName)))
        return false;
    return writeTextFile(folder.path(folderName + QLatin1Char('/') + fileName), lines);
}

QStringList spcHead(const QString& code)
{
    return {code + QStringLiteral(" specifications,,,,,,,,,"),
            QStringLiteral("camera,column,row,dataindex,name,plotindex,col_ini,col_end,row_ini,row_end")};
}

QString spcLine(int camera, int column, int row, int plateColumn, int plateRow, int plateRows)
{
    const int dataIndex = WellIndex(plateColumn, plateRow, plateRows);
    return QStringLiteral("%1,%2,%3,%4,%5,%4,").arg(camera).arg(column).arg(row).arg(dataIndex).arg(
               wellName(plateRow, plateColumn))
        + kFullExtent;
}

// p35 and w6: camera c sees the one well of data index c.
QStringList oneWellPerCameraSpc(const QString& code)
{
    QStringList lines = spcHead(code);
    for (int c = 0; c < kCameraCount; ++c)
        lines << spcLine(c, 0, 0, cameraColumnBlock(c), cameraRowBlock(c), 2);
    return lines;
}

// w24: each camera sees two columns by two rows of wells.
QStringList w24Spc()
{
    QStringList lines = spcHead(QStringLiteral("w24"));
    for (int c = 0; c < kCameraCount; ++c)
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                lines << spcLine(c, i, j, 2 * cameraColumnBlock(c) + i, 2 * cameraRowBlock(c) + j, 4);
    return lines;
}

// Title and header of a column or row file; the header's words are quoted and
// set apart by a comma and a blank, unlike the calibration's own writer.
QStringList axisHead(const QString& code, const QString& axis)
{
    return {quoted(code + QLatin1Char(' ') + axis + QStringLiteral(" format")),
            QStringList{quoted(QStringLiteral("camera")), quoted(axis), quoted(QStringLiteral("start")),
                        quoted(QStringLiteral("end"))}
                .join(QStringLiteral(", "))};
}

QString axisLine(int camera, int window, int start, int end)
{
    return QStringLiteral("%1,%2,%3,%4").arg(camera).arg(window).arg(start).arg(end);
}

// p35 and w6: one column and one row per camera.
QStringList oneWellColumns(const QString& code)
{
    QStringList lines = axisHead(code, QStringLiteral("column"));
    for (int c = 0; c < kCameraCount; ++c)
        lines << axisLine(c, cameraColumnBlock(c), 5, 140);
    return lines;
}

QStringList oneWellRows(const QString& code)
{
    QStringList lines = axisHead(code, QStringLiteral("row"));
    for (int c = 0; c < kCameraCount; ++c)
        lines << axisLine(c, cameraRowBlock(c), 10, 165);
    return lines;
}

QStringList w24Columns()
{
    QStringList lines = axisHead(QStringLiteral("w24"), QStringLiteral("column"));
    for (int c = 0; c < kCameraCount; ++c) {
        lines << axisLine(c, 2 * cameraColumnBlock(c), 5, 75);
        lines << axisLine(c, 2 * cameraColumnBlock(c) + 1, 75, 142);
    }
    return lines;
}

QStringList w24Rows()
{
    QStringList lines = axisHead(QStringLiteral("w24"), QStringLiteral("row"));
    for (int c = 0; c < kCameraCount; ++c) {
        lines << axisLine(c, 2 * cameraRowBlock(c), 10, 90);
        lines << axisLine(c, 2 * cameraRowBlock(c) + 1, 90, 170);
    }
    return lines;
}

const QString kLedSetupColumns = QStringLiteral("camera,led,colcam,filcam");

QString ledLine(int camera, int led, int colcam, int filcam)
{
    return QStringLiteral("%1,%2,%3,%4").arg(camera).arg(led).arg(colcam).arg(filcam);
}

// Generation 1: 416 LEDs, 8 rows per camera block; the middle cameras have 8 columns, the others 9.
QStringList ledSetup1()
{
    struct Block {
        int firstLed;
        int columns;
    };
    constexpr Block kBlocks[kCameraCount]{{0, 9}, {208, 9}, {72, 8}, {280, 8}, {136, 9}, {344, 9}};
    constexpr int kRows = 8;
    QStringList lines{QStringLiteral("Led control v1.0: 16rows x  26col. Per cam: 8 x 9+8+9,,,"), kLedSetupColumns};
    for (int c = 0; c < kCameraCount; ++c)
        for (int col = 1; col <= kBlocks[c].columns; ++col)
            for (int row = 1; row <= kRows; ++row)
                lines << ledLine(c, kBlocks[c].firstLed + (col - 1) * kRows + (row - 1), col, row);
    return lines;
}

// Generation 2: blocks of 9 columns by 7 rows that overlap, each with a 64th LED at column 10, row 8.
QStringList ledSetup2()
{
    constexpr int kFirstLed[kCameraCount]{0, 192, 64, 256, 128, 320};
    constexpr int kColumns = 9;
    constexpr int kRows = 7;
    QStringList lines{QStringLiteral("Led control v1.2: 13rows x  19col. Per cam: 7 x 9 with overlaping"),
                      kLedSetupColumns};
    for (int c = 0; c < kCameraCount; ++c) {
        for (int col = 1; col <= kColumns; ++col)
            for (int row = 1; row <= kRows; ++row)
                lines << ledLine(c, kFirstLed[c] + (col - 1) * kRows + (row - 1), col, row);
        lines << ledLine(c, kFirstLed[c] + kColumns * kRows, kColumns + 1, kRows + 1);
    }
    return lines;
}

} // namespace

bool WriteDefaultP35Spc(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("p35_spc.dat"), oneWellPerCameraSpc(QStringLiteral("p35")));
}

bool WriteDefaultW6Spc(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w6_spc.dat"), oneWellPerCameraSpc(QStringLiteral("w6")));
}

bool WriteDefaultW24Spc(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w24_spc.dat"), w24Spc());
}

bool WriteDefaultLedSetup1(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("ldsetup1.dat"), ledSetup1());
}

bool WriteDefaultLedSetup2(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("ldsetup2.dat"), ledSetup2());
}

bool WriteDefaultW6Col(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w6_col.dat"), oneWellColumns(QStringLiteral("w6")));
}

bool WriteDefaultP35Col(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("p35_col.dat"), oneWellColumns(QStringLiteral("p35")));
}

bool WriteDefaultW24Col(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w24_col.dat"), w24Columns());
}

bool WriteDefaultP35Row(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("p35_row.dat"), oneWellRows(QStringLiteral("p35")));
}

bool WriteDefaultW6Row(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w6_row.dat"), oneWellRows(QStringLiteral("w6")));
}

bool WriteDefaultW24Row(const ProgramFolder& folder, const QString& folderName)
{
    return writeDefault(folder, folderName, QStringLiteral("w24_row.dat"), w24Rows());
}

const std::array<DefaultFile, 5>& sharedDefaultFiles()
{
    static const std::array<DefaultFile, 5> files{{
        {"ldsetup1.dat", WriteDefaultLedSetup1},
        {"ldsetup2.dat", WriteDefaultLedSetup2},
        {"p35_spc.dat", WriteDefaultP35Spc},
        {"w6_spc.dat", WriteDefaultW6Spc},
        {"w24_spc.dat", WriteDefaultW24Spc},
    }};
    return files;
}

bool WriteMissingSharedDefaults(const ProgramFolder& folder)
{
    const QString config = QStringLiteral("config");
    bool allWritten = true;
    for (const DefaultFile& file : sharedDefaultFiles()) {
        if (QFileInfo::exists(folder.path(config + QLatin1Char('/') + QLatin1String(file.fileName))))
            continue;
        if (!file.write(folder, config))
            allWritten = false;
    }
    return allWritten;
}
