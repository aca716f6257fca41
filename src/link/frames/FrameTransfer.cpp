#include "link/frames/FrameTransfer.h"

#include "core/CheckByte.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "link/commands/CameraValues.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/SendSteps.h"

#include <algorithm>

namespace {

constexpr int kReadChunk = 32;
constexpr int kEmptyReadsBeforeData = 10;
constexpr int kEmptyReadsAfterData = 2;

QString outOfRange(const QString& what, int low, int high, int value)
{
    return QStringLiteral("Frame not read: %1 must be %2 to %3, not %4").arg(what).arg(low).arg(high).arg(value);
}

} // namespace

std::optional<CommandFrame> makeFrameRequest(int camera, char mode)
{
    return makeCommandFrame('C', camera, static_cast<quint8>(mode));
}

FrameSetup frameSetupFromBoxes(const CameraBoxes& boxes, const QString* txt_crc)
{
    FrameSetup setup = frameSetupForCamera(boxes, roundedBoxValue(boxes.txt_cam));
    setup.geometry.lineCheckBytes = txt_crc ? roundedBoxValue(*txt_crc) : 0;
    return setup;
}

FrameSetup frameSetupForCamera(const CameraBoxes& boxes, int camera)
{
    return {camera, {roundedBoxValue(boxes.txt_lines), roundedBoxValue(boxes.txt_pix), 0}};
}

std::optional<QString> frameSetupRefusal(const FrameSetup& setup, int lastCamera)
{
    const FrameGeometry& g = setup.geometry;
    if (setup.camera < 0 || setup.camera > lastCamera)
        return outOfRange(QStringLiteral("camera"), 0, lastCamera, setup.camera);
    if (g.lines < 1 || g.lines > kMaxFrameLines)
        return outOfRange(QStringLiteral("lines"), 1, kMaxFrameLines, g.lines);
    if (g.pixels < 1 || g.pixels > kMaxFramePixels)
        return outOfRange(QStringLiteral("pixels"), 1, kMaxFramePixels, g.pixels);
    if (g.lineCheckBytes < 0 || g.lineCheckBytes > kMaxLineCheckBytes)
        return outOfRange(QStringLiteral("#CRC"), 0, kMaxLineCheckBytes, g.lineCheckBytes);
    return std::nullopt;
}

qint32 expectedFrameLength(char mode, const FrameGeometry& g)
{
    // 32-bit throughout: the largest checked geometry needs about 6.3 million.
    if (mode == kFrameModeEveryFifth)
        return (g.pixels / 5 + 2 + g.lineCheckBytes) * (g.lines / 5) + 3;
    return (g.pixels + g.lineCheckBytes) * g.lines + 1;
}

bool sendFrameRequest(LinkContext& ctx, const QByteArray& request)
{
    flushBeforeSend(ctx);
    for (const char byte : request) {
        ctx.clock.processEvents();
        if (!ctx.globals.portOpen)
            return false;
        ctx.comm.CommWrite(ctx.globals.commPort, QByteArray(1, byte));
        ctx.clock.sleepMs(1);
    }
    ctx.clock.processEvents();
    return ctx.globals.portOpen;
}

FrameReceipt receiveFrame(LinkContext& ctx, qint32 expected)
{
    FrameReceipt r;
    r.expected = expected;
    QByteArray chunk;
    int tries = kEmptyReadsBeforeData;
    while (r.bytes.size() < expected && tries >= 1) {
        const auto wanted = static_cast<qint32>(std::min<qint64>(expected - r.bytes.size(), kReadChunk));
        if (ctx.comm.CommRead(ctx.globals.commPort, chunk, wanted) >= 1) {
            r.bytes += chunk;
            tries = kEmptyReadsAfterData;
        } else {
            ctx.clock.sleepMs(1);
        }
        --tries;
    }
    r.calc = xorCheckByte(QByteArrayView(r.bytes).first(std::max<qsizetype>(r.bytes.size() - 1, 0)));
    r.last = r.bytes.isEmpty() ? -1 : static_cast<quint8>(r.bytes.back());
    return r;
}

QString lenRxSummary(const FrameReceipt& r)
{
    return QStringLiteral("LEN(Rx) = %1/%2 CRC: calc=%3(byteinput=%4)")
        .arg(r.bytes.size())
        .arg(r.expected)
        .arg(r.calc)
        .arg(r.last);
}
