#include "advanced/AdvancedPixelSets.h"

#include "core/BusyScope.h"
#include "core/Globals.h"
#include "core/Rounding.h"
#include "flash/PixelMaskUpload.h"
#include "link/CameraValues.h"

namespace {

constexpr int kAppliedMask = 0;

FramePoint cellAt(QPointF p) { return {static_cast<int>(wholePart(p.x())), static_cast<int>(wholePart(p.y()))}; }

} // namespace

PictureCanvas::FillStyle selectionIndicatorFill(int selectionMode)
{
    return selectionMode == kCircleSelection ? PictureCanvas::FillStyle::Transparent : PictureCanvas::FillStyle::Solid;
}

namespace advanced {

PictureCanvas::FillStyle Frame8_Click(AdvancedPixelSets& sets)
{
    sets.selectionMode = sets.selectionMode == kCircleSelection ? 0 : kCircleSelection;
    return selectionIndicatorFill(sets.selectionMode);
}

void Picact_PixelSetDrag(AdvancedPixelSets& sets, QPointF press, QPointF release)
{
    sets.centre = cellAt(press);
    sets.rectangle = rectangleFromDrag(press, release);
}

std::optional<PixelSetBuildOutcome> cmd_set_select_Click(const AdvancedPixelSets& sets, PictureCanvas& Picact,
                                                         const FrameImage& frameImage, const QString& txt_cam,
                                                         const ProgramFolder& folder, const QString& cmb_set1,
                                                         const QString& cmb_set2)
{
    const QString name = pixelSetName(cmb_set1, cmb_set2);
    if (sets.selectionMode != kCircleSelection) {
        if (!sets.rectangle)
            return std::nullopt;
        return BuildPixelSetRectangle(Picact, *sets.rectangle, folder, name);
    }
    const int camera = roundedBoxValue(txt_cam);
    if (!sets.centre || camera < 0 || camera >= FrameImage::kPlanes)
        return std::nullopt;
    const FrameGrey grey = [&](int pixel, int line) { return frameImage.grey(camera, pixel, line); };
    return BuildPixelSetByRays(Picact, grey, *sets.centre, folder, name);
}

PixelSetReset cmd_reset_set_Click(const ProgramFolder& folder, Prompts& prompts)
{
    return ResetPixelSets(folder, prompts);
}

PixelSetApply cmd_applyset_Click(LinkContext& ctx, const ProgramFolder& folder, AdvancedPixelSets& sets)
{
    // Nothing while a flash transfer or another upload runs.
    const BusyScope busy(ctx.globals.flashBusy);
    if (!busy.owned())
        return {};
    return ApplyPixelSets(folder, ctx.prompts, ctx.console, sets.setPixelMask,
                          [&] { UploadPixelMask(ctx, folder, sets.setPixelMask, kAppliedMask); });
}

} // namespace advanced
