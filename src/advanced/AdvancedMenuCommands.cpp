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

bool askEnableInternalReference(Prompts& prompts)
{
    const PromptAnswer answer = prompts.question(QStringLiteral("Do you like to enable internal reference Measurements?"),
                                                 PromptButtons::YesNoCancel);
    if (answer != PromptAnswer::Yes)
        return false;
    prompts.message(QStringLiteral("OK"));
    return true;
}
