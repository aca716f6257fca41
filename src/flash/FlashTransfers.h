#pragma once

#include "flash/FlashPageWrite.h"

#include <array>

// The flash panel's three actions without the panel: SEND and RECEIVE of the
// ticked sections (well format, LED XY, temperature, internal reference,
// blank, in that order) and the recalculation of the internal-reference
// factor files. One runs at a time: while any of them, or a pixel-mask
// upload, holds the shared busy flag, another does nothing.

inline constexpr int kFlashSectionItems = 5;
using FlashSectionTicks = std::array<bool, kFlashSectionItems>;

enum class [[nodiscard]] FlashAction {
    Done,
    Busy,        // another transfer runs: nothing was done
    PortClosed,  // "COMPORT not opened. Click Connect": nothing was sent
    Declined,    // ReCalc not answered Yes
    Stopped,     // the window closed: the items after the one under way were left
};

// The writers of the ticked sections, each announced on the progress picture; "Done" at the end.
FlashAction SendFlashSections(FlashSendContext& ctx, const FlashSectionTicks& ticked);

// The readers of the ticked sections into the unit folder (config_SN<n>, or
// config without a serial number); "Done" at the end.
FlashAction ReceiveFlashSections(FlashSendContext& ctx, const FlashSectionTicks& ticked);

// After "Recalculate and replace internal factor files?" answered Yes,
// rebuilds the w6, p35 and w24 factor files; "done". Needs no port.
FlashAction RecalcInternalFactors(const FlashPackContext& ctx);
