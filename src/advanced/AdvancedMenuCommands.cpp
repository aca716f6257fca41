#include "advanced/AdvancedMenuCommands.h"

#include "core/Globals.h"
#include "core/Prompts.h"

bool calibrateTemperatureOnPage(const Globals& globals, Prompts& prompts, double& formTempOffset)
{
    if (globals.dummyMode == 0 && !globals.portOpen) {
        prompts.message(QStringLiteral("Operation not possible in OFFLINE Mode"));
        return false;
    }
    formTempOffset = globals.tempOffset;
    return true;
}

