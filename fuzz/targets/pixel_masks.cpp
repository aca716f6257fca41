// The camera pixel masks (flash<n>.dat) and the flag rows they are read by.
#include "FuzzFolder.h"

#include "plate/pixelsets/PixelFlagFile.h"
#include "plate/pixelsets/PixelMask.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    f.put(flashMaskFileName(0), input);
    f.put(flashMaskFileName(5), input);
    // Each input starts from a fresh mask; copied from one made once, as a new
    // half-megabyte table for every input would cost more than the reader.
    static const auto fresh = std::make_unique<const PixelMask>();
    static const auto mask = std::make_unique<PixelMask>();
    *mask = *fresh;
    LoadFlashPixelMasks(*mask, f.folder());

    int rows = 0;
    check(readPixelFlagRows(f.path(flashMaskFileName(0)), [&](const PixelFlagRow&) { ++rows; }), "file not read");
    check(rows >= 0, "negative count");
    return 0;
}
