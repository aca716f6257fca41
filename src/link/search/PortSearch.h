#pragma once

#include "core/ProgramFolder.h"
#include "link/search/ConfigTxt.h"
#include "link/protocol/LinkContext.h"

#include <functional>

struct LinkState;

// What the search for the instrument works with: the main window's link (its
// status line, communication box and prompts), its state (offlineMode), the
// program folder and the boxes config.txt records (txtcom shows the port found;
// the frame mode, gain and exposure come from the window's camera boxes).
struct PortSearchContext {
    LinkContext& link;
    LinkState& state;
    const ProgramFolder& folder;
    ConfigTxtBoxes& boxes;
    const CameraBoxes& cameraBoxes;
    std::function<void()> showWindow; // the main window is shown before the first probe
    // True once the program is closing: the search opens no further port and asks nothing.
    std::function<bool()> stopped = {};
};

inline constexpr int kSearchBaudRate = 115200;
inline constexpr int kLastSearchedPort = 15;

// Finds the instrument: one query on COM1, then COM1 to COM15 in turn at 115200
// baud, each port probed up to twice, until one answers with a serial number of
// 0 to 255. That port is opened for good (commPort, portOpen, serialNumber set,
// config.txt written, offlineMode cleared). When none answers, the user may type
// a port, which is kept when it answers too; otherwise the program goes offline
// (offlineMode set, "Offline Mode" in the status line, no port, serial number 0).
void OpenComPort(PortSearchContext& search);
