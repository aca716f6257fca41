#pragma once

#include "lib/LedLighting.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <optional>

// Where each LED of the simulated instrument lights the frame image of the
// main window's reader, for a camera window whose X range starts at `firstLine`
// and whose Y range ends at `lastPixel`: line k of the window sits at x = k + 1,
// pixel p of a line at y = lastPixel - p. Header-only: the executable that uses
// it links instrument_sim.
struct SimulatedLedRectangle {
    int camera = 0;
    int x1 = 0;
    int x2 = 0;
    int y1 = 0;
    int y2 = 0;
};

// The default camera window: X 0 to 142, Y 1 to 183.
inline constexpr int kDefaultWindowFirstLine = 0;
inline constexpr int kDefaultWindowLastPixel = 183;

inline std::optional<SimulatedLedRectangle> simulatedLedRectangle(int generation, int led,
                                                                  int firstLine = kDefaultWindowFirstLine,
                                                                  int lastPixel = kDefaultWindowLastPixel)
{
    const std::optional<LedSpot> spot = ledSpot(generation, led);
    if (!spot)
        return std::nullopt;
    return SimulatedLedRectangle{spot->camera, spot->firstLine - firstLine + 1, spot->lastLine - firstLine + 1,
                                 lastPixel - spot->lastPixel, lastPixel - spot->firstPixel};
}

// A ledxy.dat of those rectangles for the default window (0,0,0,0 for an LED
// outside the layout), its folder made; false when it cannot be written.
inline bool writeSimulatedLedXyFile(const QString& path, int generation)
{
    QByteArray text = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"x1\",\"x2\",\"y1\",\"y2\"\r\n";
    for (int led = 0; led < kSimLedCount; ++led) {
        const SimulatedLedRectangle r = simulatedLedRectangle(generation, led).value_or(SimulatedLedRectangle{});
        text += QStringLiteral("%1,%2,%3,%4,%5\r\n").arg(led).arg(r.x1).arg(r.x2).arg(r.y1).arg(r.y2).toLatin1();
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}
