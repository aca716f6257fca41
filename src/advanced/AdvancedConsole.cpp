#include "advanced/AdvancedConsole.h"

#include "advanced/AdvancedBoxNumbers.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/frames/FrameLayout.h"
#include "link/frames/FrameTransfer.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/SendSteps.h"

#include <algorithm>

namespace {

constexpr int kLengthBytes = 2;
constexpr int kReadChunk = 32;
constexpr int kEmptyPollsBeforeData = 10;
constexpr int kEmptyPollsAfterData = 2;

QString refused(const QString& why) { return QStringLiteral("Not sent: ") + why; }

// Why the boxes cannot be used with this text; none when they can.
std::optional<QString> consoleRefusal(const AdvancedConsolePage& page, QChar mode, PageFrameGeometry& geometry)
{
    const std::optional<PageFrameGeometry> read =
        readPageFrameGeometry(page.boxes.txt_lines, page.boxes.txt_pix, page.txt_crc);
    if (!read)
        return refused(QStringLiteral("lines and pixels must be whole numbers from 1, #CRC from 0"));
    if (read->frameLineCount > kMaxFrameLines)
        return refused(QStringLiteral("at most %1 lines").arg(kMaxFrameLines));
    if (read->framePixelCount + read->frameExtraBytes > kMaxFramePixels)
        return refused(QStringLiteral("pixels and #CRC together at most %1").arg(kMaxFramePixels));
    const std::optional<int> camera = wholeBoxNumber(page.boxes.txt_cam, 0);
    if (!camera || *camera > kMaxFrameCamera)
        return refused(QStringLiteral("the camera must be 0 to %1").arg(kMaxFrameCamera));
    if (mode == QLatin1Char(kFrameModeFull) && !consoleExpectedLength(mode, *read, page.boxes))
        return refused(QStringLiteral("the window must be whole numbers that fit the frame buffer"));
    geometry = *read;
    return std::nullopt;
}

// A "+" reply into the frame buffer: row i at x = i, its pixels in reverse order.
void storeReversed(FrameImage& image, int camera, const PageFrameGeometry& g, const QByteArray& reply)
{
    const int stride = g.framePixelCount + g.frameExtraBytes;
    for (int i = 0; i <= g.frameLineCount; ++i) {
        for (int j = 1; j <= g.framePixelCount; ++j) {
            const qsizetype position = qsizetype(i) * stride + j;
            if (position <= reply.size())
                image.set(camera, i, stride - j, static_cast<quint8>(reply.at(position - 1)));
        }
    }
}

} // namespace

std::optional<qint32> consoleExpectedLength(QChar mode, const PageFrameGeometry& g, const CameraBoxes& boxes)
{
    if (mode == QLatin1Char(kFrameModeCounted))
        return std::nullopt;
    if (mode != QLatin1Char(kFrameModeFull))
        return qint32(g.framePixelCount + g.frameExtraBytes) * g.frameLineCount + 1;
    const std::optional<int> xini = wholeBoxNumber(boxes.txt_xini);
    const std::optional<int> xfin = wholeBoxNumber(boxes.txt_xfin);
    const std::optional<int> yini = wholeBoxNumber(boxes.txt_yini);
    const std::optional<int> yfin = wholeBoxNumber(boxes.txt_yfin);
    if (!xini || !xfin || !yini || !yfin)
        return std::nullopt;
    const FrameSetup window{0, {*xfin - *xini + 1, *yfin - *yini + 1, 0}};
    if (frameSetupRefusal(window))
        return std::nullopt;
    return qint32(*xfin - *xini) * (*yfin - *yini) + 1;
}

ConsoleTransmit transmitConsoleText(LinkContext& ctx, const AdvancedConsolePage& page, const bool& stopRequested)
{
    ConsoleTransmit result;
    const QByteArray text = page.boxes.txtprogram.toLatin1();
    const QChar mode = text.isEmpty() ? QChar() : QChar::fromLatin1(text.back());
    if (const std::optional<QString> why = consoleRefusal(page, mode, page.geometry)) {
        ctx.console.setStatus(*why);
        return result;
    }
    const PageFrameGeometry& g = page.geometry;
    const int camera = *wholeBoxNumber(page.boxes.txt_cam, 0);

    ctx.console.setLenRx(QStringLiteral("Reading..."), ctx.console.lenRxColour());
    page.picture.ResetFramePicture();
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        result.outcome = ConsoleOutcome::PortClosed;
        return result;
    }
    flushBeforeSend(ctx);
    const int port = ctx.globals.commPort;
    for (const char byte : text) {
        ctx.clock.processEvents();
        if (!ctx.globals.portOpen || stopRequested) {
            result.outcome = ConsoleOutcome::StoppedSending;
            return result;
        }
        ctx.comm.CommWrite(port, QByteArray(1, byte));
        ctx.clock.sleepMs(1);
    }

    QByteArray& reply = result.reply;
    QByteArray chunk;
    int countdown = kEmptyPollsBeforeData;
    std::optional<qint32> expected = consoleExpectedLength(mode, g, page.boxes);
    if (!expected) { // the count comes first, high byte first
        while (reply.size() < kLengthBytes && countdown > 0 && !stopRequested) {
            if (ctx.comm.CommRead(port, chunk, kLengthBytes) >= 1) {
                reply += chunk;
                countdown = kEmptyPollsAfterData;
            } else {
                ctx.clock.sleepMs(1);
            }
            --countdown;
        }
        expected = reply.size() >= kLengthBytes
                       ? static_cast<quint8>(reply.at(0)) * 256 + static_cast<quint8>(reply.at(1)) + kLengthBytes
                       : qint32(g.framePixelCount + g.frameExtraBytes) * g.frameLineCount;
    }
    result.expected = *expected;
    while (reply.size() < result.expected && countdown >= 1 && !stopRequested) {
        const auto wanted = static_cast<qint32>(std::min<qint64>(result.expected - reply.size(), kReadChunk));
        if (ctx.comm.CommRead(port, chunk, wanted) >= 1) {
            reply += chunk;
            countdown = kEmptyPollsAfterData;
        } else {
            ctx.clock.sleepMs(1);
        }
        --countdown;
    }

    ctx.console.setCommText(frameDump(reply, FrameGeometry{g.frameLineCount, g.framePixelCount, g.frameExtraBytes}));
    ctx.console.setLenRx(QStringLiteral("LEN(Rx) = ") + QString::number(reply.size()), ctx.console.lenRxColour());
    if (mode == QLatin1Char(kFrameModeFull))
        storeReversed(page.image, camera, g, reply);
    page.Picact.clear();
    result.outcome = ConsoleOutcome::Read;
    return result;
}
