#pragma once

#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QByteArray>
#include <QDir>
#include <QString>

// Recorded runs under reports/, written by hand as a run leaves them.
inline const QByteArray kActivityHeader =
    "\"2024/01/15_14:30:22\" \"<Raw_activity_file_without_internal_factor_correction>\"\r\n"
    "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n";
inline const QByteArray kTemperatureHeader = "\"2024/01/15_14:30:22\"\r\n\"Time[m]\" \"Temperature[C]\"\r\n";

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A run folder with subpj.dat (unless `subpj` is empty) and current_activity.txt
// (header plus `activityRows`), and current_temperature.txt when rows are given.
inline QString writeRecordedRun(const TempProgramFolder& tmp, const QString& project, const QString& run,
                                const QByteArray& subpj, const QByteArray& activityRows,
                                const QByteArray& temperatureRows = QByteArray())
{
    const QString folder = tmp.path(QStringLiteral("reports/") + project + QLatin1Char('/') + run);
    QDir().mkpath(folder);
    if (!subpj.isEmpty())
        writeFile(folder + QStringLiteral("/subpj.dat"), subpj);
    writeFile(folder + QStringLiteral("/current_activity.txt"), kActivityHeader + activityRows);
    if (!temperatureRows.isEmpty())
        writeFile(folder + QStringLiteral("/current_temperature.txt"), kTemperatureHeader + temperatureRows);
    return folder;
}

// The small tree of the list tests: p20240110_ab with two recorded runs, a
// run folder without its activity file, and an empty project.
inline void writeListFixtureTree(const TempProgramFolder& tmp)
{
    writeRecordedRun(tmp, QStringLiteral("p20240110_ab"), QStringLiteral("20240115_143022mice"),
                     "mice\r\nacq_time=30\r\nplate_format=w6\r\n", "0.5 \"A1\" 120\r\n0.5 \"B1\" 80\r\n");
    writeRecordedRun(tmp, QStringLiteral("p20240110_ab"), QStringLiteral("20240301_090000"), QByteArray(),
                     "0.5 \"A1\" 1\r\n");
    QDir().mkpath(tmp.path(QStringLiteral("reports/p20240110_ab/20240201_080000broken")));
    QDir().mkpath(tmp.path(QStringLiteral("reports/newproject")));
}
