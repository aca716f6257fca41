#pragma once

#include "link/protocol/LinkContext.h"
#include "plate/files/LedRows.h"

#include <QString>

// The LED power senders that take their pairs from a file; the link itself
// sends only the values it is given.

// Sends every usable pair of a ledpower.dat (LED, power) with SendLedPowerRetry,
// showing "setting led=" and the LED in the status line. Nothing in dummy mode
// or without the file. Returns the pairs sent.
int SendAllLedPowersFromFile(LinkContext& ctx, const QString& ledPowerPath);

// Sends the pairs of a ledpower.dat whose LED belongs to `camera` by
// `ledCamera`, only while an acquisition runs (runState 1, read before each pair) and not in dummy
// mode; stops before the next pair once runState has become 0. Returns the
// pairs sent.
int SendCameraLedPowersFromFile(LinkContext& ctx, const int& runState, const QString& ledPowerPath,
                                const LedValues& ledCamera, int camera);
