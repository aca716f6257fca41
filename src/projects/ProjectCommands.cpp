#include "projects/ProjectCommands.h"

#include "core/DateStamp.h"
#include "core/NumberText.h"
#include "plate/files/WellSpecFile.h"
#include "plate/geometry/WellNumbering.h"
#include "projects/GroupMenuCaptions.h"
#include "projects/ProjectFolders.h"
#include "projects/WellGroupFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kDefaultProject = QStringLiteral("default_project");
constexpr int kShortestName = 2;
constexpr int kLongestName = 100;
constexpr int kPrefixLength = 10; // "p", yyyymmdd, "_"

int entryIgnoringCase(const QStringList& entries, const QString& name)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// A prefix that "New" made: "p", a number in characters 2 to 9, "_".
bool isUserProjectPrefix(const QString& prefix)
{
    return prefix.size() == kPrefixLength && prefix.at(0) == QLatin1Char('p') &&
           strictNumberValue(prefix.mid(1, 8)).has_value() && prefix.at(9) == QLatin1Char('_');
}

} // namespace

std::optional<QString> FillProjectCombo(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                                        ProjectCombo& combo)
{
    combo.entries = listProjects(folder);
    combo.currentIndex = entryIgnoringCase(combo.entries, projectName);
    if (combo.currentIndex >= 0) {
        combo.toolTip = projectName;
        return combo.entries.at(combo.currentIndex);
    }
    prompts.message(QStringLiteral("last project folder not found!"));
    combo.currentIndex = entryIgnoringCase(combo.entries, kDefaultProject);
    combo.toolTip = kDefaultProject;
    if (combo.currentIndex < 0)
        return std::nullopt;
    return combo.entries.at(combo.currentIndex);
}

ProjectSelection selectProject(ProjectContext& ctx, ProjectCombo& combo)
{
    ProjectSelection result;
    ctx.projectName = combo.currentText();
    combo.toolTip = ctx.projectName;
    ReadProjectSetup(ctx.folder, ctx.prompts, ctx.projectName, ctx.boxes, ctx.blankRun);

    if (!ctx.boxes.cmb_well.isEmpty()) {
        const PlateFormat format = resolvePlateFormat(ctx.boxes.cmb_well);
        ctx.plateFormat = format.code;
        ReadWellSpecFile(ctx.folder, format.code, ctx.geometry);
        ctx.plateRows = format.rows;
        ctx.plateColumns = format.columns;
        if (ctx.drawPlateLayout)
            ctx.drawPlateLayout(format);
        result.cmb_formatplate = format.code;
        result.mnopciongrup = BuildGroupMenuCaptions(ctx.plateRows, ctx.plateColumns);
    }

    LoadWellGroups(ctx.folder, ctx.projectName, ctx.groups);
    result.combogrup = RefreshGroupCombo(ctx.groups, 0);
    if (ctx.redrawWell) {
        for (int r = 0; r < ctx.plateRows; ++r) {
            for (int c = 0; c < ctx.plateColumns; ++c) {
                const int well = WellIndex(c, r, ctx.plateRows);
                if (well < kWellSlots)
                    ctx.redrawWell(well);
            }
        }
    }
    return result;
}

std::optional<QString> createProject(ProjectContext& ctx, ProjectCombo& combo)
{
    const QString answer =
        ctx.prompts.input(QStringLiteral("Enter a name for your project"), QStringLiteral("New project creation"), QString());
    const int length = characterCount(answer);
    if (length == 0)
        return std::nullopt;
    if (length < kShortestName) {
        ctx.prompts.message(QStringLiteral("Invalid name. Write a longer name for your project. minimum len=2char"));
        return std::nullopt;
    }
    if (length > kLongestName) {
        ctx.prompts.message(QStringLiteral("Invalid name. Write a shorter name for your project. maximum len=100char"));
        return std::nullopt;
    }
    const QString name = QStringLiteral("p") + formatDateStamp(ctx.clock.now(), QStringLiteral("yyyymmdd")) +
                         QStringLiteral("_") + MakeFolderSafeName(answer);
    makeFolder(ctx.folder.path(QStringLiteral("reports/") + name));
    if (!WriteProjectSetup(ctx.folder, ctx.prompts, name, ctx.boxes))
        return std::nullopt;
    ctx.projectName = name;
    SaveWellGroups(ctx.folder, name, ctx.groups);
    ctx.clock.sleepMs(10);
    return FillProjectCombo(ctx.folder, ctx.prompts, name, combo);
}

std::optional<QString> renameProject(ProjectContext& ctx, ProjectCombo& combo)
{
    const QString selected = combo.currentText();
    const QString prefix = selected.left(kPrefixLength);
    if (!isUserProjectPrefix(prefix))
        return std::nullopt;
    const QString proposal = selected.mid(kPrefixLength).replace(QLatin1Char('_'), QLatin1Char(' '));
    const QString answer = ctx.prompts.input(QStringLiteral("Project Name:"), QStringLiteral("Project Rename"), proposal);
    if (answer.isEmpty())
        return std::nullopt;

    const QString newName = prefix + MakeFolderSafeName(answer);
    const QString oldPath = ctx.folder.path(QStringLiteral("reports/") + selected);
    const QString newPath = ctx.folder.path(QStringLiteral("reports/") + newName);
    if (newName != selected) {
        // Names are one folder whatever their case: a name in use by another folder is refused.
        const bool taken = QFileInfo::exists(newPath) && QFileInfo(newPath).canonicalFilePath() !=
                                                              QFileInfo(oldPath).canonicalFilePath();
        const QString target = QFileInfo(oldPath).dir().filePath(newName);
        if (taken || !QFileInfo(oldPath).isDir() || !QDir().rename(oldPath, target)) {
            ctx.prompts.message(QStringLiteral("The project could not be renamed to ") + newName +
                                QStringLiteral(": a folder of that name exists or the project folder is in use."));
            return std::nullopt;
        }
    }
    return FillProjectCombo(ctx.folder, ctx.prompts, newName, combo);
}
