#pragma once

#include "projects/GroupCombo.h"
#include "projects/ProjectCommands.h"

// What the project and group panel needs of its window: the state its commands
// work on, and the window applying what they leave for its other controls.
class ProjectPanelHost {
public:
    virtual ~ProjectPanelHost() = default;
    virtual ProjectContext projectContext() = 0;
    // A project was chosen: its format, group options, groups and blank in use go to the window's controls.
    virtual void projectChosen(const ProjectSelection& selection) = 0;
    // The group list changed (rename, clear, auto-arrange).
    virtual void groupListChanged(const GroupComboList& list) = 0;
};
