#pragma once

#include "link/protocol/LinkContext.h"

struct LinkState;

// The main window's stage senders. Each sends one "T" command (two for the
// analog heat and cool) and reads its temperature reply; the readings go to
// state.lastTemperature and the controller kind to state.analogController.

// Sends the temperature target (clamped into 0..255) and learns the controller
// kind from the reply letter. The reading when valid; -1 when no reply came or
// the reading is not valid; 0 when the port is closed or the reply cannot be
// taken (short, or a letter this generation does not use).
double SendTemperatureTarget(LinkContext& ctx, LinkState& state, int value);

// Heats with a power up to 230 (above is sent as 230). The analog controller
// gets the direction, 100 ms later the drive level; the digital one the heating
// power. `showCommValues` is the "Show Communication values" menu tick, which
// shows the digital power in the status line. 1 when a reply came, else -1
// (port closed, negative power, no reply or a cut reply); nothing is sent for
// a negative power.
int SendPeltierHeat(LinkContext& ctx, LinkState& state, int power, bool showCommValues);

// Cools with a power up to 245, as SendPeltierHeat heats. The status line
// shows the power as it was asked for.
int SendPeltierCool(LinkContext& ctx, LinkState& state, int power, bool showCommValues);

// Drive level 0 on either controller kind: 1 when a reply came, else -1.
int SendPeltierOff(LinkContext& ctx, LinkState& state);

// Sets the stage fan. No port test and no flush: it writes at once. 1 once the
// exchange is over, with or without a reply; -1, with nothing sent, for a
// level outside 0..255.
int SendFanLevel(LinkContext& ctx, int level);
