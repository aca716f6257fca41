#include "analysis/WellActivityLoader.h"

#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"

#include <QDir>
#include <QFile>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <optional>

namespace {

const QString kErrorFile = QStringLiteral("error file");
const QString kProcessingError = QStringLiteral("Error processing files");

// The first field of a line, when the line has a comma after at least one character.
std::optional<QByteArray> firstField(const QByteArray& line)
{
    const qsizetype comma = line.indexOf(',');
    if (comma < 1)
        return std::nullopt;
    return line.left(comma);
}

// The text after the first comma.
QByteArray afterFirstComma(const QByteArray& line) { return line.mid(line.indexOf(',') + 1); }

std::optional<int> wholeNumber(QByteArray text)
{
    text = text.trimmed();
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || v != std::floor(v) || v < -2147483648.0 || v > 2147483647.0)
        return std::nullopt;
    return int(v);
}

// The cells of a pixel line: everything after its second comma, "-" or values.
struct PixelLine {
    std::optional<int> position;
    QByteArray cells; // ",c0,c1,..." : each cell after a comma
};

PixelLine pixelLine(const QByteArray& line)
{
    const qsizetype first = line.indexOf(',');
    const qsizetype second = line.indexOf(',', first + 1);
    PixelLine p;
    if (second < 0) {
        p.position = wholeNumber(line.mid(first + 1));
        return p;
    }
    p.position = wholeNumber(line.mid(first + 1, second - first - 1));
    p.cells = line.mid(second); // starts with its comma
    return p;
}

struct SlotGeometry {
    QByteArray name;
    int well = -1;
    HeatWellGeometry g;
};

// Geometry of one well from its lines in the first block.
void measure(const std::vector<QByteArray>& lines, HeatWellGeometry& g)
{
    g.lineCount = 0;
    g.cellCount = 0;
    int firstCell = -1;
    bool seenData = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QByteArray cells = pixelLine(lines[i]).cells;
        bool data = false;
        for (const char ch : cells)
            if (ch != '-' && ch != ',') {
                data = true;
                break;
            }
        if (data) {
            ++g.lineCount;
            if (!seenData) {
                g.firstDataLine = int(i);
                seenData = true;
            }
        }
        int leading = 0;
        int values = 0;
        bool valueSeen = false;
        for (qsizetype k = 0; k < cells.size(); ++k) {
            if (cells[k] != ',')
                continue;
            const bool dash = k + 1 < cells.size() && cells[k + 1] == '-';
            const bool value = k + 1 < cells.size() && !dash;
            if (value) {
                ++values;
                valueSeen = true;
            } else if (!valueSeen && dash) {
                ++leading;
            }
        }
        if (values > 0) {
            if (firstCell < 0 || leading < firstCell)
                firstCell = leading;
            g.cellCount = std::max(g.cellCount, values);
        }
    }
    g.firstCell = std::max(firstCell, 0);
}

int wellIndex(const QByteArray& name, int rows)
{
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'Z')
        return -1;
    const std::optional<int> column = wholeNumber(name.mid(1));
    if (!column || *column < 1)
        return -1;
    return (*column - 1) * rows + (name[0] - 'A');
}

// A line as bytes in the reader's buffer.
struct Bytes {
    const char* p = nullptr;
    qsizetype n = 0;
    qsizetype find(char c, qsizetype from) const
    {
        if (from >= n)
            return -1;
        const void* hit = std::memchr(p + from, c, size_t(n - from));
        return hit ? static_cast<const char*>(hit) - p : -1;
    }
};

// A cell's value: -1 for "-", the number when the text is a whole number
// above 0, else 0.
qint64 cellValue(const char* p, qsizetype n)
{
    if (n == 1 && p[0] == '-')
        return -1;
    while (n > 0 && *p == ' ') {
        ++p;
        --n;
    }
    while (n > 0 && p[n - 1] == ' ')
        --n;
    if (n == 0 || n > 18)
        return 0;
    qint64 v = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return 0;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

// A whole number as the loader reads positions and scan numbers: plain
// digits (with an optional "-") straight away, anything else the slow way.
std::optional<int> fastWholeNumber(const char* p, qsizetype n)
{
    const bool negative = n > 0 && p[0] == '-';
    qsizetype i = negative ? 1 : 0;
    if (n - i < 1 || n - i > 9)
        return wholeNumber(QByteArray(p, n));
    int v = 0;
    for (; i < n; ++i) {
        const unsigned d = unsigned(p[i]) - '0';
        if (d > 9)
            return wholeNumber(QByteArray(p, n));
        v = v * 10 + int(d);
    }
    return negative ? -v : v;
}

// Lines handed to the cell reader have this many readable bytes after their
// end, so a cell or a block of 64 can be loaded whole near the line's end.
constexpr qsizetype kLinePadding = 64;

// Bit k set where block[k] is a comma, for the 64 bytes at block.
quint64 commaMask(const char* block)
{
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    quint64 mask = 0;
    for (int k = 0; k < 4; ++k) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * k));
        mask |= quint64(quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, comma)))) << (16 * k);
    }
    return mask;
