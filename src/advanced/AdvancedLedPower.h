#pragma once

#include "link/commands/LedPowerCommands.h"

#include <QString>

// The "All" button of the advanced page: every LED at the power typed in the
// page's txt_led, rounded to a whole number, as SendAllLedsPower sends it. A
// text that is no number shows "error" and sends nothing.
EchoReply SendAllLedsPowerFromBox(LinkContext& ctx, const QString& txt_led);

// The page's single-LED sender, used by its LED calibrations: the power goes
// as given, while the page's power box is kept to 0 to 15 ("15" above, "0" below).
void SendOneLedPowerAdvanced(LinkContext& ctx, QString& txt_led, int led, int power);
