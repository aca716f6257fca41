#include "plate/pixelsets/PixelSetSelection.h"

#include "core/Rounding.h"
#include "link/commands/CameraValues.h"

FramePoint framePointAt(QPointF logical)
{
    return {static_cast<int>(wholePart(logical.x())), static_cast<int>(wholePart(logical.y()))};
}

PictureCanvas::FillStyle selectionIndicatorFill(int selectionMode)
{
    return selectionMode == kCircleSelection ? PictureCanvas::FillStyle::Transparent : PictureCanvas::FillStyle::Solid;
}

PictureCanvas::FillStyle switchSelectionMode(PixelSetSelection& selection)
{
    selection.selectionMode = selection.selectionMode == kCircleSelection ? 0 : kCircleSelection;
    return selectionIndicatorFill(selection.selectionMode);
}

void takeSelectionDrag(PixelSetSelection& selection, QPointF press, QPointF release)
{
    selection.centre = framePointAt(press);
    selection.rectangle = rectangleFromDrag(press, release);
}

namespace {

SelectedSetBuild built(PixelSetBuildOutcome outcome)
{
    switch (outcome) {
    case PixelSetBuildOutcome::Written:
        return SelectedSetBuild::Built;
    case PixelSetBuildOutcome::RayTooShort:
        return SelectedSetBuild::RayTooShort;
    case PixelSetBuildOutcome::FileError:
        break;
    }
    return SelectedSetBuild::FileError;
}

} // namespace

SelectedSetBuild buildSelectedSet(const PixelSetSelection& selection, PictureCanvas& picture,
                                  const FrameImage& frameImage, const QString& txt_cam, const ProgramFolder& folder,
                                  const QString& cmb_set1, const QString& cmb_set2)
{
    const QString name = pixelSetName(cmb_set1, cmb_set2);
    if (selection.selectionMode != kCircleSelection) {
        if (!selection.rectangle)
            return SelectedSetBuild::NoRectangle;
        return built(BuildPixelSetRectangle(picture, *selection.rectangle, folder, name));
    }
    const int camera = roundedBoxValue(txt_cam);
    if (camera < 0 || camera >= FrameImage::kPlanes)
        return SelectedSetBuild::NoCamera;
    if (!selection.centre)
        return SelectedSetBuild::NoCentre;
    const FrameGrey grey = [&](int pixel, int line) { return frameImage.grey(camera, pixel, line); };
    return built(BuildPixelSetByRays(picture, grey, *selection.centre, folder, name));
}

std::optional<PixelSetBuildOutcome> buildOutcome(SelectedSetBuild build)
{
    switch (build) {
    case SelectedSetBuild::Built:
        return PixelSetBuildOutcome::Written;
    case SelectedSetBuild::FileError:
        return PixelSetBuildOutcome::FileError;
    case SelectedSetBuild::RayTooShort:
        return PixelSetBuildOutcome::RayTooShort;
    case SelectedSetBuild::NoCamera:
    case SelectedSetBuild::NoCentre:
    case SelectedSetBuild::NoRectangle:
        break;
    }
    return std::nullopt;
}

PixelSetApply applySelectedSets(const ProgramFolder& folder, Prompts& prompts, Console& console,
                                PixelSetSelection& selection, const std::function<void()>& sendMask0)
{
    return ApplyPixelSets(folder, prompts, console, selection.setPixelMask, sendMask0);
}
