#include "flash/FlashSectionRead.h"

#include "link/protocol/ExchangeScope.h"

std::optional<QByteArray> readFlashSection(LinkContext& outer, const FlashSection& section,
                                           const FlashPageStep& afterPage, FlashPageTally* tally)
{
    const QList<int> lines = section.pageLines();
    // The section's pages are one transfer: no other exchange gets between two of them.
    ExchangeScope transfer(outer);
    // Pages not read leave what the flash holds unknown, as pages without an answer do.
    const auto unread = [&](qsizetype from) {
        if (tally)
            tally->unanswered += static_cast<int>(lines.size() - from);
        return std::nullopt;
    };
    if (transfer.refused())
        return unread(0);
    LinkContext& ctx = transfer.context();

    QByteArray joined;
    bool everyReplyGood = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The window is closing: the port closes once this returns.
        if (transfer.stopRequested())
            return unread(i);
        const FlashPage page = ReadFlashPage(ctx, section.bank, lines[i]);
        joined += page.data;
        everyReplyGood = everyReplyGood && page.good;
        if (tally && !page.good)
            ++tally->unanswered;
        if (afterPage)
            afterPage(ctx, lines[i]);
    }
    if (!everyReplyGood || !isValidFlashSection(joined, section.name))
        return std::nullopt;
    return joined;
}
