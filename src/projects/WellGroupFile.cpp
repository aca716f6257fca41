#include "projects/WellGroupFile.h"

#include "core/NumberText.h"
#include "core/Rounding.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <cmath>

namespace {

constexpr int kFileWells = 384; // wells and groups 0 to 383 go to the file
const QString kHeader = QStringLiteral("#Well, Group, name");

QString groupFilePath(const ProgramFolder& folder, QString relativeFolder)
{
    relativeFolder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return folder.path(QStringLiteral("reports/") + relativeFolder + QStringLiteral("/chgroup.dat"));
}

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A whole number from a field by the numeric-value rule, when it fits an int.
std::optional<int> wholeField(const QString& text)
{
    const double v = textValue(text);
    if (!std::isfinite(v) || v < -1e6 || v > 1e6)
        return std::nullopt;
    return static_cast<int>(roundHalfEven(v));
}

void resetTable(WellGroupTable& groups)
{
    for (int i = 0; i < kFileWells; ++i) {
        groups.wellGroup[i] = -1;
        groups.groupName[i] = QStringLiteral("Free");
    }
}

void parseLine(const QString& line, WellGroupTable& groups)
{
    const qsizetype a = line.indexOf(QLatin1Char(','));
    if (a < 0)
        return;
    const qsizetype b = line.indexOf(QLatin1Char(','), a + 1);
    if (b < 0)
        return;
    std::optional<int> well = wholeField(line.left(a));
    std::optional<int> group = wholeField(line.mid(a + 1, b - a - 1));
    if (!well || !group)
        return;
    const int w = std::max(*well, 0);
    const int g = std::max(*group, -1);
    // Outside the tables: skipped rather than written past their ends.
    if (w >= kWellSlots || g >= kWellSlots)
        return;
    groups.wellGroup[w] = g;
    if (g >= 0)
        groups.groupName[g] = line.mid(b + 1).remove(QLatin1Char('"'));
}

void loadInto(const ProgramFolder& folder, const QString& relativeFolder, WellGroupTable& groups)
{
    resetTable(groups);
    const QString path = groupFilePath(folder, relativeFolder);
    if (!QFileInfo::exists(path)) {
        WellGroupTable defaults;
        writeTextFile(path, wellGroupLines(defaults));
        return;
    }
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines)
        return;
    for (qsizetype i = 1; i < lines->size(); ++i)
        parseLine(lines->at(i), groups);
}

} // namespace

QStringList wellGroupLines(const WellGroupTable& groups)
{
    QStringList lines{kHeader};
    for (int i = 0; i < kFileWells; ++i) {
        const int g = groups.wellGroup[i];
        if (g < 0 || g >= kWellSlots)
            lines << QStringLiteral("%1,-1,").arg(i) + quotedName(QStringLiteral("Free"));
        else
            lines << QStringLiteral("%1,%2,").arg(i).arg(g) + quotedName(groups.groupName[g]);
    }
    return lines;
}

void LoadWellGroups(const ProgramFolder& folder, const QString& relativeFolder, WellGroupTable& groups)
{
    loadInto(folder, relativeFolder, groups);
}

void LoadWellGroupsProject(const ProgramFolder& folder, const QString& runPath, WellGroupTable& reportGroups)
{
    loadInto(folder, runPath, reportGroups);
}

bool SaveWellGroups(const ProgramFolder& folder, const QString& relativeFolder, const WellGroupTable& groups)
{
    const QString path = groupFilePath(folder, relativeFolder);
    if (!QFileInfo(QFileInfo(path).path()).isDir())
        return false;
    return writeTextFile(path, wellGroupLines(groups));
}
