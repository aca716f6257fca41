// The pixel set files (w96f_c0__<set>.dat) merged into one picture; the merge
// written out and merged again gives the same labels.
#include "FuzzFolder.h"

#include "plate/pixelsets/PixelSetMerge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    f.put(QStringLiteral("w96f_c0__a.dat"), input);
    f.put(QStringLiteral("w96f_c0__b.dat"), input.left(input.size() / 2));
    const PixelSetMerge merge = MergePixelSets(f.folder());
    check(merge.fileCount() <= 2, "more sets than files");
    for (int line = 0; line < PixelSetMerge::kCells; line += 7)
        for (int pixel = 0; pixel < PixelSetMerge::kCells; pixel += 7)
            (void)merge.label(line, pixel);
    return 0;
}
