#include "analysis/loader/WindowFileValues.h"

#include "analysis/loader/ChunkLineReader.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cstring>

namespace {

bool is(const char* p, qsizetype n, const char* word, qsizetype wordLength)
{
    return n == wordLength && std::memcmp(p, word, size_t(n)) == 0;
}

// One pixel line of a well into the sums; false for a line the tables cannot hold.
bool addPixelLine(const WindowFileWell& slot, Bytes line, int scan, const WindowFileShape& shape, WindowFileValues& values)
{
    const qsizetype c1 = line.find(',', 0);
    const qsizetype c2 = line.find(',', c1 + 1);
    const qsizetype positionEnd = c2 < 0 ? line.n : c2;
    const std::optional<int> position = fastWholeNumber(line.p + c1 + 1, positionEnd - c1 - 1);
    if (!position)
        return false;
    int& last = values.lastPosition[size_t(slot.well)];
    if (*position >= 0) {
        last = *position; // position 0 is a position
        values.positionKnown[size_t(slot.well)] = true;
    } else if (!values.positionKnown[size_t(slot.well)]) {
        values.lostPosition = true;
        return true;
    }
    if (last < slot.g.firstDataLine || c2 < 0)
        return true;
    const int lineIndex = last - slot.g.firstDataLine;
    if (lineIndex > shape.lastLine || scan < 0)
        return false;
    // Cells after the leading ones, each up to the next comma or the line's end.
    const char* q = line.p + c2;
    const char* const end = line.p + line.n;
    for (int skip = 0; skip < slot.g.firstCell; ++skip) {
        q = static_cast<const char*>(std::memchr(q + 1, ',', size_t(end - q - 1)));
        if (!q)
            return true;
    }
    // The commas of 64 bytes are found at once, so no cell waits for the one
    // before it to be read.
    qint64* const sums =
        values.sums.data() + (size_t(slot.well) * size_t(shape.lastLine + 1) + size_t(lineIndex)) * size_t(shape.lastCell + 1);
    qint64 maxScan = values.maxScanActivity;
    const auto take = [&](int i, qint64 v) {
        if (i > shape.lastCell)
            return false;
        // Without branches: cells of 0 and "-" mix unpredictably.
        sums[i] += std::max<qint64>(v, 0);
        maxScan = std::max(maxScan, v);
        return true;
    };
    const auto done = [&](bool ok) {
        values.maxScanActivity = maxScan;
        return ok;
    };
    const char* cell = q + 1;
    int i = 0;
    for (const char* block = cell; block < end && i <= slot.g.cellCount; block += 64) {
        quint64 commas = commaMask(block);
        if (end - block < 64)
            commas &= (quint64(1) << (end - block)) - 1;
        for (; commas != 0 && i <= slot.g.cellCount; ++i) {
            const char* const comma = block + __builtin_ctzll(commas);
            commas &= commas - 1;
            if (!take(i, cellAt(cell, comma - cell)))
                return done(false);
            cell = comma + 1;
        }
    }
    if (i <= slot.g.cellCount && !take(i, cellAt(cell, end - cell)))
        return done(false);
    return done(true);
}

} // namespace

void readWindowFileValues(ChunkLineReader& reader, const WindowFileShape& shape, bool positionsKnown,
                          WindowFileValues& values)
{
    values.sums.assign(size_t(shape.formatWells) * size_t(shape.lastLine + 1) * size_t(shape.lastCell + 1), 0);
    values.positionKnown.fill(positionsKnown);
    int scan = -1;
    Bytes l;
    qint64 at = 0;
    while (reader.next(l, at)) {
        const qsizetype comma = l.find(',', 0);
        if (comma < 1)
            continue;
        const WindowFileWell* slot = nullptr;
        for (const WindowFileWell& s : shape.wells)
            if (is(l.p, comma, s.name.constData(), s.name.size())) {
                slot = &s;
                break;
            }
        if (slot) {
            if (!addPixelLine(*slot, l, scan, shape, values)) {
                values.failed = true;
                return;
            }
        } else if (is(l.p, comma, "scan", 4)) {
            const std::optional<int> n = fastWholeNumber(l.p + comma + 1, l.n - comma - 1);
            if (!n || *n < 0 || *n > kMostScans || (!shape.sizesTables && *n > shape.lastScan)) {
                values.failed = true;
                return;
            }
            values.scanStarts.emplace_back(*n, at);
            scan = *n;
        } else if (is(l.p, comma, "time[m]", 7) && shape.holdsA1 && scan >= 0) {
            const QString text = QString::fromLatin1(l.p + comma + 1, l.n - comma - 1).remove(QLatin1Char('"'));
            values.scanMinutes.emplace_back(scan, textValue(text));
        }
    }
}
