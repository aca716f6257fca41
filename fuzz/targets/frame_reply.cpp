// The frame reply decoder: a camera frame cut to its windows. The layout comes
// from the column and row files, so it is fuzzed too: the first bytes give
// the row length and the spans, the rest is the reply.
#include "FuzzFolder.h"

#include "link/frames/FrameCut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    FrameCutLayout layout;
    layout.rowBytes = static_cast<qint8>(data[0]);
    const int spans = data[1] % 8;
    std::size_t at = 2;
    for (int i = 0; i < spans && at + 4 <= size; ++i, at += 4)
        layout.columns.push_back({static_cast<qint16>(data[at] | data[at + 1] << 8),
                                  static_cast<qint16>(data[at + 2] | data[at + 3] << 8)});
    const QByteArray reply = inputBytes(data + at, size - at);
    if (const auto cut = cutFrame(reply, layout)) {
        qint64 expected = 0;
        for (const auto& s : layout.columns)
            expected += qint64(layout.rowBytes) * (s.end - s.start);
        // Windows may overlap, so only the sum of their sizes is known.
        check(cut->size() == expected, "cut frame not the windows' size");
    }
    return 0;
}
