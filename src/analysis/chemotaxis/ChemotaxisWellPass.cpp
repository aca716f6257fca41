#include "analysis/chemotaxis/ChemotaxisWellPass.h"

#include "analysis/AnalysisFileErrors.h"
#include "analysis/WellExtent.h"
#include "analysis/chemotaxis/ChemotaxisDataLine.h"
#include "analysis/chemotaxis/ChemotaxisLines.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "analysis/sequence/SequenceImages.h"
#include "core/Clock.h"
#include "core/FreeSpace.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/Rounding.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <limits>

namespace {

const QString kErrorFile = QStringLiteral("error file");

qint32 scanNumber(QByteArrayView line)
{
    const double v = chemotaxisFieldValue(chemotaxisAfterFirstComma(line).trimmed());
    return qint32(std::clamp<double>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

bool isField(const std::optional<QByteArrayView>& field, const char* name)
{
    return field && *field == QByteArrayView(name);
}

const ChemotaxisIndexKind* shownKind(const ChemotaxisSettings& s)
{
    const QString name = chemotaxisIndexName(s.analysisIndex, s.options);
    for (const ChemotaxisIndexKind& kind : kChemotaxisIndexKinds)
        if (name == QLatin1String(kind.indexName))
            return &kind;
    return nullptr;
}

bool running(const ChemotaxisView& view) { return !view.running || view.running(); }

// Before the first image: every pass writes one well image per scan, and every
// well of the format six index plots. When they would not fit, or their folder
// cannot be made, the message is shown and nothing is written.
bool makeRoomForImages(const ChemotaxisRun& run)
{
    const ChemotaxisFormat& f = run.format;
    const qint64 passes = qint64(6) * f.windowsPerCamera * f.wellsPerWindow;
    const qint64 wellImages = passes * (qint64(run.lastScan) + 1);
    const qint64 plots = qint64(f.wells) * qint64(kChemotaxisIndexKinds.size());
    const qint64 bytes = wellImages * run.view.wellpicture.bmpBytes().size() +
                         plots * run.view.progress2.bmpBytes().size();
    const SystemFreeSpace system;
    const FreeSpace& space = run.services.freeSpace ? *run.services.freeSpace : system;
    const QString tooBig = analysisImageRoomError(space, kErrorFile, run.imagesFolder,
                                                  wellImages + plots, bytes);
    if (!tooBig.isEmpty()) {
        run.services.prompts.message(tooBig);
        return false;
    }
    if (!makeFolder(run.imagesFolder)) {
        run.services.prompts.message(analysisWriteError(kErrorFile, run.imagesFolder));
        return false;
    }
    return true;
}

} // namespace

WellPassResult runChemotaxisWellPass(ChemotaxisRun& run, int camera, int window, int k)
{
    const ChemotaxisSettings& s = run.settings;
    ChemotaxisView& view = run.view;
    const QString path = resolvePathIgnoringCase(
        QDir(s.runFolder).absoluteFilePath(QStringLiteral("wellactivity%1%2.csv").arg(camera).arg(window)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        run.services.prompts.message(kErrorFile); // a camera without its window file
        return WellPassResult::Failed;
    }
    ChemotaxisLineReader reader(file);
    QByteArrayView line;

    // The first scan line and its time line.
    bool scanFound = false;
    qint32 lastSeen = -1;
    while (reader.next(line)) {
        if (isField(chemotaxisFirstField(line), "scan")) {
            scanFound = true;
            lastSeen = scanNumber(line);
            break;
        }
    }
    if (!scanFound) {
        run.services.prompts.message(kErrorFile);
        return WellPassResult::Failed;
    }
    if (!reader.next(line) || !isField(chemotaxisFirstField(line), "time[m]"))
        return WellPassResult::Failed;

    // The k-th well of the block; a line without a first field on the way, or
    // the file's end, means the file lacks it.
    const QString fileError = QStringLiteral("File error c%1b%2.csv").arg(camera).arg(window);
    QByteArray previous;
    int changes = 0;
    QByteArray wellName;
    while (wellName.isEmpty()) {
        std::optional<QByteArrayView> field;
        if (!reader.next(line) || !(field = chemotaxisFirstField(line))) {
            run.services.prompts.message(fileError);
            return WellPassResult::Failed;
        }
        if (changes == 0 || *field != QByteArrayView(previous)) {
            ++changes;
            previous = field->toByteArray();
        }
        if (changes > k)
            wellName = previous;
    }
    const QString well = QString::fromLatin1(wellName);

    // The well's extent from its lines of the first block.
    WellExtentScan extentScan;
    extentScan.addLine(line);
    bool pending = false; // `line` is the first line after the well's block
    while (reader.next(line)) {
        if (!running(view))
            return WellPassResult::Stopped;
        if (chemotaxisFirstField(line) != QByteArrayView(wellName)) {
            pending = true;
            break;
        }
        extentScan.addLine(line);
    }
    if (!running(view))
        return WellPassResult::Stopped;
    const WellExtent extent = extentScan.extent();

    if (camera == 0 && window == 0) {
        qint64 scanLines = 1;
        if (pending && isField(chemotaxisFirstField(line), "scan")) {
            lastSeen = scanNumber(line);
            ++scanLines;
        }
        while (reader.next(line)) {
            if (isField(chemotaxisFirstField(line), "scan")) {
                lastSeen = scanNumber(line);
                ++scanLines;
            }
        }
        // Scans are numbered from 0 on: a last number past the file's scan
        // lines is a damaged line, not a run to size the tables by.
        if (lastSeen >= scanLines) {
            run.services.prompts.message(kErrorFile);
            return WellPassResult::Failed;
        }
        run.lastScan = lastSeen;
        if (k == 0) {
            if (!makeRoomForImages(run))
                return WellPassResult::NothingWritten;
            run.sums = RegionTable(run.format.wells + 1, run.lastScan);
            run.scanTimes.assign(size_t(std::max<qint32>(0, run.lastScan + 1)), 0.0);
        }
    }

    // One scan's grid at a time.
    WellGrid grid;
    grid.lines = int(roundHalfEven(1.5 * extent.dataLineCount)) + 1;
    grid.cells = int(roundHalfEven(1.5 * extent.dataWidth)) + 1;
    grid.values.assign(size_t(grid.lines) * size_t(grid.cells), 0);

    const ChemotaxisIndexKind* kind = shownKind(s);
    const QString indexName = kind ? QString::fromLatin1(kind->indexName) : QString();
    const int wellIndex = chemotaxisWellIndex(well, run.format.rows);
    const QString label = wellIndex >= 0 && wellIndex < kWellSlots ? run.labels[size_t(wellIndex)] : QString();
    DrawProgressPlotFrame(view.progress, well + QLatin1Char('[') + indexName + QStringLiteral("] G") + label,
                          run.lastScan);
    if (view.showLastScan)
        view.showLastScan(run.lastScan);
    if (view.showScan)
        view.showScan(0);

    // The values, scan by scan.
    if (!file.seek(0))
        return WellPassResult::Failed;
    qint32 scan = -1;
    RegionSums sums;
    int position = 0;
    double previousIndex = 0;
    const bool timesFromHere = wellName == "A1";
    const auto inRun = [&](qint32 n) { return n >= 0 && n <= run.lastScan; };
    // False, with the message shown, when an image cannot be saved.
    const auto closeScan = [&](qint32 t, qint32 next) {
        if (!inRun(t))
            return true;
        if (view.showWell)
            view.showWell(well);
        const double index = kind ? chemotaxisIndex(*kind, sums) : 0.0;
        const double minutes = run.scanTimes[size_t(t)];
        extendIndexCurve(view.progress, run.lastScan, t, previousIndex, index, minutes);
        previousIndex = index;
        drawWellImage(view.wellpicture, WellImage{well, minutes, extent.dataLineCount, extent.dataWidth, &grid,
                                                  s.grey, s.redCross});
        if (view.refresh)
            view.refresh();
        run.services.clock.processEvents();
        QString unsaved;
        if (!saveWellImage(view.wellpicture, run.imagesFolder, well, t))
            unsaved = frameImageName(well, t);
        else if (!saveIndexPlot(view.progress, run.imagesFolder, indexName, well))
            unsaved = indexPlotName(indexName, well);
        if (!unsaved.isEmpty()) {
            run.services.prompts.message(analysisWriteError(kErrorFile, QDir(run.imagesFolder).filePath(unsaved)));
            return false;
        }
        if (view.showScan)
            view.showScan(next);
        return true;
    };
    while (true) {
        if (!running(view))
            return WellPassResult::Stopped;
        if (!reader.next(line)) {
            // The closing line, one above the last scan read.
            if (!closeScan(scan, scan == std::numeric_limits<qint32>::max() ? scan : scan + 1))
                return WellPassResult::Failed;
            break;
        }
        const std::optional<QByteArrayView> field = chemotaxisFirstField(line);
        if (!field)
            continue;
        if (*field == QByteArrayView("scan")) {
            const qint32 next = scanNumber(line);
            if (!closeScan(scan, next))
                return WellPassResult::Failed;
            scan = next;
            sums = RegionSums{};
            std::fill(grid.values.begin(), grid.values.end(), 0);
        } else if (*field == QByteArrayView("time[m]")) {
            if (timesFromHere && inRun(scan)) {
                const QString text =
                    QString::fromLatin1(chemotaxisAfterFirstComma(line).toByteArray()).remove(QLatin1Char('"'));
                run.scanTimes[size_t(scan)] = textValue(text);
            }
        } else if (*field == QByteArrayView(wellName)) {
            if (!inRun(scan))
                continue; // before the first scan line, or past the last scan
            if (readChemotaxisDataLine(line, extent, position, grid, sums) && run.sums.holds(wellIndex, scan))
                run.sums.at(wellIndex, scan) = sums;
        }
    }
    return WellPassResult::Done;
}
