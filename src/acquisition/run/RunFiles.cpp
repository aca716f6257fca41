#include "acquisition/run/RunFiles.h"

#include "core/DateStamp.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <QDir>
#include <QStringList>

namespace {

const QString kQ = QStringLiteral("\"");

QString quoted(const QString& text) { return kQ + text + kQ; }

QString windowFile(const QString& runFolder, const QString& stem, const RunFileTick& tick)
{
    return QDir(runFolder).filePath(stem + QString::number(tick.camera) + QString::number(tick.window) +
                                    QStringLiteral(".csv"));
}

// Positions first..last of the list, grouped into runs of one image line.
template <typename Line>
void forEachImageLine(const WindowPixelList& pixels, int first, int last, Line&& line)
{
    last = std::min(last, pixels.positions());
    const auto x = [&pixels](int n) { return n < int(pixels.pixelX.size()) ? pixels.pixelX[size_t(n)] : 0; };
    for (int start = std::max(first, 1); start <= last;) {
        int end = start;
        while (end < last && x(end + 1) == x(start))
            ++end;
        line(start, end, x(start));
        start = end + 1;
    }
}

QString nameAt(const WindowPixelList& pixels, int n)
{
    return n < int(pixels.pixelWellName.size()) ? pixels.pixelWellName[size_t(n)] : QString();
}

RunFileWrite written(bool ok, const QString& path) { return ok ? RunFileWrite{} : RunFileWrite{path}; }

} // namespace

QString runMinutes(double elapsedSeconds) { return formatNumber(elapsedSeconds / 60.0, QStringLiteral("0.0")); }

RunFileWrite writeRunFileHeaders(const QString& runFolder, const QDateTime& written)
{
    const QDir folder(runFolder);
    const QString date = quoted(formatDateStamp(written, QStringLiteral("yyyy/mm/dd_hh:mm:ss")));
    const QString activityColumns = quoted("Time[m]") + " " + quoted("Well") + " " + quoted("Accumulated_activity");
    const QList<std::pair<QString, QStringList>> files{
        {kCurrentActivityFile,
         {date + " " + quoted("<Raw_activity_file_without_internal_factor_correction>"), activityColumns}},
        {kAdjustedActivityFile,
         {date + " " + quoted("<activity_file_adjusted_by_internal_factor_correction>"), activityColumns}},
        {kCurrentTemperatureFile, {date, quoted("Time[m]") + " " + quoted("Temperature[C]")}}};
    for (const auto& [name, lines] : files)
        if (!writeTextFile(folder.filePath(name), lines))
            return RunFileWrite{folder.filePath(name)};
    return {};
}

RunFileWrite WriteLightCsvHeader(const QString& runFolder)
{
    const QString path = QDir(runFolder).filePath(kLightFile);
    return written(appendTextFile(path, {quoted("#scan") + "," + quoted("time[m]") + "," + quoted("light power[0=off]")}),
                   path);
}

RunFileWrite appendLightRow(const QString& runFolder, const RunFileTick& tick, int power)
{
    const QString minutes = runMinutes(tick.elapsedSeconds).replace(QLatin1Char(','), QLatin1Char('.'));
    const QString path = QDir(runFolder).filePath(kLightFile);
    return written(appendTextFile(path, {QString::number(tick.scan) + "," + quoted(minutes) + "," + QString::number(power)}),
                   path);
}

RunFileWrite writeLastRead(const QString& runFolder, const RunFileTick& tick, const WindowPixelList& pixels,
                           int windowPixels, const SampleFrames& samples, bool saveRaw)
{
    QStringList lines;
    if (saveRaw)
        lines << QStringLiteral("scan,") + QString::number(tick.scan)
              << QStringLiteral("time[m],") + quoted(runMinutes(tick.elapsedSeconds));
    const auto byteAt = [&samples](int j, int n) { return int(uchar(samples[size_t(j)].at(n - 1))); };
    forEachImageLine(pixels, 3, windowPixels, [&](int first, int last, int x) {
        QString line = nameAt(pixels, last) + "," + QString::number(x);
        for (int j = 0; j < kSamplesPerWindow; ++j) {
            line += QStringLiteral(",,");
            for (int n = first; n <= last; ++n) {
                // Only positions the sample's text reaches (and, for a difference, the one before).
                if (samples[size_t(j)].size() < n || (j > 0 && samples[size_t(j - 1)].size() < n))
                    continue;
                if (pixels.wellAt(n) < 0)
                    line += QStringLiteral(",-");
                else
                    line += "," + QString::number(j == 0 ? byteAt(0, n) : byteAt(j, n) - byteAt(j - 1, n));
            }
        }
        lines << line;
    });
    lines << QString() << QStringLiteral("Temperature,") + formatNumber(tick.temperature, QStringLiteral("0.0"));
    const QString path = windowFile(runFolder, QStringLiteral("lastread"), tick);
    return written(saveRaw ? appendTextFile(path, lines) : writeTextFile(path, lines), path);
}

