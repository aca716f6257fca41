#include "link/commands/CameraWindowSend.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "link/commands/CameraValues.h"
#include "link/protocol/SendSteps.h"

std::optional<CameraWindow> windowFromBoxes(const CameraBoxes& boxes)
{
    const auto xini = toInt16Strict(boxes.txt_xini);
    const auto xfin = toInt16Strict(boxes.txt_xfin);
    const auto yini = toInt16Strict(boxes.txt_yini);
    const auto yfin = toInt16Strict(boxes.txt_yfin);
    if (!xini || !xfin || !yini || !yfin)
        return std::nullopt;
    if (!windowRangeFits(*xini, *xfin) || !windowRangeFits(*yini, *yfin))
        return std::nullopt;
    return CameraWindow{*xini, *xfin, *yini, *yfin};
}

CameraSend sendWindowFromBoxes(CameraBoxes& boxes, LinkContext& ctx, const WindowRangeSenders& senders)
{
    const std::optional<CameraWindow> window = windowFromBoxes(boxes);
    if (!window) {
        ctx.prompts.message(QStringLiteral("error"));
        return CameraSend::BadValue;
    }
    boxes.txt_lines = QString::number(window->lines());
    boxes.txt_pix = QString::number(window->pixels());
    if (isDummyMode(ctx.globals))
        return CameraSend::Dummy;
    if (!ctx.globals.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return CameraSend::PortClosed;
    }
    flushBeforeSend(ctx);
    const CameraSend lines = senders.lines(ctx, window->xini, window->xfin);
    const CameraSend pixels = senders.pixels(ctx, window->yini, window->yfin);
    return lines == CameraSend::Accepted && pixels == CameraSend::Accepted ? CameraSend::Accepted
                                                                           : CameraSend::NoEcho;
}

CameraSend SendCameraWindow(CameraBoxes& boxes, LinkContext& ctx)
{
    return sendWindowFromBoxes(boxes, ctx, {SendWindowYCommands, SendWindowXCommands});
}
