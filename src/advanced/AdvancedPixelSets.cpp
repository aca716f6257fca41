#include "advanced/AdvancedPixelSets.h"

#include "core/BusyScope.h"
#include "core/Globals.h"
#include "flash/PixelMaskUpload.h"

namespace advanced {

PictureCanvas::FillStyle switchPixelSetMode(AdvancedPixelSets& sets) { return switchSelectionMode(sets); }

void takePixelSetDrag(AdvancedPixelSets& sets, QPointF press, QPointF release)
{
    takeSelectionDrag(sets, press, release);
}

std::optional<PixelSetBuildOutcome> buildPixelSet(const AdvancedPixelSets& sets, PictureCanvas& Picact,
                                                         const FrameImage& frameImage, const QString& txt_cam,
                                                         const ProgramFolder& folder, const QString& cmb_set1,
                                                         const QString& cmb_set2)
{
    return buildOutcome(buildSelectedSet(sets, Picact, frameImage, txt_cam, folder, cmb_set1, cmb_set2));
}

PixelSetReset resetPixelSets(const ProgramFolder& folder, Prompts& prompts)
{
    return ResetPixelSets(folder, prompts);
}

PixelSetApply applyPixelSets(LinkContext& ctx, const ProgramFolder& folder, AdvancedPixelSets& sets)
{
    // Nothing while a flash transfer or another upload runs.
    const BusyScope busy(ctx.globals.flashBusy);
    if (!busy.owned())
        return {};
    return applySelectedSets(folder, ctx.prompts, ctx.console, sets,
                             [&] { UploadPixelMask(ctx, folder, sets.setPixelMask, kAppliedPixelMask); });
}

} // namespace advanced
