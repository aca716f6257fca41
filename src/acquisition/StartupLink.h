#pragma once

#include "core/ProgramFolder.h"
#include "link/search/ConfigTxt.h"
#include "link/search/PortSearch.h"

#include <QString>

#include <functional>

struct LinkState;
struct Globals;

// The status line after the search: "Offline Mode", or "OK. Connected to VELDO SN"
// and the serial number.
QString startupLinkStatus(const Globals& globals, const LinkState& state);

// Start-up's part of the link: dummy mode off, the search for the instrument,
// and its outcome in the status line. From then on, losing the port in use
// shows "Port lost. COMPORT closed" in the same status line (until the window
// closes); `lost`, when given, runs first, so that what it shows comes before that line.
void startLink(PortSearchContext& search, std::function<void()> lost = {});
