#include "calibration/InternalReferenceMenu.h"

#include "core/Prompts.h"

QStringList wellTableFormatCodes(const ProgramFolder& folder)
{
    QStringList codes;
    for (const QString& name : listFolder(folder.configFolder(), QStringLiteral("*_spc.dat"), QDir::Files))
        codes << name.section(QLatin1Char('_'), 0, 0);
    return codes;
}

bool askEnableInternalReference(Prompts& prompts)
{
    if (prompts.question(kInternalReferenceQuestion, PromptButtons::YesNoCancel) != PromptAnswer::Yes)
        return false;
    prompts.message(QStringLiteral("OK"));
    return true;
}
