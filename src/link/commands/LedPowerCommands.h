#pragma once

#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"
#include "link/protocol/ReplyReader.h"

#include <QString>

#include <optional>

// The LED index that stands for every LED at once.
inline constexpr int kAllLedsIndex = 255;
// Powers the single-LED sender of the main window keeps to.
inline constexpr int kMaxLedPower = 15;

// The LED at which the bank of letter "l" begins: 208 on generation 1, 192 on
// generation 2, 0 (every LED in that bank) on any other.
int ledBankSplit(int hardwareGeneration);

// The LedPowerCommand of one LED: "L" with A = the LED below the split, "l"
// with A = LED minus split from it; B = power. None when A or B does not fit a byte.
std::optional<CommandFrame> makeLedPowerFrame(int hardwareGeneration, int led, int power);
// "L", 255, power.
std::optional<CommandFrame> makeAllLedsPowerFrame(int power);

// One LED, power clamped into 0 to 15, written byte by byte with one send and
// no echo check. Before each byte window events may run; a port closed by them
// ends the send at once. No dummy or port guard beforehand.
void SendOneLedPower(LinkContext& ctx, int led, int power);

// The same without the clamp: the power goes as given (the advanced page's sender).
void sendOneLedPowerUnclamped(LinkContext& ctx, int led, int power);

// One LED with the echo check, up to three sends; "L" or "l" accepted. Dummy
// mode sends nothing; a closed port is refused in the status line; a value that
// does not fit a byte shows "error". The result is the exchange (no sends when
// nothing went out).
EchoReply SendLedPowerRetry(LinkContext& ctx, int led, int power);

// Every LED at one power, echo "L" only, up to three sends; no dummy guard.
EchoReply SendAllLedsPower(LinkContext& ctx, int power);
