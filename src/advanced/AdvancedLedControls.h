#pragma once

#include "link/protocol/LinkContext.h"

#include <QString>

#include <functional>

// The advanced page's LED buttons beside its "All": the LED frequency, one
// LED at a time, and every LED one by one.
namespace advanced {

// "FRQLed": [0xFF, "s", frequency, 0, check], its reply shown. Sends in dummy
// mode; a closed port is refused in a message box, a frequency beyond a byte
// shows "error".
void sendLedFrequency(LinkContext& ctx, const QString& txt_frqled);

// "LD/PWR": the LED numbered in txt_valueled at the power of txt_value, by the
// bank split of the generation, with its echo check; txt_valueled then names
// the next LED whether or not this one answered. Nothing in dummy mode, with
// the port closed or for a value that does not fit its byte.
void sendNextLed(LinkContext& ctx, QString& txt_valueled, const QString& txt_value);

// The LEDs "Apply" reaches in each bank: "L" 0 to 191 and "l" 0 to 223 on
// generation 2 (all 416 LEDs), "L" and "l" 0 to 207 otherwise.
struct LedBanks {
    int lowCount;
    int highCount;
};
LedBanks applyBanks(int hardwareGeneration);

// "Apply": every LED at the power of txt_led, kept to 0 to 15 (the box is
// rewritten), one frame a byte at a time with window events before each
// byte. A port closed meanwhile, or `stopRequested` set, ends it at the next
// byte. `betweenLeds` runs after each LED's reply, when no frame is under way.
// The frames sent completely.
int applyLedPower(LinkContext& ctx, QString& txt_led, const bool& stopRequested,
                  const std::function<void()>& betweenLeds = {});

} // namespace advanced
