#pragma once

#include "core/Console.h"

#include <QStringList>

// A console that keeps every status line and communication text in order.
class RecordingConsole final : public MemoryConsole {
public:
    void setStatus(const QString& text) override
    {
        statuses << text;
        MemoryConsole::setStatus(text);
    }
    void setCommText(const QString& text) override
    {
        commTexts << text;
        MemoryConsole::setCommText(text);
    }
    QStringList statuses;
    QStringList commTexts;
};
