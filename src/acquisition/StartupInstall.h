#pragma once

#include "core/ProgramFolder.h"
#include "link/protocol/LinkContext.h"

#include <QString>

struct LinkState;
struct Globals;
class PictureCanvas;

// Start-up's folders: "reports", and for a connected instrument with a serial
// number of 1 or more its internal-reference and blank projects under it.
void makeStartupFolders(const ProgramFolder& folder, const Globals& globals, const LinkState& state);

// "SN" and the serial number: the suffix of the instrument's projects.
QString serialSuffix(int serialNumber);

// The name a new unit folder is filled under before it is renamed into place
// ("config_SN12.installing"), so that a start that is cut short leaves no
// unit folder that a later start would take as installed.
QString unitFolderStagingName(int serialNumber);

enum class UnitFolderInstall {
    NotNeeded,   // offline, no serial number, or the unit folder is there
    Installed,   // the unit folder was made and filled
    Interrupted, // a section's pages got no reply: no unit folder, the next start tries again
};

// The first start with an instrument: when it is connected, has a serial
// number of 1 or more and no unit folder yet, reads the five factory sections
// from its flash, each announced in the status line ("Getting Factory file:
// [Well_Format]" ...) and completed by its installer from the shared folders.
// The LED reader prints its progress on `flashProgress`.
UnitFolderInstall installNewInstrument(LinkContext& link, const ProgramFolder& folder, const LinkState& state,
                                       PictureCanvas& flashProgress);
