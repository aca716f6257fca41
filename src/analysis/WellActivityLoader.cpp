#include "analysis/WellActivityLoader.h"

#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"

#include <QDir>
#include <QFile>

#include <cstring>

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

// Reads lines into one buffer, so a long file costs no allocation per line.
class LineReader {
public:
    explicit LineReader(QFile& f) : f_(f), buffer_(1 << 16, '\0') {}
    bool next(Bytes& line, qint64& at)
    {
        at = f_.pos();
        qint64 n = f_.readLine(buffer_.data(), buffer_.size());
        if (n <= 0)
            return false;
        while (n == buffer_.size() - 1 && buffer_[n - 1] != '\n') {
            // A line longer than the buffer: make room for the rest.
            const QByteArray rest = f_.readLine();
            buffer_.resize(n + rest.size() + 1);
            std::memcpy(buffer_.data() + n, rest.constData(), size_t(rest.size()));
            n += rest.size();
            if (rest.isEmpty() || rest.endsWith('\n'))
                break;
        }
        while (n > 0 && (buffer_[n - 1] == '\n' || buffer_[n - 1] == '\r'))
            --n;
        line = {buffer_.constData(), n};
        return true;
    }

private:
    QFile& f_;
    QByteArray buffer_;
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
    qsizetype c2 = line.find(',', c1 + 1);
    const qsizetype positionEnd = c2 < 0 ? line.n : c2;
    const std::optional<int> position =
        wholeNumber(QByteArray::fromRawData(line.p + c1 + 1, positionEnd - c1 - 1));
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
    qsizetype at = c2;
    for (int skip = 0; skip < slot.g.firstCell; ++skip) {
        at = line.find(',', at + 1);
        if (at < 0)
            return true;
    }
    for (int i = 0; i <= slot.g.cellCount && at >= 0 && at < line.n; ++i) {
        const qsizetype next = line.find(',', at + 1);
        const qsizetype end = next < 0 ? line.n : next;
        const qint64 v = cellValue(line.p + at + 1, end - at - 1);
        at = next;
        if (i > d_.lastCell)
            return false;
        if (v <= 0)
            continue;
        qint64& s = d_.sum(slot.well, lineIndex, i);
        s += v;
        d_.maxSumActivity = std::max(d_.maxSumActivity, s);
        d_.maxScanActivity = std::max(d_.maxScanActivity, v);
    }
    return true;
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
        if (k < usable && !pixelValues(windowWells[size_t(k)], Bytes{l.constData(), l.size()}, h))
            return fail();
    }
    LineReader reader(file);
    Bytes l;
    qint64 at = 0;
    while (reader.next(l, at)) {
        const qsizetype comma = l.find(',', 0);
        if (comma < 1)
            continue;
        const QByteArray name = QByteArray::fromRawData(l.p, comma);
        if (name == "scan") {
            const std::optional<int> n = wholeNumber(QByteArray::fromRawData(l.p + comma + 1, l.n - comma - 1));
            if (!n || !enterScan(*n, at))
                return fail();
        } else if (name == "time[m]") {
            takeTime(QByteArray(l.p, l.n));
        } else if (SlotGeometry* s = slotOf(name)) {
            if (!pixelValues(*s, l, h))
                return fail();
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
