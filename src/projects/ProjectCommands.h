#pragma once

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/PlateGeometry.h"
#include "projects/GroupCombo.h"
#include "projects/GroupReset.h"
#include "projects/ProjectSetup.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The project box `cmb_project`: its entries, the selected one and its tooltip.
struct ProjectCombo {
    QStringList entries;
    int currentIndex = -1;
    QString toolTip;
    QString currentText() const { return currentIndex >= 0 ? entries.value(currentIndex) : QString(); }
};

// Refills the box with every project and selects the given one (case ignored);
// when it is not there: "last project folder not found!" and "default_project".
// Returns the selected entry, which the caller applies with the box's click
// handling; nothing when not even the default project is listed.
std::optional<QString> FillProjectCombo(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                                        ProjectCombo& combo);

// What choosing a project works on: the main window's state and boxes.
struct ProjectContext {
    const ProgramFolder& folder;
    Prompts& prompts;
    Clock& clock;
    int serialNumber;
    WellGroupTable& groups;
    ProjectSetupBoxes boxes;
    QString& projectName;
    bool blankRun;
    QString& plateFormat;
    int& plateRows;
    int& plateColumns;
    PlateGeometry& geometry;
    std::function<void(const PlateFormat& format)> drawPlateLayout; // the plate picture, when there is one
    RedrawWell redrawWell;
};

// What choosing a project leaves for the window's other controls.
struct ProjectSelection {
    std::optional<QString> cmb_formatplate;     // the calibration box shows the project's format
    std::optional<QStringList> mnopciongrup;    // the group-option captions for its grid
    GroupComboList combogrup;                   // the project's group list
};

// Choosing the selected project (`cmb_project_Click`): its name and tooltip, its
// set-up into the boxes, its plate format (when the box holds one) with the well
// table, picture and group options, its groups with every well redrawn.
ProjectSelection selectProject(ProjectContext& context, ProjectCombo& combo);

// "New": asks for a name of 2 to 100 characters, makes "p" + yyyymmdd + "_" +
// the cleaned name under `reports` (an existing one of that name is reused),
// writes its set-up from the boxes and the groups in use, and refills the box
// on it. Returns the entry to select, nothing when no project was made.
std::optional<QString> createProject(ProjectContext& context, ProjectCombo& combo);

// "Rename": only for a project made by "New" ("p", eight digits, "_"); asks for
// a new name, keeps the ten-character prefix and renames the folder. A name in
// use or a folder that cannot be moved leaves the project as it was and says so.
// Returns the entry to select, nothing when nothing was renamed.
std::optional<QString> renameProject(ProjectContext& context, ProjectCombo& combo);
