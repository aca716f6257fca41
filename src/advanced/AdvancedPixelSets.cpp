#include "advanced/AdvancedPixelSets.h"

#include "flash/PixelMaskUpload.h"

namespace advanced {

PictureCanvas::FillStyle Frame8_Click(AdvancedPixelSets& sets) { return switchSelectionMode(sets); }

void Picact_PixelSetDrag(AdvancedPixelSets& sets, QPointF press, QPointF release)
{
    takeSelectionDrag(sets, press, release);
}

std::optional<PixelSetBuildOutcome> cmd_set_select_Click(const AdvancedPixelSets& sets, PictureCanvas& Picact,
                                                         const FrameImage& frameImage, const QString& txt_cam,
                                                         const ProgramFolder& folder, const QString& cmb_set1,
                                                         const QString& cmb_set2)
{
    return buildOutcome(buildSelectedSet(sets, Picact, frameImage, txt_cam, folder, cmb_set1, cmb_set2));
}

PixelSetReset cmd_reset_set_Click(const ProgramFolder& folder, Prompts& prompts)
{
    return ResetPixelSets(folder, prompts);
}

PixelSetApply cmd_applyset_Click(LinkContext& ctx, const ProgramFolder& folder, AdvancedPixelSets& sets)
{
    return applySelectedSets(folder, ctx.prompts, ctx.console, sets,
                             [&] { UploadPixelMask(ctx, folder, sets.setPixelMask, kAppliedPixelMask); });
}

} // namespace advanced
