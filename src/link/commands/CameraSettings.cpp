#include "link/commands/CameraSettings.h"

#include "core/Clock.h"
#include "core/NumberText.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/CameraWindowSend.h"
#include "link/protocol/SendSteps.h"

CameraSetup ApplyCameraSettings(CameraBoxes& boxes, LinkContext& ctx)
{
    static constexpr int kAfterStepMs = 100;
    if (isDummyMode(ctx.globals))
        return CameraSetup::Dummy;

    // Each step shows its own outcome and the set-up goes on after a refused
    // or unanswered one, so the steps' results are not looked at here.
    (void)sendCameraBox(boxes, ctx);
    ctx.clock.sleepMs(kAfterStepMs);

    const auto gain = toInt16Strict(boxes.txt_gain);
    if (!gain)
        return CameraSetup::BadGain;
    (void)SendGain(ctx, *gain);
    ctx.clock.sleepMs(kAfterStepMs);

    const auto exposure = toInt16Strict(boxes.txt_exposure);
    if (!exposure)
        return CameraSetup::BadExposure;
    (void)SendExposure(ctx, *exposure);
    ctx.clock.sleepMs(kAfterStepMs);

    (void)sendCameraSpeedBox(boxes, ctx);
    ctx.clock.sleepMs(kAfterStepMs);

    (void)SendCameraWindow(boxes, ctx);
    ctx.clock.sleepMs(kAfterStepMs);
    return CameraSetup::Applied;
}
