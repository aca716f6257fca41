#pragma once

#include "link/frames/FrameImage.h"
#include "link/protocol/LinkContext.h"
#include "plate/pixelsets/ApplyPixelSet.h"
#include "plate/pixelsets/PixelMask.h"
#include "plate/pixelsets/PixelSetBuild.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "picture/PictureCanvas.h"

#include <QPointF>
#include <QString>

#include <optional>

class ProgramFolder;

// The selection mode in which "set" builds by the ray search.
inline constexpr int kCircleSelection = 2;

// The advanced page's pixel-set panel: the main window's build, reset and
// apply, on the page's own frame, picture, centre and mask. The page starts
// in the rectangle mode; Frame8 switches to the ray search and back.
struct AdvancedPixelSets {
    int selectionMode = 0; // kCircleSelection: ray search; anything else: rectangle mode
    std::optional<FramePoint> centre;           // the frame pixel last pressed on
    std::optional<PixelSetRectangle> rectangle; // the last drag on the frame picture
    PixelMask setPixelMask;                     // the page's own, sent by "Apply to all"
};

// How Shape_circle_selection is filled in a mode: solid while the rectangle mode is on.
PictureCanvas::FillStyle selectionIndicatorFill(int selectionMode);

namespace advanced {

// Frame8_Click: the other mode; the indicator's fill for it.
PictureCanvas::FillStyle Frame8_Click(AdvancedPixelSets& sets);

// A press and a release on the frame picture (logical units): the press
// picks the ray search's centre, the drag the rectangle.
void Picact_PixelSetDrag(AdvancedPixelSets& sets, QPointF press, QPointF release);

// cmd_set_select_Click: builds the set named by the two lists in the page's
// mode, from the page's frame of the camera in txt_cam, drawn on the page's
// picture. Nothing is built (no result) before a press on the picture, or
// for a camera outside 0 to 6.
std::optional<PixelSetBuildOutcome> cmd_set_select_Click(const AdvancedPixelSets& sets, PictureCanvas& Picact,
                                                         const FrameImage& frameImage, const QString& txt_cam,
                                                         const ProgramFolder& folder, const QString& cmb_set1,
                                                         const QString& cmb_set2);

// cmd_reset_set_Click: "Reset all", as on the main window.
PixelSetReset cmd_reset_set_Click(const ProgramFolder& folder, Prompts& prompts);

// cmd_applyset_Click: "Apply to all" into the page's mask, whose mask file
// and transfer go through the page's console and prompts.
PixelSetApply cmd_applyset_Click(LinkContext& ctx, const ProgramFolder& folder, AdvancedPixelSets& sets);

} // namespace advanced
