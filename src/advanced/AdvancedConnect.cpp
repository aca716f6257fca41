#include "advanced/AdvancedConnect.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"

#include <algorithm>

namespace {

// The number in the box, rounded to the nearest whole number; anything beyond
// the port table is refused by the port module itself.
int typedPort(const QString& text)
{
    const double value = std::clamp(textValue(text), -1.0, double(ModCOMM::kPortCount + 1));
    return static_cast<int>(roundHalfEven(value));
}

} // namespace

void connectAdvancedPort(Globals& globals, ModCOMM& comm, AdvancedPortControls& controls)
{
    if (globals.portOpen) {
        // The port in use, whatever the box holds by now.
        globals.portOpen = false;
        comm.CommClose(globals.commPort);
        controls.cmdopen = QStringLiteral("DisConnected");
        return;
    }
    globals.commPort = typedPort(controls.txtcom);
    if (comm.CommOpen(globals.commPort, comDeviceName(globals.commPort), lineSettingsText(kAdvancedBaudRate)) != 0) {
        // A port whose set-up failed after it opened must not stay "in use".
        comm.CommClose(globals.commPort);
        return;
    }
    controls.cmdopen = QStringLiteral("Connected");
    globals.portOpen = true;
}

void setDummyMode(Globals& globals, bool ticked) { globals.dummyMode = ticked ? 1 : 0; }