#else
    quint64 mask = 0;
    for (int k = 0; k < 64; ++k)
        mask |= quint64(block[k] == ',') << k;
    return mask;
#endif
}

// A cell of n characters at p (padding readable after it): digits of up to
// eight characters are summed eight bytes at once, without a branch per
// character; "-", blanks, signs and long cells go through cellValue.
qint64 cellAt(const char* p, qsizetype n)
{
    if (n == 1 || n == 2) {
        // The common short counts, still without a branch on their length.
        const unsigned d0 = unsigned(uchar(p[0])) - '0';
        const unsigned d1 = unsigned(uchar(p[1])) - '0';
        const bool two = n == 2;
        if ((d0 <= 9) & (!two | (d1 <= 9)))
            return two ? d0 * 10 + d1 : d0;
        if (!two && p[0] == '-')
            return -1;
    }
    if (n < 1 || n > 8)
        return cellValue(p, n);
    quint64 x;
    std::memcpy(&x, p, 8);
    // The cell's characters in the top bytes, '0' below them.
    const int shift = 8 * (8 - int(n));
    quint64 digits = x << shift;
    if (shift > 0)
        digits |= 0x3030303030303030ULL >> (64 - shift);
    if ((((digits + 0x4646464646464646ULL) | (digits - 0x3030303030303030ULL)) & 0x8080808080808080ULL) != 0)
        return cellValue(p, n);
    digits -= 0x3030303030303030ULL;
    digits = digits * 10 + (digits >> 8);
    digits = (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
              (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
             32;
    return qint64(digits);
}

// Reads a file in large chunks and hands out its lines in place, with the
// offset of each, so a multi-GB file costs no allocation or copy per line.
class ChunkLineReader {
public:
    explicit ChunkLineReader(QFile& f) : f_(f), base_(f.pos()), capacity_(qsizetype(1) << 22)
    {
        buffer_.resize(size_t(capacity_ + kLinePadding));
    }

    bool next(Bytes& line, qint64& at)
    {
        for (;;) {
            if (start_ < filled_) {
                const void* nl = std::memchr(buffer_.data() + start_, '\n', size_t(filled_ - start_));
                if (nl || eof_) {
                    const qsizetype end = nl ? static_cast<const char*>(nl) - buffer_.data() : filled_;
                    at = base_ + start_;
                    qsizetype n = end - start_;
                    while (n > 0 && buffer_[size_t(start_ + n - 1)] == '\r')
                        --n;
                    line = {buffer_.data() + start_, n};
                    start_ = nl ? end + 1 : filled_;
                    return true;
                }
            } else if (eof_) {
                return false;
            }
            refill();
        }
    }

private:
    void refill()
    {
        // Keep the unfinished line at the front; grow for a line longer than the buffer.
        const qsizetype rest = filled_ - start_;
        if (rest > 0)
            std::memmove(buffer_.data(), buffer_.data() + start_, size_t(rest));
        base_ += start_;
        start_ = 0;
        filled_ = rest;
        if (filled_ == capacity_) {
            capacity_ *= 2;
            buffer_.resize(size_t(capacity_ + kLinePadding));
        }
        const qint64 n = f_.read(buffer_.data() + filled_, capacity_ - filled_);
        if (n <= 0)
            eof_ = true;
        else
            filled_ += n;
    }

    QFile& f_;
    qint64 base_;
    qsizetype capacity_;
    std::vector<char> buffer_; // capacity_ bytes and the lines' padding
    qsizetype start_ = 0;
    qsizetype filled_ = 0;
    bool eof_ = false;
};

class Loader {
public:
    Loader(HeatMapData& d, const HeatMapLayout& layout, Prompts& prompts) : d_(d), layout_(layout), prompts_(prompts)
    {
    }

    // One window file; true to go on with the next.
    WellActivityLoad readWindow(const QString& path, int camera, int window, bool sizesTables);

private:
    bool allocate();
    bool pixelValues(SlotGeometry& slot, Bytes line, int scan);

    HeatMapData& d_;
    const HeatMapLayout& layout_;
    Prompts& prompts_;
    std::array<int, kHeatMapWells> lastPosition_{};
};

bool Loader::allocate()
{
    const HeatWellGeometry& a1 = d_.geometry[0];
    d_.lastLine = int(roundHalfEven(a1.lineCount * 1.5));
    d_.lastCell = int(roundHalfEven(a1.cellCount * 1.5));
    d_.sumActivity.assign(size_t(d_.wells) * size_t(d_.lastLine + 1) * size_t(d_.lastCell + 1), 0);
    d_.scanMinutes.clear();
    return true;
}

bool Loader::pixelValues(SlotGeometry& slot, Bytes line, int scan)
{
    const qsizetype c1 = line.find(',', 0);
    const qsizetype c2 = line.find(',', c1 + 1);
    const qsizetype positionEnd = c2 < 0 ? line.n : c2;
    const std::optional<int> position = fastWholeNumber(line.p + c1 + 1, positionEnd - c1 - 1);
    if (!position)
        return false;
    int& last = lastPosition_[size_t(slot.well)];
    if (*position >= 0)
        last = *position; // position 0 is a position
    if (last < slot.g.firstDataLine || c2 < 0)
        return true;
    const int lineIndex = last - slot.g.firstDataLine;
    if (lineIndex > d_.lastLine || scan < 0)
        return false;
    // Cells after the leading ones, each up to the next comma or the line's end.
    const char* q = line.p + c2;
    const char* const end = line.p + line.n;
    for (int skip = 0; skip < slot.g.firstCell; ++skip) {
        q = static_cast<const char*>(std::memchr(q + 1, ',', size_t(end - q - 1)));
        if (!q)
            return true;
    }
    // Cell i runs from the comma before it to the next comma or the line's
    // end. The commas of 64 bytes are found at once, so no cell waits for the
    // one before it to be read.
    // The largest sum is taken from the table once the file is read.
    qint64* const sums = &d_.sum(slot.well, lineIndex, 0);
    qint64 maxScan = d_.maxScanActivity;
    const auto take = [&](int i, qint64 v) {
        if (i > d_.lastCell)
            return false;
        // Without branches: cells of 0 and "-" mix unpredictably.
        sums[i] += std::max<qint64>(v, 0);
        maxScan = std::max(maxScan, v);
        return true;
    };
    const auto done = [&](bool ok) {
        d_.maxScanActivity = maxScan;
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

WellActivityLoad Loader::readWindow(const QString& path, int camera, int window, bool sizesTables)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompts_.message(sizesTables ? kErrorFile : kProcessingError);
        return sizesTables ? WellActivityLoad::ErrorFile : WellActivityLoad::ProcessingError;
    }
    HeatMapData::WindowFile record{path, {}};
    const auto readLine = [&file]() {
        QByteArray l = file.readLine();
        while (l.endsWith('\n') || l.endsWith('\r'))
            l.chop(1);
        return l;
    };

    // The first scan line and its time line.
    qint64 offset = 0;
    std::optional<int> scan;
    while (!file.atEnd()) {
        offset = file.pos();
        const QByteArray l = readLine();
        if (firstField(l) == "scan") {
            scan = wholeNumber(afterFirstComma(l));
            break;
        }
    }
    if (!scan) {
        prompts_.message(kErrorFile);
        return WellActivityLoad::ErrorFile;
    }
    const QByteArray timeLine = readLine();
    if (firstField(timeLine) != "time[m]")
        return WellActivityLoad::NoTimeLine;

    // The first block: the window's wells in file order, with their lines.
    std::vector<SlotGeometry> windowWells;
    std::vector<std::vector<QByteArray>> blockLines;
    std::vector<std::pair<int, QByteArray>> firstBlock; // slot, line
    bool faulty = false;
    QByteArray pending;
    while (!file.atEnd()) {
        const qint64 at = file.pos();
        const QByteArray l = readLine();
        const std::optional<QByteArray> name = firstField(l);
        if (!name) {
            if (!l.isEmpty() && windowWells.size() < size_t(layout_.wellsPerWindow))
                faulty = true;
            if (l.isEmpty())
                break;
            continue;
        }
        if (*name == "scan") {
            file.seek(at); // the next block starts here
            break;
        }
        if (windowWells.empty() || windowWells.back().name != *name) {
            windowWells.push_back({*name, -1, {}});
            blockLines.emplace_back();
        }
        blockLines.back().push_back(l);
        firstBlock.emplace_back(int(windowWells.size()) - 1, l);
    }
    const int usable = std::min(int(windowWells.size()), layout_.wellsPerWindow);
    for (int k = 0; k < usable; ++k) {
        measure(blockLines[size_t(k)], windowWells[size_t(k)].g);
        windowWells[size_t(k)].well = wellIndex(windowWells[size_t(k)].name, layout_.rows);
        if (windowWells[size_t(k)].well < 0 || windowWells[size_t(k)].well >= kHeatMapWells) {
            prompts_.message(kProcessingError);
            return WellActivityLoad::ProcessingError;
        }
        windowWells[size_t(k)].g.file = int(d_.files.size());
        d_.geometry[size_t(windowWells[size_t(k)].well)] = windowWells[size_t(k)].g;
    }
    if (sizesTables && usable > 0)
        allocate();
    if (!d_.loaded()) {
        prompts_.message(kErrorFile);
        return WellActivityLoad::ErrorFile;
    }
    const bool tooFew = faulty || int(windowWells.size()) < layout_.wellsPerWindow;
    windowWells.resize(size_t(usable));

    // Values, scan by scan; the first block is already in hand.
    const auto slotOf = [&](const QByteArray& name) -> SlotGeometry* {
        for (SlotGeometry& s : windowWells)
            if (s.name == name)
                return &s;
        return nullptr;
    };
    const bool holdsA1 = slotOf("A1") != nullptr;
    int h = *scan;
    const auto enterScan = [&](int n, qint64 at) -> bool {
        if (n < 0 || (!sizesTables && n > d_.lastScan))
            return false;
        if (record.scanOffsets.size() <= size_t(n))
            record.scanOffsets.resize(size_t(n) + 1, -1);
        record.scanOffsets[size_t(n)] = at;
        if (sizesTables)
            d_.lastScan = std::max(d_.lastScan, n);
        h = n;
        return true;
    };
    const auto takeTime = [&](const QByteArray& l) {
        if (!holdsA1 || h < 0)
            return;
        if (d_.scanMinutes.size() <= size_t(h))
            d_.scanMinutes.resize(size_t(h) + 1, 0.0);
        d_.scanMinutes[size_t(h)] = textValue(QString::fromLatin1(afterFirstComma(l)).remove(QLatin1Char('"')));
    };
    const auto fail = [&] {
        prompts_.message(kProcessingError);
        return WellActivityLoad::ProcessingError;
    };
    if (!enterScan(h, offset))
        return fail();
    takeTime(timeLine);
    for (const auto& [k, l] : firstBlock) {
        const QByteArray padded = l + QByteArray(kLinePadding, '\0');
        if (k < usable && !pixelValues(windowWells[size_t(k)], Bytes{padded.constData(), l.size()}, h))
            return fail();
    }
    ChunkLineReader reader(file);
    Bytes l;
    qint64 at = 0;
    const auto is = [](const char* p, qsizetype n, const char* word, qsizetype wordLength) {
        return n == wordLength && std::memcmp(p, word, size_t(n)) == 0;
    };
    while (reader.next(l, at)) {
        const qsizetype comma = l.find(',', 0);
        if (comma < 1)
            continue;
        SlotGeometry* slot = nullptr;
        for (SlotGeometry& s : windowWells)
            if (is(l.p, comma, s.name.constData(), s.name.size())) {
                slot = &s;
                break;
            }
        if (slot) {
            if (!pixelValues(*slot, l, h))
                return fail();
        } else if (is(l.p, comma, "scan", 4)) {
            const std::optional<int> n = fastWholeNumber(l.p + comma + 1, l.n - comma - 1);
            if (!n || !enterScan(*n, at))
                return fail();
        } else if (is(l.p, comma, "time[m]", 7)) {
            takeTime(QByteArray(l.p, l.n));
        }
    }
    d_.files.push_back(std::move(record));
    if (tooFew) {
        prompts_.message(QStringLiteral("File error c%1b%2.csv").arg(camera).arg(window));
        return WellActivityLoad::FileError;
    }
    return WellActivityLoad::Loaded;
}

} // namespace

HeatMapLayout heatMapLayout(const QString& plateFormat)
{
    if (plateFormat == QLatin1String("w24"))
        return {2, 2, 24, 4};
    if (plateFormat == QLatin1String("w6") || plateFormat == QLatin1String("p35"))
        return {1, 1, 6, 2};
    return {};
}

WellActivityLoad LoadWellActivityFiles(const QString& runFolder, const QString& plateFormat, HeatMapData& data,
                                       const WellActivityLoadView& view, Prompts& prompts)
{
    data = HeatMapData{};
    const HeatMapLayout layout = heatMapLayout(plateFormat);
    data.wells = layout.wells;
    if (layout.windows == 0)
        return WellActivityLoad::Loaded; // no layout: nothing to load
    const QDir folder(runFolder);
    Loader loader(data, layout, prompts);
    for (int camera = 0; camera < 6; ++camera) {
        // Camera 0's first window sizes the tables: without it nothing can be read.
        if (camera > 0 &&
            folder.entryList({QStringLiteral("wellactivity%1*.csv").arg(camera)}, QDir::Files).isEmpty())
            continue;
        for (int window = 0; window < layout.windows; ++window) {
            if (view.stopRequested && view.stopRequested())
                return WellActivityLoad::Stopped;
            const QString path = folder.filePath(QStringLiteral("wellactivity%1%2.csv").arg(camera).arg(window));
            const WellActivityLoad r = loader.readWindow(path, camera, window, camera == 0 && window == 0);
            // Sums only grow, so the largest is the table's largest, also after a fault.
            for (const qint64 sum : data.sumActivity)
                data.maxSumActivity = std::max(data.maxSumActivity, sum);
            if (r != WellActivityLoad::Loaded)
                return r;
            if (view.progress)
                view.progress(QString::number(roundHalfEven(camera / 6.0 * 100)) + QStringLiteral("% Read"));
            if (view.processEvents)
                view.processEvents();
        }
    }
    if (view.progress)
        view.progress(QStringLiteral("100% OK"));
    return WellActivityLoad::Loaded;
}

WellGrid scanGrid(const HeatMapData& data, int well, int scan)
{
    WellGrid grid;
    if (!data.loaded() || well < 0 || well >= kHeatMapWells)
        return grid;
    const HeatWellGeometry& g = data.geometry[size_t(well)];
    if (g.file < 0 || size_t(g.file) >= data.files.size())
        return grid;
    const HeatMapData::WindowFile& f = data.files[size_t(g.file)];
    if (scan < 0 || size_t(scan) >= f.scanOffsets.size() || f.scanOffsets[size_t(scan)] < 0)
        return grid;
    QFile file(f.path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(f.scanOffsets[size_t(scan)]))
        return grid;
    grid.lines = data.lastLine + 1;
    grid.cells = data.lastCell + 1;
    grid.values.assign(size_t(grid.lines) * size_t(grid.cells), 0);
    // The well's name from its index; rows of the index from the data's format.
    const int rows = data.wells == 24 ? 4 : 2;
    const QByteArray name = QByteArray(1, char('A' + well % rows)) + QByteArray::number(well / rows + 1);
    file.readLine(); // its scan line
    int position = 0;
    while (!file.atEnd()) {
        QByteArray l = file.readLine();
        while (l.endsWith('\n') || l.endsWith('\r'))
            l.chop(1);
        const std::optional<QByteArray> field = firstField(l);
        if (!field)
            continue;
        if (*field == "scan")
            break;
        if (*field != name)
            continue;
        const PixelLine p = pixelLine(l);
        if (p.position && *p.position >= 0)
            position = *p.position;
        if (position < g.firstDataLine || position - g.firstDataLine > data.lastLine)
            continue;
        const int lineIndex = position - g.firstDataLine;
        qsizetype at = 0;
        bool ok = true;
        for (int skip = 0; skip < g.firstCell && ok; ++skip) {
            at = p.cells.indexOf(',', at + 1);
            ok = at >= 0;
        }
        for (int i = 0; ok && i <= g.cellCount && i <= data.lastCell && at >= 0 && at < p.cells.size(); ++i) {
            const qsizetype next = p.cells.indexOf(',', at + 1);
            const QByteArray cell = p.cells.mid(at + 1, next < 0 ? -1 : next - at - 1);
            at = next;
            bool number = false;
            const qint64 v = cell.trimmed().toLongLong(&number);
            grid.at(lineIndex, i) = cell == "-" ? -1 : (number && v > 0 ? qint32(std::min<qint64>(v, INT32_MAX)) : 0);
        }
    }
    return grid;
}
