#include "link/frames/FrameAcquisition.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Rounding.h"
#include "link/commands/CameraValues.h"
#include "link/protocol/SendSteps.h"

#include <random>

namespace {

constexpr double kDummyTop = 100;

// A made-up frame, seeded from the time of day as the instrument-free mode always was.
void fillDummyFrame(LinkContext& ctx, FrameImage& image, const FrameSetup& setup)
{
    std::mt19937 random(static_cast<std::mt19937::result_type>(ctx.clock.now().toMSecsSinceEpoch()));
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int x = 1; x <= setup.geometry.lines; ++x)
        for (int y = 0; y < setup.geometry.pixels; ++y)
            image.set(setup.camera, x, y, static_cast<quint8>(roundHalfEven(fraction(random) * kDummyTop)));
}

} // namespace

FrameRead acquireFrame(LinkContext& ctx, FrameWindow& window, char mode, int drawFlag)
{
    CameraBoxes& boxes = window.boxes;
    const int lines = roundedBoxValue(boxes.txt_xfin) - roundedBoxValue(boxes.txt_xini) + 1;
    const int pixels = roundedBoxValue(boxes.txt_yfin) - roundedBoxValue(boxes.txt_yini) + 1;
    boxes.txtprogram = QString(QLatin1Char(mode));
    boxes.txt_pix = QString::number(pixels);
    boxes.txt_lines = QString::number(lines);

    FrameRead read;
    const FrameSetup setup = frameSetupFromBoxes(boxes, window.style.lineCheckBytesBox);
    if (const auto refusal = frameSetupRefusal(setup)) {
        ctx.console.setStatus(*refusal);
        read.outcome = FrameReadOutcome::BadSetup;
        return read;
    }
    if (ctx.globals.dummyMode != 0) {
        fillDummyFrame(ctx, window.image, setup);
        window.view.showFrame(setup.camera, lines, pixels);
        read.drawn = true;
        return read;
    }
    const QByteArray request = makeFrameRequest(setup.camera, mode)->toByteArray();
    return ReadCameraFrame(ctx, window, request, drawFlag);
}

FrameRead AcquireCameraFrame(LinkContext& ctx, FrameWindow& window, int drawFlag)
{
    return acquireFrame(ctx, window, kFrameModeFull, drawFlag);
}

FrameRead AcquireCalibrationFrame(LinkContext& ctx, FrameWindow& window)
{
    return acquireFrame(ctx, window, kFrameModeFull, kDrawFrame);
}

FrameRead AcquireAutoCalibrationFrame(LinkContext& ctx, FrameWindow& window)
{
    return acquireFrame(ctx, window, kFrameModeEveryFifth, kDrawFrame);
}
