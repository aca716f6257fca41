#pragma once

#include "core/ProgramFolder.h"
#include "core/Prompts.h"

#include <QString>

// The three main-window boxes a project's pjsetup.dat comes from and goes to:
// the acquisition time txtlapse, the plate format cmb_well, the set-point txttemp.
struct ProjectSetupBoxes {
    QString& txtlapse;
    QString& cmb_well;
    QString& txttemp;
};

// reports/<project>/pjsetup.dat
QString projectSetupPath(const ProgramFolder& folder, const QString& projectName);

// Loads a project's pjsetup.dat into the boxes (nothing while a blank run is
// set). A missing file is created with the w96f defaults and the boxes keep
// their texts. A line without its key leaves its box as it is; fewer than three
// lines says "error reading project setup file" and keeps what was filled.
void ReadProjectSetup(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                      ProjectSetupBoxes boxes, bool blankRun);

// Replaces the project's pjsetup.dat with the boxes' texts as they stand; a
// failure says "Error creating project folder/setup" and returns false.
bool WriteProjectSetup(const ProgramFolder& folder, Prompts& prompts, const QString& projectName,
                       const ProjectSetupBoxes& boxes);

// The default project's folder with its own set-up (w6), made when missing.
void makeDefaultProject(const ProgramFolder& folder);
