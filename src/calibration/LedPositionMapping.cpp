#include "calibration/LedPositionMapping.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/NumberText.h"

#include <algorithm>

namespace {

constexpr int kMappedColumns = 9;
constexpr int kMappedRows = 8;
constexpr int kLitPower = 8;
constexpr double kColumnFactor = 1.6;
constexpr double kRowFactor = 1.3;
// The frame image holds indexes 0 to 192 on both axes; a larger window is cut there.
constexpr int kLastLine = FrameImage::kCellsX - 1;
constexpr int kLastPixel = FrameImage::kCellsY - 1;

int boxWhole(const QString& text) { return int(textValue(text)); }

QString cameraTag(const CameraBoxes& boxes) { return QStringLiteral("CAM[") + boxes.txt_cam + QStringLiteral("]: "); }

bool litAny(LedCalibrationRun& m, int camera, const LedValues& field, int value, const QString& where)
{
    bool lit = false;
    for (int led = 0; led < kLedCount; ++led) {
        if (m.leds.ledCamera[size_t(led)] != camera || field[size_t(led)] != value)
            continue;
        m.ctx.console.setStatus(cameraTag(m.boxes) + QStringLiteral("Setting led power=") + QString::number(led) +
                                QStringLiteral("..") + where + QStringLiteral("[") + QString::number(value) +
                                QStringLiteral("]"));
        m.steps.setLed(led, kLitPower);
        lit = true;
    }
    return lit;
}

void litFrame(LedCalibrationRun& m)
{
    Clock& clock = m.ctx.clock;
    clock.sleepMs(100);
    m.steps.takeFrame();
    clock.sleepMs(100);
    m.steps.setAllLeds(0, 50);
    clock.sleepMs(100);
}

std::vector<double> minus(std::vector<double> a, const std::vector<double>& b)
{
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        a[i] -= b[i];
    return a;
}

} // namespace

LedBand findLedBand(const std::vector<double>& p, double factor)
{
    const int n = int(p.size()) - 1;
    if (n <= 0)
        return {};
    double sum = 0;
    for (const double v : p)
        sum += v;
    const double t = factor * sum / n;
    LedBand band;
    for (int k = 0; k <= n; ++k) {
        const double v = p[size_t(k)];
        if (v > t && band.start < 0)
            band.start = k;
        // A band lit from index 0 ends where it falls too; only one that never falls runs to n.
        if (v < t && band.start >= 0 && band.end < 0)
            band.end = k;
        if (v > t && band.end > 0)
            band.end = -1;
    }
    if (band.start >= 0 && band.end == -1)
        band.end = n;
    return band;
}

std::vector<double> lineProfile(const FrameImage& image, int camera, int lines, int pixels)
{
    lines = std::clamp(lines, 0, kLastLine);
    std::vector<double> profile(size_t(lines) + 1, 0.0);
    if (pixels <= 0)
        return profile;
    const int lastPixel = std::min(pixels, kLastPixel);
    for (int x = 0; x <= lines; ++x) {
        double sum = 0;
        for (int y = 0; y <= lastPixel; ++y)
            sum += image.grey(camera, x, y);
        profile[size_t(x)] = sum / pixels;
    }
    return profile;
}

std::vector<double> pixelProfile(const FrameImage& image, int camera, int lines, int pixels)
{
    pixels = std::clamp(pixels, 0, kLastPixel);
    std::vector<double> profile(size_t(pixels) + 1, 0.0);
    if (lines <= 0)
        return profile;
    const int lastLine = std::min(lines, kLastLine);
    for (int y = 0; y <= pixels; ++y) {
        double sum = 0;
        for (int x = 0; x <= lastLine; ++x)
            sum += image.grey(camera, x, y);
        profile[size_t(y)] = sum / lines;
    }
    return profile;
}

LedMappingEnd MapLedPositions(LedCalibrationRun& m)
{
    if (m.runState == 0)
        return LedMappingEnd::Stopped;
    Clock& clock = m.ctx.clock;
    Console& console = m.ctx.console;
    const int camera = boxWhole(m.boxes.txt_cam);
    m.steps.loadTables(m.leds);

    console.setStatus(QStringLiteral("Setting Zero lighting reference"));
    m.steps.selectCamera();
    clock.sleepMs(100);
    m.steps.setAllLeds(0, 50);
    clock.sleepMs(200);

    console.setStatus(cameraTag(m.boxes) + QStringLiteral("Setting Zero lighting reference...acquiring1"));
    m.steps.setDefaultWindow();
    clock.sleepMs(10);
    m.steps.applyCameraSettings();
    clock.sleepMs(200);
    m.steps.takeFrame();
    clock.processEvents();
    clock.sleepMs(100);

    console.setStatus(cameraTag(m.boxes) + QStringLiteral("Setting Zero lighting reference...acquiring2"));
    m.steps.takeFrame();
    clock.processEvents();
    clock.sleepMs(100);
    const auto lines = [&] { return boxWhole(m.boxes.txt_lines); };
    const auto pixels = [&] { return boxWhole(m.boxes.txt_pix); };
    const std::vector<double> zeroX = lineProfile(m.image, camera, lines(), pixels());
    const std::vector<double> zeroY = pixelProfile(m.image, camera, lines(), pixels());

    std::vector<std::vector<double>> columnProfiles(kMappedColumns + 1);
    for (int c = 1; c <= kMappedColumns; ++c) {
        if (m.runState != -1)
            return LedMappingEnd::Stopped;
        if (!litAny(m, camera, m.leds.ledColcam, c, QStringLiteral("col")))
            continue;
        litFrame(m);
        columnProfiles[size_t(c)] = minus(lineProfile(m.image, camera, lines(), pixels()), zeroX);
    }
    std::vector<std::vector<double>> rowProfiles(kMappedRows + 1);
    for (int r = 1; r <= kMappedRows; ++r) {
        if (m.runState != -1)
            return LedMappingEnd::Stopped;
        litAny(m, camera, m.leds.ledFilcam, r, QStringLiteral("row"));
        litFrame(m);
        rowProfiles[size_t(r)] = minus(pixelProfile(m.image, camera, lines(), pixels()), zeroY);
    }

    for (int r = 1; r <= kMappedRows; ++r) {
        const LedBand band = findLedBand(rowProfiles[size_t(r)], kRowFactor);
        for (int led = 0; led < kLedCount; ++led)
            if (m.leds.ledCamera[size_t(led)] == camera && m.leds.ledFilcam[size_t(led)] == r) {
                m.leds.ledY1[size_t(led)] = band.start;
                m.leds.ledY2[size_t(led)] = band.end;
            }
    }
    if (m.runState != -1)
        return LedMappingEnd::Stopped;
    for (int c = 1; c <= kMappedColumns; ++c) {
        if (columnProfiles[size_t(c)].empty())
            continue; // its LEDs were not lit
        const LedBand band = findLedBand(columnProfiles[size_t(c)], kColumnFactor);
        for (int led = 0; led < kLedCount; ++led)
            if (m.leds.ledCamera[size_t(led)] == camera && m.leds.ledColcam[size_t(led)] == c) {
                m.leds.ledX1[size_t(led)] = band.start;
                m.leds.ledX2[size_t(led)] = band.end;
            }
    }
    if (m.runState != -1)
        return LedMappingEnd::Stopped;
    m.steps.writeLedXy(m.leds);
    console.setStatus(cameraTag(m.boxes) + QStringLiteral("OK"));
    return LedMappingEnd::Written;
}
