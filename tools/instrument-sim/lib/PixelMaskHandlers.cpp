#include "lib/CommandRegistry.h"

namespace {

constexpr int kBlockBytes = SimPixelMasks::kBlockLines * SimPixelMasks::kLineBytes;
const QByteArray kBlockAnswer = QByteArrayLiteral("F");

bool isMaskBlock(const SimCommand& c) { return SimPixelMasks::namesCamera(c.a); }

} // namespace

// The pixel-mask upload: unframed "F", a camera 0 to 6 and a first line
// announce a block; the instrument answers "F", takes the 96 bytes that
// follow into that camera's mask from that line, and answers "F" again.
// Unframed "F" with any other camera byte is the flash handlers' page read.
void registerPixelMaskHandlers(CommandRegistry& registry)
{
    const CommandHandler* existing = registry.findUnframed('F');
    const CommandHandler pageRead = existing ? *existing : CommandHandler();
    registry.addUnframed('F', [pageRead](const SimCommand& c, InstrumentState& state) {
        if (!isMaskBlock(c))
            return pageRead ? pageRead(c, state) : QByteArray();
        if (!c.payload.isEmpty())
            state.pixelMasks.storeBlock(c.a, c.b, c.payload);
        return kBlockAnswer;
    });
    registry.setUnframedPayload('F', [](const SimCommand& header) { return isMaskBlock(header) ? kBlockBytes : 0; });
}
