#include "flash/FlashSectionRead.h"

std::optional<QByteArray> readFlashSection(LinkContext& ctx, const FlashSection& section,
                                           const FlashPageStep& afterPage, FlashPageTally* tally)
{
    QByteArray joined;
    bool everyReplyGood = true;
    for (const int line : section.pageLines()) {
        const FlashPage page = ReadFlashPage(ctx, section.bank, line);
        joined += page.data;
        everyReplyGood = everyReplyGood && page.good;
        if (tally && !page.good)
            ++tally->unanswered;
        if (afterPage)
            afterPage(line);
    }
    if (!everyReplyGood || !isValidFlashSection(joined, section.name))
        return std::nullopt;
    return joined;
}
