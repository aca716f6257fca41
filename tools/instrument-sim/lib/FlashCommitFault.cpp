#include "lib/FlashCommitFault.h"

#include <memory>

void spoilFlashCommits(CommandRegistry& registry, int bank, int firstLine, int times)
{
    const CommandHandler* current = registry.find('F');
    if (!current)
        return;
    // The count lives beside the handler, which the registry may copy.
    auto left = std::make_shared<int>(times);
    registry.add('F', [sound = *current, bank, firstLine, left](const SimCommand& c, InstrumentState& state) {
        QByteArray reply = sound(c, state);
        if (c.a == bank && c.b == firstLine && *left > 0 && !reply.isEmpty()) {
            --*left;
            QByteArray spoiled = state.flash.pageBuffer();
            constexpr int kSpoiledByte = 30; // in the first data line
            spoiled[kSpoiledByte] = static_cast<char>(~spoiled[kSpoiledByte]);
            state.flash.store(bank, firstLine, spoiled);
        }
        return reply;
    });
}
