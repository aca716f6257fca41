#include "projects/ProjectSetup.h"

#include "core/TextFile.h"

#include <QFileInfo>

namespace {

const QString kAcqTime = QStringLiteral("acq_time=");
const QString kPlateFormat = QStringLiteral("plate_format=");
const QString kTemperature = QStringLiteral("temperature=");

// The text after the key's own length, when the line holds the key anywhere.
void takeValue(const QString& line, const QString& key, QString& box)
{
    if (line.contains(key))
        box = line.mid(key.size());
}

} // namespace

QString projectSetupPath(const ProgramFolder& folder, const QString& projectName)
{
    return folder.path(QStringLiteral("reports/") + projectName + QStringLiteral("/pjsetup.dat"));
}

void ReadProjectSetup(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                      ProjectSetupBoxes boxes, bool blankRun)
{
    if (blankRun)
        return;
    const QString path = projectSetupPath(folder, projectName);
    if (!QFileInfo::exists(path)) {
        writeTextFile(path, {kAcqTime + QStringLiteral("30"), kPlateFormat + QStringLiteral("w96f"),
                             kTemperature + QStringLiteral("20")});
        return;
    }
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines) {
        prompts.message(QStringLiteral("error reading project setup file"));
        return;
    }
    QString* const targets[] = {&boxes.txtlapse, &boxes.cmb_well, &boxes.txttemp};
    const QString* const keys[] = {&kAcqTime, &kPlateFormat, &kTemperature};
    for (int i = 0; i < 3; ++i) {
        if (i >= lines->size()) {
            prompts.message(QStringLiteral("error reading project setup file"));
            return;
        }
        takeValue(lines->at(i), *keys[i], *targets[i]);
    }
}

bool WriteProjectSetup(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                       const ProjectSetupBoxes& boxes)
{
    const QString path = projectSetupPath(folder, projectName);
    // The folder must be there already: writing never makes a project.
    if (!QFileInfo(QFileInfo(path).path()).isDir() ||
        !writeTextFile(path, {kAcqTime + boxes.txtlapse, kPlateFormat + boxes.cmb_well, kTemperature + boxes.txttemp})) {
        prompts.message(QStringLiteral("Error creating project folder/setup"));
        return false;
    }
    return true;
}

void makeDefaultProject(const ProgramFolder& folder)
{
    const QString project = folder.path(QStringLiteral("reports/default_project"));
    if (QFileInfo(project).isDir() || !makeFolder(project))
        return;
    writeTextFile(project + QStringLiteral("/pjsetup.dat"),
                  {kAcqTime + QStringLiteral("30"), kPlateFormat + QStringLiteral("w6"), kTemperature + QStringLiteral("20")});
}
