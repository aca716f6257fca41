#pragma once

#include "reporting/JointTable.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QStringList>
#include <optional>

// Run folders of a reports tree as a joint report finds them.
struct JointRunFolders {
    TempProgramFolder tmp;

    // reports/<project>/<run> with a subpj.dat of the format (none when empty)
    // and an adjusted_activity.txt of the rows (none when nullopt).
    QString addRun(const QString& project, const QString& run, const QString& format,
                   const std::optional<QStringList>& rows)
    {
        const QString folder = tmp.path(QStringLiteral("reports/") + project + QLatin1Char('/') + run);
        QDir().mkpath(folder);
        if (!format.isEmpty())
            writeBytes(folder + QStringLiteral("/subpj.dat"),
                       "run\r\nacq_time=30\r\nplate_format=" + format.toLatin1() + "\r\n");
        if (rows) {
            QByteArray bytes = "\"2025/03/14_10:15:00\" \"<activity_file_adjusted_by_internal_factor_correction>\"\r\n"
                               "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n";
            for (const QString& row : *rows)
                bytes += row.toLatin1() + "\r\n";
            writeBytes(folder + QStringLiteral("/adjusted_activity.txt"), bytes);
        }
        return folder;
    }
};

// List lines as the project and run list writes them.
inline JointListEntry projectLine(const char* project, bool selected = false)
{
    return {QStringLiteral("+ 2025.0314\t") + QString::fromLatin1(project), selected};
}

inline JointListEntry runLine(const char* date, const char* time, const char* name, bool selected = true)
{
    return {QStringLiteral("  > ") + QString::fromLatin1(date) + QStringLiteral("\t ACQ") + QString::fromLatin1(time)
                + QStringLiteral(" \"") + QString::fromLatin1(name) + QLatin1Char('"'),
            selected};
}
