#include "flash/FlashWriters.h"

#include <array>

void WriteIntFactorToFlash(FlashSendContext& ctx)
{
    if (!flashPortReady(ctx.link))
        return;
    writeFlashHeaderPage(ctx.link, kFactorBank, kIntFactorTitle);
    // The formats of intFactorSections(), in its order.
    const std::array<QString, 3> formats{QStringLiteral("w6"), QStringLiteral("p35"), QStringLiteral("w24")};
    const std::vector<FlashSection>& sections = intFactorSections();
    for (size_t i = 0; i < sections.size(); ++i)
        writeFlashDataPage(ctx, sections[i], PackIntFactorBytes(ctx.pack(), formats[i]));
}
