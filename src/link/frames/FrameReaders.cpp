#include "link/frames/FrameReaders.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "link/frames/FrameLayout.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/SendSteps.h"

namespace {

const QColor kLabelGood = Qt::black;
const QColor kLabelBad = Qt::red;

char modeOf(const QByteArray& request) { return request.size() >= 2 ? request.at(request.size() - 2) : '\0'; }

bool drawAfterRead(const FrameReaderStyle& style, char mode, int drawFlag)
{
    if (style.drawEveryRead)
        return true;
    const bool stopped = style.abortRequested && *style.abortRequested;
    return !stopped && mode != kFrameModeEveryFifth && drawFlag == kDrawFrame;
}

} // namespace

FrameWindow mainWindowFrames(CameraBoxes& boxes, FrameImage& image, FrameView& view, const bool& abortRequested)
{
    return {boxes, image, view, FrameReaderStyle{nullptr, &abortRequested, false, false}};
}

FrameWindow advancedPageFrames(CameraBoxes& boxes, FrameImage& image, FrameView& view, const QString& txt_crc)
{
    return {boxes, image, view, FrameReaderStyle{&txt_crc, nullptr, true, true}};
}

FrameRead ReadCameraFrame(LinkContext& outer, FrameWindow& window, const QByteArray& request, int drawFlag)
{
    const FrameReaderStyle& style = window.style;
    FrameRead read;
    ExchangeScope exchange(outer);
    if (exchange.refused()) {
        read.outcome = FrameReadOutcome::LinkBusy;
        return read;
    }
    LinkContext& ctx = exchange.context();
    const FrameSetup setup = frameSetupFromBoxes(window.boxes, style.lineCheckBytesBox);
    if (const auto refusal = frameSetupRefusal(setup)) {
        ctx.console.setStatus(*refusal);
        read.outcome = FrameReadOutcome::BadSetup;
        return read;
    }
    ctx.console.setLenRx(QStringLiteral("Reading..."), style.colourByCheck ? kLabelGood : ctx.console.lenRxColour());
    if (!requirePortOpen(ctx)) {
        read.outcome = FrameReadOutcome::PortClosed;
        return read;
    }
    const char mode = modeOf(request);
    if (!sendFrameRequest(ctx, request)) {
        read.outcome = FrameReadOutcome::ClosedSending;
        return read;
    }
    read.receipt = receiveFrame(ctx, expectedFrameLength(mode, setup.geometry));

    const QColor colour = !style.colourByCheck ? ctx.console.lenRxColour()
                                               : (read.receipt.good() ? kLabelGood : kLabelBad);
    ctx.console.setLenRx(lenRxSummary(read.receipt), colour);
    ctx.console.setCommText(frameDump(read.receipt.bytes, setup.geometry));
    placeFrame(window.image, setup.camera, mode, setup.geometry, read.receipt.bytes);
    if (drawAfterRead(style, mode, drawFlag)) {
        window.view.showFrame(setup.camera, setup.geometry.lines, setup.geometry.pixels);
        read.drawn = true;
    }
    return read;
}
