#pragma once

#include "link/frames/FrameImage.h"
#include "plate/pixelsets/ApplyPixelSet.h"
#include "plate/pixelsets/PixelMask.h"
#include "plate/pixelsets/PixelSetBuild.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "picture/PictureCanvas.h"

#include <QPointF>
#include <QString>

#include <functional>
#include <optional>

class Console;
class ProgramFolder;
class Prompts;

// The selection mode in which "set" builds by the ray search.
inline constexpr int kCircleSelection = 2;
// The mask number "Apply to all" fills and sends.
inline constexpr int kAppliedPixelMask = 0;

// The pixel-set panel's logic, one for every window that shows the panel:
// the main window always builds by the ray search; the advanced page starts in
// the rectangle mode and switches with Frame8.
struct PixelSetSelection {
    int selectionMode = 0; // kCircleSelection: ray search; anything else: rectangle mode
    std::optional<FramePoint> centre;           // the frame pixel last pressed on
    std::optional<PixelSetRectangle> rectangle; // the last drag on the frame picture
    PixelMask setPixelMask;                     // built by "Apply to all" and sent to flash
};

// The frame pixel under a point of the frame picture's logical units.
FramePoint framePointAt(QPointF logical);

// How Shape_circle_selection is filled in a mode: solid while the rectangle mode is on.
PictureCanvas::FillStyle selectionIndicatorFill(int selectionMode);

// The other mode; the indicator's fill for it.
PictureCanvas::FillStyle switchSelectionMode(PixelSetSelection& selection);

// A press and a release on the frame picture (logical units): the press picks
// the ray search's centre, the drag the rectangle.
void takeSelectionDrag(PixelSetSelection& selection, QPointF press, QPointF release);

// Why "set" built nothing, or how the build ended.
enum class SelectedSetBuild { Built, FileError, RayTooShort, NoCamera, NoCentre, NoRectangle };

// "set": builds the set named by the two lists in the selection's mode, from
// the frame of the camera in txt_cam (0 to 6; the ray search checks it before
// the centre), drawn on the frame picture.
SelectedSetBuild buildSelectedSet(const PixelSetSelection& selection, PictureCanvas& picture,
                                  const FrameImage& frameImage, const QString& txt_cam, const ProgramFolder& folder,
                                  const QString& cmb_set1, const QString& cmb_set2);

// The build's outcome as the set builders report it; none when nothing was built.
std::optional<PixelSetBuildOutcome> buildOutcome(SelectedSetBuild build);

// "Apply to all" into the selection's mask; sendMask0 writes the mask file and
// sends it to the instrument.
PixelSetApply applySelectedSets(const ProgramFolder& folder, Prompts& prompts, Console& console,
                                PixelSetSelection& selection, const std::function<void()>& sendMask0);
