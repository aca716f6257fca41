#pragma once

#include "flash/FlashLayout.h"
#include "link/protocol/LinkContext.h"

#include <QByteArray>

#include <functional>
#include <optional>

// Runs after each page of a section is read, with the page's first line and
// the link as the read holds it: its pauses let window events run as inside
// the transfer, so they cannot start an exchange between two pages.
using FlashPageStep = std::function<void(LinkContext& held, int firstLine)>;

// Pages a read-back asked for that got no good reply: the instrument did not
// answer (or answered garbage three times), so what its flash holds is
// unknown. A section that is merely absent (erased flash) is answered.
struct FlashPageTally {
    int unanswered = 0;
};

// Reads a section's pages in order and joins them, name line first. Every
// page is read; the section counts only when each page came with a good reply
// (a page whose reply failed its checks three times is not what flash holds)
// and the joined bytes pass the section's name and check byte.
// Pages without a good reply are counted in `tally` when one is given.
// The pages are one transfer that holds the link: the read is refused while
// another exchange holds it, and ends between two pages when the window
// closes; the pages it did not read count as unanswered.
std::optional<QByteArray> readFlashSection(LinkContext& ctx, const FlashSection& section,
                                           const FlashPageStep& afterPage = {}, FlashPageTally* tally = nullptr);
