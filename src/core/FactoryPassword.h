#pragma once

#include "core/Prompts.h"

#include <QString>

// The password of the factory items, compared exactly, letter case and blanks included.
inline const QString kFactoryPassword = QStringLiteral("Tulip5082");

// Asks "Enter password"; a wrong entry is answered "Wrong password". True for the right one.
inline bool askFactoryPassword(Prompts& prompts)
{
    if (prompts.input(QStringLiteral("Enter password")) == kFactoryPassword)
        return true;
    prompts.message(QStringLiteral("Wrong password"));
    return false;
}
