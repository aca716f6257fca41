#include "link/frames/FrameLayout.h"

namespace {

// The byte at reply position `position` (counted from 1), if it came.
std::optional<quint8> byteAt(const QByteArray& reply, qint64 position)
{
    if (position < 1 || position > reply.size())
        return std::nullopt;
    return static_cast<quint8>(reply.at(static_cast<qsizetype>(position - 1)));
}

void clearRectangle(FrameImage& image, int camera, const FrameGeometry& g)
{
    for (int x = 1; x <= g.lines; ++x)
        for (int y = 0; y < g.pixels; ++y)
            image.clear(camera, x, y);
}

void put(FrameImage& image, int camera, int x, int y, std::optional<quint8> value)
{
    if (value)
        image.set(camera, x, y, *value);
    else
        image.clear(camera, x, y);
}

} // namespace

QString frameDump(const QByteArray& reply, const FrameGeometry& g)
{
    const qint64 stride = qint64(g.pixels) + g.lineCheckBytes;
    QString dump;
    for (int i = 0; i <= g.lines; ++i) {
        for (qint64 j = 1; j <= stride; ++j) {
            const std::optional<quint8> b = byteAt(reply, stride * i + j);
            if (!b)
                break; // every later position of the reply is missing too
            dump += j > g.pixels ? QStringLiteral("0") : QString::number(*b);
            dump += QLatin1Char(';');
        }
        dump += QStringLiteral("\r\n");
    }
    return dump;
}

void placeFrame(FrameImage& image, int camera, char mode, const FrameGeometry& g, const QByteArray& reply)
{
    if (mode == kFrameModeEveryFifth) {
        clearRectangle(image, camera, g);
        const qint64 rowBytes = qint64(g.pixels / 5) + 2 + g.lineCheckBytes;
        for (int i = 0; i < g.lines / 5; ++i)
            for (int k = 1; k <= g.pixels / 5; ++k)
                if (const auto b = byteAt(reply, rowBytes * i + 2 + k))
                    image.set(camera, 5 * i + 1, g.pixels - 5 * k, *b);
        return;
    }
    if (mode != kFrameModeFull && mode != kFrameModeHalf)
        return;
    const qint64 stride = qint64(g.pixels) + g.lineCheckBytes;
    for (int i = 0; i < g.lines; ++i)
        for (int p = 1; p <= g.pixels; ++p)
            put(image, camera, i + 1, g.pixels - p, byteAt(reply, stride * i + p));
}
