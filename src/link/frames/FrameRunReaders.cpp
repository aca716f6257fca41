#include "link/frames/FrameRunReaders.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/frames/FrameTransfer.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/SendSteps.h"

#include <functional>

namespace {

constexpr int kTries = 2;
// Camera 6 is "no camera": nothing would answer, and each sample would wait out its empty reads.
constexpr int kLastRunCamera = 5;
constexpr int kRetryPauseMs = 10;

using FrameResult = std::function<std::optional<QByteArray>(const QByteArray& reply)>;

FrameText readRunFrame(LinkContext& outer, const CameraBoxes& boxes, int camera, const FrameResult& result)
{
    if (isDummyMode(outer.globals))
        return FrameText::empty();
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return FrameText::empty();
    LinkContext& ctx = exchange.context();
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return FrameText::empty();
    }
    const FrameSetup setup = frameSetupForCamera(boxes, camera);
    if (const auto refusal = frameSetupRefusal(setup, kLastRunCamera)) {
        ctx.console.setStatus(*refusal);
        return FrameText::error();
    }
    const QByteArray request = makeFrameRequest(camera, kFrameModeFull)->toByteArray();
    const qint32 expected = expectedFrameLength(kFrameModeFull, setup.geometry);

    FrameReceipt receipt;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (!sendFrameRequest(ctx, request))
            return FrameText::empty();
        receipt = receiveFrame(ctx, expected);
        if (receipt.bytes.isEmpty())
            return FrameText::empty();
        ctx.console.setLenRx(lenRxSummary(receipt), receipt.checkHolds() ? Qt::black : Qt::red);
        if (receipt.good())
            break;
        ctx.clock.sleepMs(kRetryPauseMs);
        ctx.clock.processEvents();
    }
    if (!receipt.good())
        return FrameText::error();
    const std::optional<QByteArray> bytes = result(receipt.bytes);
    return bytes ? FrameText::frame(*bytes) : FrameText::error();
}

} // namespace

FrameText ReadCameraFrameRaw(LinkContext& ctx, const CameraBoxes& boxes, int camera)
{
    return readRunFrame(ctx, boxes, camera, [](const QByteArray& reply) { return std::optional(reply); });
}

FrameText ReadCameraFrameCut(LinkContext& ctx, const CameraBoxes& boxes, const FrameCutLayout& layout, int camera)
{
    return readRunFrame(ctx, boxes, camera, [&layout](const QByteArray& reply) { return cutFrame(reply, layout); });
}
