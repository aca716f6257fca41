#include "advanced/AdvancedConnect.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortOwner.h"

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

QString connectAdvancedPort(Globals& globals, ModCOMM& comm, AdvancedPortControls& controls)
{
    if (globals.portOpen) {
        closePortInUse(globals, comm);
        controls.cmdopen = QStringLiteral("DisConnected");
        return {};
    }
    globals.commPort = typedPort(controls.txtcom);
    if (openPortInUse(globals, comm, globals.commPort, kAdvancedBaudRate) != 0)
        return QStringLiteral("COMPORT not opened. ") + globals.commErrorText.trimmed();
    controls.cmdopen = QStringLiteral("Connected");
    return {};
}

QString advancedPortCaption(const Globals& globals)
{
    return globals.portOpen ? QStringLiteral("Connected") : QStringLiteral("DisConnected");
}

void setDummyMode(Globals& globals, bool ticked) { globals.dummyMode = ticked ? 1 : 0; }
