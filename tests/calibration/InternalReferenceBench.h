#pragma once

#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "calibration/InternalReferenceFactors.h"

#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// A program folder with reference projects, and the call that reads them.
namespace intref {

inline QByteArray crlf(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1();
}

inline const char* const kW6Wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};

// The rows of one w6 scan at the given minutes: time, quoted well, value.
inline QStringList w6ScanLines(const QString& minutes, const std::array<int, 6>& values)
{
    QStringList lines;
    for (int k = 0; k < 6; ++k)
        lines << minutes + QStringLiteral(" \"") + QLatin1String(kW6Wells[k]) + QStringLiteral("\" ")
                + QString::number(values[static_cast<size_t>(k)]);
    return lines;
}

// current_activity.txt: its two header lines, then the given rows.
inline QByteArray activityFile(const QStringList& rows)
{
    return crlf(QStringList{QStringLiteral("\"run\""), QStringLiteral("time well value")} + rows);
}

// current_activity.txt with one scan of the six w6 wells per entry: its
// minutes and values.
inline QByteArray w6Activity(const std::vector<std::pair<QString, std::array<int, 6>>>& scans)
{
    QStringList rows;
    for (const auto& [minutes, values] : scans)
        rows << w6ScanLines(minutes, values);
    return activityFile(rows);
}

inline QString projectOf(int serial)
{
    return serial >= 1 ? QStringLiteral("reports/_internal_referenceSN%1/").arg(serial)
                       : QStringLiteral("reports/_internal_reference/");
}

struct ReferenceBench {
    void addRun(const QString& name, const QByteArray& activity, int serial = 12)
    {
        ASSERT_TRUE(writeBytes(folder.path(projectOf(serial) + name + QStringLiteral("/current_activity.txt")),
                               activity));
    }
    InternalReferenceFactors load(const QString& target, const QString& format, int serial = 12, int announce = 0)
    {
        return LoadInternalReferenceFactors({folder.folder(), clock, prompts, intRefChoice}, target, format, serial,
                                            announce);
    }
    QStringList lines(const QString& relative) const { return fileLines(folder.path(relative)); }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53))};
    ScriptedPrompts prompts;
    int intRefChoice = 0;
};

} // namespace intref
