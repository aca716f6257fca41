#include "acquisition/StartupLink.h"

#include "link/protocol/LinkState.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/SendSteps.h"

QString startupLinkStatus(const Globals& globals, const LinkState& state)
{
    if (state.offlineMode)
        return QStringLiteral("Offline Mode");
    if (!globals.portOpen)
        return kPortLostText; // found, then lost during start-up
    return QStringLiteral("OK. Connected to VELDO SN") + QString::number(globals.serialNumber);
}

void startLink(PortSearchContext& search, std::function<void()> lost)
{
    search.link.globals.dummyMode = 0;
    // From now on a lost instrument is told in the window's status line.
    Console& console = search.link.console;
    search.link.comm.setPortLostHandler([&console, lost = std::move(lost)](int) {
        if (lost)
            lost();
        console.setStatus(kPortLostText);
    });
    OpenComPort(search);
    search.link.console.setStatus(startupLinkStatus(search.link.globals, search.state));
}
