#pragma once

#include "core/ProgramFolder.h"
#include "link/commands/CameraBoxes.h"
#include "link/protocol/LinkContext.h"
#include "link/search/ConfigTxt.h"

#include <QString>

struct LinkState;

// What closing the main window works with.
struct ShutdownContext {
    LinkContext& link;
    LinkState& state;
    const ProgramFolder& folder;
    const ConfigTxtBoxes& boxes;
    CameraBoxes& cameraBoxes; // txt_cam takes "6"
    QString projectName;      // stored as the instrument's last project; none: nothing stored
};

// Closing's steps in order: config.txt, the last project, Peltier off, fan 0,
// blue light 0, camera 6 (none), then the port in use closed. Every step runs
// whatever the one before it met, so the drives are never left on because an
// earlier step failed. Each sender applies its own port and dummy checks.
// Called while an exchange holds the link (a window event inside a transfer),
// it asks the transfer to stop and runs once the link is free.
void shutDown(ShutdownContext& ctx);
