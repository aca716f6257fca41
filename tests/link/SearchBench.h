#pragma once

#include "SimulatedPorts.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "link/protocol/LinkState.h"
#include "core/TextFile.h"
#include "link/protocol/LinkContext.h"
#include "link/search/PortSearch.h"

#include <functional>

// The ports the serial module holds open, in order.
inline QList<int> openPorts(const ModCOMM& comm)
{
    QList<int> open;
    for (int port = 1; port <= ModCOMM::kPortCount; ++port) {
        if (comm.isOpen(port))
            open << port;
    }
    return open;
}

// Scripted boxes, with a hook run just before the input box answers: the
// world may change while the user reads it.
class HookedPrompts final : public Prompts {
public:
    void message(const QString& text, const QString& title = QString()) override { script.message(text, title); }
    PromptAnswer question(const QString& text, PromptButtons buttons = PromptButtons::YesNo,
                          const QString& title = QString()) override
    {
        return script.question(text, buttons, title);
    }
    QString input(const QString& prompt, const QString& title = QString(),
                  const QString& defaultText = QString()) override
    {
        if (beforeInput)
            beforeInput();
        return script.input(prompt, title, defaultText);
    }

    ScriptedPrompts script;
    std::function<void()> beforeInput;
};

// The main window's search for the instrument over simulated ports.
struct SearchBench {
    SimulatedPorts ports;
    Globals globals;
    ModCOMM comm{globals, PortMapping(ports.folder.folder()), ports.factory()};
    RecordingConsole console;
    HookedPrompts prompts;
    LinkContext link{globals, comm, ports.clock, console, prompts};
    LinkState state;
    ConfigTxtBoxes boxes;
    CameraBoxes cameraBoxes;
    int windowShown = 0;
    PortSearchContext search{link, state, ports.folder.folder(), boxes, cameraBoxes, [this] { ++windowShown; }};

    void run() { OpenComPort(search); }

    QStringList configTxt() const
    {
        return readTextFile(ports.folder.path(QStringLiteral("config.txt"))).value_or(QStringList());
    }
    QList<int> openPorts() const { return ::openPorts(comm); }
};

// "Opening Port [n]" for each port in turn.
inline QStringList openingLines(std::initializer_list<int> ports)
{
    QStringList lines;
    for (const int port : ports)
        lines << QStringLiteral("Opening Port [") + QString::number(port) + QLatin1Char(']');
    return lines;
}
