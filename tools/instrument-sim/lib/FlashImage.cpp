#include "lib/FlashImage.h"

namespace {

bool fits(int bank, int firstLine, qsizetype size)
{
    const qsizetype lines = (size + FlashMemory::kLineBytes - 1) / FlashMemory::kLineBytes;
    return FlashMemory::hasBank(bank) && firstLine >= 0 && firstLine + lines <= FlashMemory::kLinesPerBank;
}

} // namespace

bool seedFlash(FlashMemory& flash, const FlashImage& image)
{
    bool all = true;
    for (const FlashImageEntry& entry : image) {
        if (!fits(entry.bank, entry.firstLine, entry.bytes.size())) {
            all = false;
            continue;
        }
        for (qsizetype at = 0; at < entry.bytes.size(); at += FlashMemory::kPageBytes) {
            const int line = entry.firstLine + static_cast<int>(at / FlashMemory::kLineBytes);
            all = flash.store(entry.bank, line, entry.bytes.mid(at, FlashMemory::kPageBytes)) && all;
        }
    }
    return all;
}

bool eraseFlashPage(FlashMemory& flash, int bank, int firstLine)
{
    return fits(bank, firstLine, FlashMemory::kPageBytes)
        && flash.store(bank, firstLine, QByteArray(FlashMemory::kPageBytes, FlashMemory::kErased));
}

bool corruptFlashByte(FlashMemory& flash, int bank, int firstLine, int offset)
{
    if (!fits(bank, firstLine, FlashMemory::kPageBytes) || offset < 0 || offset >= FlashMemory::kPageBytes)
        return false;
    QByteArray page = flash.page(bank, firstLine);
    page[offset] = static_cast<char>(~page.at(offset));
    return flash.store(bank, firstLine, page);
}
