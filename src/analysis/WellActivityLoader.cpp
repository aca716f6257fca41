#include "analysis/WellActivityLoader.h"

#include "analysis/loader/ChunkLineReader.h"
#include "analysis/loader/WellActivityText.h"
#include "analysis/loader/WindowFileValues.h"

#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"

#include <QDir>
#include <QFile>

#include <QThread>

#include <optional>
#include <thread>

namespace {

const QString kErrorFile = QStringLiteral("error file");
const QString kProcessingError = QStringLiteral("Error processing files");

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
    // A column past every plate is off the grid, and must not wrap round onto it.
    if (!column || *column < 1 || *column > kHeatMapWells)
        return -1;
    return (*column - 1) * rows + (name[0] - 'A');
}

// Where the values of a window file are cut into stretches read at once:
// each starts at a "scan," line. A file below two stretches' worth is one.
std::vector<qint64> stretchStarts(QFile& file, qint64 from, const WellActivityLoadTuning& tuning)
{
    const qint64 size = file.size();
    const int wanted = int(std::min<qint64>(tuning.maxStretches > 0 ? tuning.maxStretches : QThread::idealThreadCount(),
                                            (size - from) / std::max<qint64>(tuning.minStretchBytes, 1)));
    std::vector<qint64> starts{from};
    const QByteArray mark = "\nscan,";
    for (int k = 1; k < wanted; ++k) {
        qint64 at = std::max(from + (size - from) * k / wanted, starts.back()) - 1;
        // The next scan line at or after the cut.
        qint64 found = -1;
        while (found < 0 && at < size && file.seek(at)) {
            const QByteArray window = file.read(1 << 16);
            if (window.size() < mark.size())
                break;
            const qsizetype hit = window.indexOf(mark);
            if (hit >= 0)
                found = at + hit + 1;
            else
                at += window.size() - (mark.size() - 1);
        }
        if (found <= starts.back())
            break;
        starts.push_back(found);
    }
    return starts;
}

// Reads each stretch on its own thread, the first with the positions known.
std::vector<WindowFileValues> readStretches(const QString& path, const std::vector<qint64>& starts, qint64 end,
                                           const WindowFileShape& shape)
{
    std::vector<WindowFileValues> parts(starts.size());
    const auto read = [&](size_t k) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(starts[k])) {
            parts[k].failed = true;
            return;
        }
        ChunkLineReader reader(file, k + 1 < starts.size() ? starts[k + 1] : end);
        readWindowFileValues(reader, shape, k == 0, parts[k]);
    };
    std::vector<std::thread> threads;
    for (size_t k = 1; k < starts.size(); ++k)
        threads.emplace_back(read, k);
    read(0);
    for (std::thread& t : threads)
        t.join();
    return parts;
}

class Loader {
public:
    Loader(HeatMapData& d, const HeatMapLayout& layout, const WellActivityLoadTuning& tuning, Prompts& prompts)
        : d_(d), layout_(layout), tuning_(tuning), prompts_(prompts)
    {
    }

    // One window file; true to go on with the next.
    WellActivityLoad readWindow(const QString& path, int camera, int window, bool sizesTables);

private:
    bool allocate();

    HeatMapData& d_;
    const HeatMapLayout& layout_;
    const WellActivityLoadTuning& tuning_;
    Prompts& prompts_;
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
    std::vector<WindowFileWell> windowWells;
    std::vector<std::vector<QByteArray>> blockLines;
    bool faulty = false;
    while (!file.atEnd()) {
        const QByteArray l = readLine();
        const std::optional<QByteArray> name = firstField(l);
        if (!name) {
            if (!l.isEmpty() && windowWells.size() < size_t(layout_.wellsPerWindow))
                faulty = true;
            if (l.isEmpty())
                break;
            continue;
        }
        if (*name == "scan")
            break;
        if (windowWells.empty() || windowWells.back().name != *name) {
            windowWells.push_back({*name, -1, {}});
            blockLines.emplace_back();
        }
        blockLines.back().push_back(l);
    }
    const int usable = std::min(int(windowWells.size()), layout_.wellsPerWindow);
    for (int k = 0; k < usable; ++k) {
        measure(blockLines[size_t(k)], windowWells[size_t(k)].g);
        windowWells[size_t(k)].well = wellIndex(windowWells[size_t(k)].name, layout_.rows);
        // A well the format does not have has no place in the sums.
        if (windowWells[size_t(k)].well < 0 || windowWells[size_t(k)].well >= std::min(d_.wells, kHeatMapWells)) {
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

    // The values, from the first scan line on, in stretches read at once and
    // joined in file order. A stretch that met a well's "keep the last
    // position" line before any position of it cannot be read apart: then the
    // file is read again in one piece.
    WindowFileShape shape;
    shape.wells = windowWells;
    shape.holdsA1 = std::any_of(windowWells.begin(), windowWells.end(), [](const WindowFileWell& w) { return w.name == "A1"; });
    shape.sizesTables = sizesTables;
    shape.lastScan = d_.lastScan;
    shape.formatWells = d_.wells;
    shape.lastLine = d_.lastLine;
    shape.lastCell = d_.lastCell;
    std::vector<WindowFileValues> parts = readStretches(path, stretchStarts(file, offset, tuning_), file.size(), shape);
    if (std::any_of(parts.begin() + 1, parts.end(), [](const WindowFileValues& p) { return p.lostPosition; }))
        parts = readStretches(path, {offset}, file.size(), shape);

    for (const WindowFileValues& part : parts) {
        for (size_t k = 0; k < part.sums.size(); ++k)
            d_.sumActivity[k] += part.sums[k];
        d_.maxScanActivity = std::max(d_.maxScanActivity, part.maxScanActivity);
        for (const auto& [n, at] : part.scanStarts) {
            if (record.scanOffsets.size() <= size_t(n))
                record.scanOffsets.resize(size_t(n) + 1, -1);
            record.scanOffsets[size_t(n)] = at;
            if (sizesTables)
                d_.lastScan = std::max(d_.lastScan, n);
        }
        for (const auto& [n, minutes] : part.scanMinutes) {
            if (d_.scanMinutes.size() <= size_t(n))
                d_.scanMinutes.resize(size_t(n) + 1, 0.0);
            d_.scanMinutes[size_t(n)] = minutes;
        }
        if (part.failed) {
            // What was read before the fault stays.
            prompts_.message(kProcessingError);
            return WellActivityLoad::ProcessingError;
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
                                       const WellActivityLoadView& view, Prompts& prompts,
                                       const WellActivityLoadTuning& tuning)
{
    data = HeatMapData{};
    const HeatMapLayout layout = heatMapLayout(plateFormat);
    data.wells = layout.wells;
    if (layout.windows == 0)
        return WellActivityLoad::Loaded; // no layout: nothing to load
    const QDir folder(runFolder);
    Loader loader(data, layout, tuning, prompts);
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
