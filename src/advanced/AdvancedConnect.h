#pragma once

#include <QString>

class ModCOMM;
struct Globals;

inline constexpr int kAdvancedBaudRate = 1000000;

// The advanced page's port box and connect button, with their designer texts.
struct AdvancedPortControls {
    QString txtcom = QStringLiteral("3");
    QString cmdopen = QStringLiteral("Connected"); // the button's caption
};

// The connect button: closes the open port, or opens the port typed in txtcom
// at 1000000 baud. The port it opens is the one every window uses afterwards.
// A port that fails to open gives "COMPORT not opened. " and the system's
// text for the status line; anything else an empty text.
QString connectAdvancedPort(Globals& globals, ModCOMM& comm, AdvancedPortControls& controls);

// The button's caption for the port in use as it is now, also after the port
// was lost or closed elsewhere.
QString advancedPortCaption(const Globals& globals);

// The "Dummy" box: the command layer simulates the instrument while it is
// ticked. It opens, closes and probes no port.
void setDummyMode(Globals& globals, bool ticked);
