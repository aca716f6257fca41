#include "analysis/OfflineRunOpening.h"

#include "core/Prompts.h"
#include "projects/RecordedRun.h"
#include "projects/WellGroupFile.h"

#include <QFileInfo>

RunOpeningResult openRecordedRun(const ProgramFolder& folder, const RunListLine& line, bool acquisitionRunning,
                                 Prompts& prompts, OfflinePageState& page, QString& runFolder)
{
    page.jointReportMode = false;
    if (acquisitionRunning) {
        // The running acquisition appends to runFolder; pointing it elsewhere would split its files.
        prompts.message(kRunActiveMessage);
        return RunOpeningResult::RunActive;
    }
    page.runStamp = runStampFromLine(line.text);
    page.projectName = line.projectName;
    page.runRelativePath = line.projectName;
    const QString projectFolder = folder.reportsFolder() + QLatin1Char('/') + line.projectName;
    page.openRunFolder = projectFolder;

    const QString runPath = resolvePathIgnoringCase(projectFolder + QLatin1Char('/') + line.runFolderName);
    if (line.runFolderName.isEmpty() || line.runFolderName.contains(QLatin1Char('.')) ||
        !QFileInfo(runPath).isDir()) {
        prompts.message(kFolderNotFoundMessage);
        return RunOpeningResult::NotFound;
    }
    page.openRunFolder = runPath;
    page.runRelativePath = line.projectName + QLatin1Char('/') + line.runFolderName;

    const RunSetupRead setup = readRecordedRunSetup(runPath, prompts);
    page.runAcquisitionName = setup.acquisitionName;
    if (setup.status == RunSetupRead::Status::TimeRefused)
        return RunOpeningResult::TimeRefused;
    if (setup.status == RunSetupRead::Status::FormatRefused)
        return RunOpeningResult::FormatRefused;

    page.plateFormat = setup.plateFormat;
    page.grid = plateGrid(setup.plateFormat);
    page.run = RunResults{};
    page.run.wellsPerScan = page.grid.wells();

    const QString activity = resolvePathIgnoringCase(runPath + QStringLiteral("/current_activity.txt"));
    if (!QFileInfo(activity).isFile())
        return RunOpeningResult::NoActivity;
    loadRecordedActivity(activity, page.grid, page.run);
    loadRecordedTemperature(resolvePathIgnoringCase(runPath + QStringLiteral("/current_temperature.txt")), page.run);

    runFolder = runPath;
    page.pageRunFolder = runPath;
    LoadWellGroupsProject(folder, page.runRelativePath, page.groups);
    page.groupList = recordedRunGroupList(page.groups, page.grid);
    return RunOpeningResult::Opened;
}

void toggleProjectFold(const QString& project, OfflinePageState& page)
{
    if (!page.projectExpanded.removeAll(project))
        page.projectExpanded << project;
}
