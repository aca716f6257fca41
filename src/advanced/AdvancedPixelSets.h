#pragma once

#include "link/protocol/LinkContext.h"
#include "plate/pixelsets/PixelSetSelection.h"

#include <optional>

class ProgramFolder;

// The advanced page's pixel-set panel: the shared panel logic on the page's own
// frame, picture, centre and mask. The page starts in the rectangle mode.
using AdvancedPixelSets = PixelSetSelection;

namespace advanced {

// switchPixelSetMode: the other mode; the indicator's fill for it.
PictureCanvas::FillStyle switchPixelSetMode(AdvancedPixelSets& sets);

// A press and a release on the frame picture (logical units).
void takePixelSetDrag(AdvancedPixelSets& sets, QPointF press, QPointF release);

// buildPixelSet: builds the set named by the two lists in the page's
// mode. Nothing is built (no result) before a press on the picture, or for a
// camera outside 0 to 6.
std::optional<PixelSetBuildOutcome> buildPixelSet(const AdvancedPixelSets& sets, PictureCanvas& Picact,
                                                         const FrameImage& frameImage, const QString& txt_cam,
                                                         const ProgramFolder& folder, const QString& cmb_set1,
                                                         const QString& cmb_set2);

// resetPixelSets: "Reset all", as on the main window.
PixelSetReset resetPixelSets(const ProgramFolder& folder, Prompts& prompts);

// applyPixelSets: "Apply to all" into the page's mask, whose mask file
// and transfer go through the page's console and prompts.
PixelSetApply applyPixelSets(LinkContext& ctx, const ProgramFolder& folder, AdvancedPixelSets& sets);

} // namespace advanced