RunFileWrite appendWellActivity(const QString& runFolder, const RunFileTick& tick, const WindowPixelList& pixels,
                                int windowPixels, const WindowActivity& window)
{
    QStringList lines{QStringLiteral("scan,") + QString::number(tick.scan),
                      QStringLiteral("time[m],") + quoted(runMinutes(tick.elapsedSeconds))};
    forEachImageLine(pixels, 1, windowPixels, [&](int first, int last, int x) {
        if (nameAt(pixels, first).isEmpty())
            return;
        QString line = nameAt(pixels, first) + "," + QString::number(x);
        for (int n = first; n <= last; ++n) {
            if (nameAt(pixels, n).isEmpty() || pixels.wellAt(n) < 0 || n >= int(window.pixelActivityScaled.size()))
                line += QStringLiteral(",-");
            else
                line += "," + QString::number(window.pixelActivityScaled[size_t(n)]);
        }
        lines << line;
    });
    lines << QString();
    const QString path = windowFile(runFolder, QStringLiteral("wellactivity"), tick);
    return written(appendTextFile(path, lines), path);
}

RunFileWrite appendActivityRows(const QString& runFolder, const RunFileTick& tick, const PlateGeometry& geometry,
                                bool cameraInUse, const std::array<double, kRunWells>& wellActivityNow,
                                const std::array<double, kWellSlots>& intRefFactor)
{
    const int c = tick.camera;
    if (c < 0 || c >= kCameraCount || tick.window < 0 || tick.window >= kRowWindows ||
        geometry.firstColumn[size_t(c)] < 0)
        return {}; // a camera that sees nothing of the format has no wells to write
    const QString minutes = runMinutes(tick.elapsedSeconds);
    QStringList raw, adjusted;
    const int columns = std::min(geometry.lastColumn[size_t(c)] - geometry.firstColumn[size_t(c)] + 1, kSpcColumns);
    for (int k = 0; k < columns; ++k) {
        const QString name = geometry.rowLabel[size_t(c)][size_t(tick.window)] + geometry.columnLabel[size_t(c)][size_t(k)];
        const int d = tick.window < kSpcRows ? geometry.spcDataIndex[size_t(c)][size_t(k)][size_t(tick.window)] : -1;
        const double now = cameraInUse && d >= 0 && d < kRunWells ? wellActivityNow[size_t(d)] : 0.0;
        const double factor = d >= 0 && d < kWellSlots ? intRefFactor[size_t(d)] : 1.0;
        const QString row = minutes + " " + quoted(name) + " ";
        raw << row + formatNumber(now, QStringLiteral("0"));
        adjusted << row + formatNumber(factor * now, QStringLiteral("0"));
    }
    const QDir folder(runFolder);
    // The adjusted file follows the raw one: a row that missed one misses both.
    if (!appendTextFile(folder.filePath(kCurrentActivityFile), raw))
        return RunFileWrite{folder.filePath(kCurrentActivityFile)};
    return written(appendTextFile(folder.filePath(kAdjustedActivityFile), adjusted),
                   folder.filePath(kAdjustedActivityFile));
}

RunFileWrite appendTemperatureRow(const QString& runFolder, const RunFileTick& tick)
{
    const QString path = QDir(runFolder).filePath(kCurrentTemperatureFile);
    return written(
        appendTextFile(path, {runMinutes(tick.elapsedSeconds) + " " + formatNumber(tick.temperature, QStringLiteral("0.0"))}),
        path);
}
