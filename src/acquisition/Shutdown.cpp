#include "acquisition/Shutdown.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/LightPulse.h"
#include "link/commands/TemperatureSenders.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortOwner.h"
#include "link/protocol/LinkState.h"
#include "projects/LastProject.h"

namespace {

constexpr int kAfterDriveMs = 10;
constexpr int kBeforeCloseMs = 100;
const QString kNoCamera = QStringLiteral("6");

} // namespace

void shutDown(ShutdownContext& ctx)
{
    LinkGuard& guard = ctx.link.comm.guard();
    if (guard.held()) {
        // Closing from a window event inside a transfer: the transfer ends at
        // its next block boundary, and closing runs once it has returned.
        guard.requestStop();
        guard.whenFree([later = ctx]() mutable { shutDown(later); });
        return;
    }
    LinkContext& link = ctx.link;
    // Results are not looked at: nothing that fails here may keep a later step from running.
    WriteConfigTxt(ctx.folder, ctx.boxes, ctx.cameraBoxes);
    if (!ctx.projectName.isEmpty())
        WriteLastProject(ctx.folder, link.globals.serialNumber, ctx.projectName);
    SendPeltierOff(link, ctx.state);
    link.clock.sleepMs(kAfterDriveMs);
    SendFanLevel(link, 0);
    link.clock.sleepMs(kAfterDriveMs);
    SendLightPulse(link, 0, 0);
    link.clock.sleepMs(kAfterDriveMs);
    ctx.cameraBoxes.txt_cam = kNoCamera;
    // No camera selected on the way out; the port closes whatever the echo said.
    (void)sendCameraBox(ctx.cameraBoxes, link);
    link.clock.sleepMs(kBeforeCloseMs);

    link.comm.setPortLostHandler({});
    // The port that was opened, not the number txtcom may hold by now.
    closePortInUse(link.globals, link.comm);
}
