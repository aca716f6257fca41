#include "calibration/WellPositionCalibration.h"

#include "calibration/CalibrationMessages.h"
#include "calibration/CameraWindowButton.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/Rounding.h"
#include "link/commands/CameraCommands.h"
#include "link/commands/LedPowerCommands.h"
#include "link/frames/FrameAcquisition.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/WellSpecFile.h"

namespace {

const QStringList kCalibratedFormats{"p35", "w6", "w12", "w24", "w48", "w96f"};

int boxNumber(const QString& text) { return int(roundHalfEven(textValue(text))); }

} // namespace

WellPositionCalibration::WellPositionCalibration(LinkContext& ctx, ProgramFolder folder, FrameWindow frames,
                                                 PlateGeometry& geometry, QString& plateFormat, bool& abortRequested,
                                                 WellCalibrationWindow& window)
    : ctx_(ctx), folder_(std::move(folder)), frames_(frames), geometry_(geometry), plateFormat_(plateFormat),
      abortRequested_(abortRequested), window_(window)
{
}

void WellPositionCalibration::status(const QString& text) { ctx_.console.setStatus(text); }

void WellPositionCalibration::pause()
{
    ctx_.clock.sleepMs(100);
    ctx_.clock.processEvents();
    ctx_.clock.sleepMs(100);
}

void WellPositionCalibration::open(const QString& mainFormat)
{
    abortRequested_ = false;
    if (ctx_.globals.dummyMode == 0 && !ctx_.globals.portOpen) {
        ctx_.prompts.message(kOfflineRefusal);
        return;
    }
    if (!kCalibratedFormats.contains(mainFormat)) {
        ctx_.prompts.message(QStringLiteral("Microplate format error"));
        window_.focusMainFormat();
        return;
    }
    window_.stopRunAndCycle();
    view.plateBox = mainFormat;
    view.plateBoxLocked = true;
    rebuildSummary();
    view.open = true;
    window_.clearPlatePicture();
    ReadWellSpecFile(folder_, mainFormat, geometry_);
    frames_.boxes.txt_cam = QStringLiteral("0");
    applyDefaultCameraWindow(frames_.boxes, ctx_.globals.hardwareGeneration);
    ctx_.clock.sleepMs(100);
    selectCamera(0);
}

void WellPositionCalibration::selectCamera(int camera)
{
    // A set-up waits with events running: a second one asked for meanwhile is ignored.
    if (settingUp_ || camera < 0 || camera >= kCameraCount)
        return;
    settingUp_ = true;
    Globals& g = ctx_.globals;
    Clock& clock = ctx_.clock;
    CameraBoxes& boxes = frames_.boxes;
    plateFormat_ = view.plateBox;
    currentCamera = camera;
    view.greyCameraButton = camera;

    clock.sleepMs(50);
    SendAllLedsPower(ctx_, 7);
    clock.sleepMs(100);
    boxes.txt_cam = QString::number(camera);
    status(QStringLiteral("Selecting camera number=") + QString::number(camera));
    // Each sender shows its own outcome; the set-up goes on regardless.
    (void)sendCameraBox(boxes, ctx_);
    pause();
    status(QStringLiteral("Setting Gain/Exposure"));
    (void)SendGain(ctx_, 2 * g.defaultGain);
    pause();
    (void)SendExposure(ctx_, g.hardwareGeneration < 2 ? 2 * g.exposureUnit : int(roundHalfEven(g.exposureUnit * 1.5)));
    pause();
    status(QStringLiteral("Setting Well-coordinates"));
    (void)sendCameraSpeedBox(boxes, ctx_);
    pause();
    (void)sendCameraWindowBoxes(boxes, ctx_);
    pause();
    if (!abortRequested_) {
        status(QStringLiteral("Acquiring..."));
        AcquireCameraFrame(ctx_, frames_, 0);
        if (!abortRequested_) {
            status(QStringLiteral("Auto-adjusting..."));
            clock.sleepMs(100);
            AcquireCameraFrame(ctx_, frames_, kDrawFrame);
        }
    }
    status(QStringLiteral("Ready"));
    if (!abortRequested_) {
        clock.sleepMs(50);
        SendAllLedsPower(ctx_, 0);
        clock.sleepMs(100);
    }
    clock.processEvents();
    if (!abortRequested_) {
        // Moves that were not saved are dropped with the reload.
        ReadWellFormatFiles(folder_, g.serialNumber, plateFormat_, geometry_);
        fillCombos(0, 0);
        window_.drawOverlay();
    }
    settingUp_ = false;
}

void WellPositionCalibration::fillCombos(int column, int row)
{
    const auto c = size_t(currentCamera);
    view.columnItems.clear();
    for (int k = 0; k < boundaryEntries(geometry_, currentCamera, BoundaryAxis::Column); ++k)
        view.columnItems << geometry_.columnLabel[c][size_t(k)];
    view.rowItems.clear();
    for (int r = 0; r < boundaryEntries(geometry_, currentCamera, BoundaryAxis::Row); ++r)
        view.rowItems << geometry_.rowLabel[c][size_t(r)];
    showColumn(column < view.columnItems.size() ? column : -1);
    showRow(row < view.rowItems.size() ? row : -1);
}

void WellPositionCalibration::showColumn(int index)
{
    view.columnIndex = index;
    if (index < 0)
        return;
    const auto c = size_t(currentCamera);
    view.columnStart = QString::number(geometry_.columnStart[c][size_t(index)]);
    view.columnEnd = QString::number(geometry_.columnEnd[c][size_t(index)]);
}

void WellPositionCalibration::showRow(int index)
{
    view.rowIndex = index;
    if (index < 0)
        return;
    const auto c = size_t(currentCamera);
    view.rowStart = QString::number(geometry_.rowStart[c][size_t(index)]);
    view.rowEnd = QString::number(geometry_.rowEnd[c][size_t(index)]);
}

void WellPositionCalibration::columnChosen(int index)
{
    if (index >= 0 && index < view.columnItems.size())
        showColumn(index);
}

void WellPositionCalibration::rowChosen(int index)
{
    if (index >= 0 && index < view.rowItems.size())
        showRow(index);
}

void WellPositionCalibration::rebuildSummary() { view.wellPercent = wellRangeSummary(view.plateBox, geometry_); }

void WellPositionCalibration::moveBound(BoundaryAxis axis, BoundaryMove move)
{
    const bool columns = axis == BoundaryAxis::Column;
    const int entry = columns ? view.columnIndex : view.rowIndex;
    if (entry < 0)
        return; // no entry chosen: nothing to move
    window_.disarmRedraw();
    const int limit = boxNumber(columns ? frames_.boxes.txt_lines : frames_.boxes.txt_pix);
    const std::optional<int> moved = moveBoundary(geometry_, currentCamera, axis, entry, move, limit);
    if (!moved)
        return; // at a limit: nothing changes and no repaint follows
    const bool start = move == BoundaryMove::StartUp || move == BoundaryMove::StartDown;
    QString& box = columns ? (start ? view.columnStart : view.columnEnd) : (start ? view.rowStart : view.rowEnd);
    box = QString::number(*moved);
    window_.armRedraw();
    rebuildSummary();
}

void WellPositionCalibration::columnStartEntered(const QString& typed)
{
    window_.disarmRedraw();
    if (view.columnIndex < 0)
        return;
    const int lines = int(textValue(frames_.boxes.txt_lines));
    if (typeColumnStart(geometry_, currentCamera, view.columnIndex, typed, lines)) {
        view.columnStart = typed; // the box keeps what was typed
        window_.armRedraw();
    } else {
        view.columnStart = QString::number(geometry_.columnStart[size_t(currentCamera)][size_t(view.columnIndex)]);
    }
}

void WellPositionCalibration::columnStartLeft(const QString& typed)
{
    if (typed.isEmpty()) {
        if (view.columnIndex >= 0)
            view.columnStart =
                QString::number(geometry_.columnStart[size_t(currentCamera)][size_t(view.columnIndex)]);
        return;
    }
    columnStartEntered(typed);
}

void WellPositionCalibration::plateBoxChosen(const QString& format)
{
    if (view.plateBoxLocked || format == plateFormat_)
        return;
    if (ctx_.prompts.question(QStringLiteral("Change Plate") + format + QStringLiteral("?")) != PromptAnswer::Yes)
        return;
    view.plateBox = format;
    plateFormat_ = format;
    window_.setMainFormat(format);
    window_.drawPlate(format);
    ReadWellSpecFile(folder_, format, geometry_);
    selectCamera(0);
    rebuildSummary();
}

void WellPositionCalibration::saveAndNext()
{
    plateFormat_ = view.plateBox;
    // A run would get a window of no pixels from such bounds.
    if (const std::optional<QString> wrong = endBeforeStart(geometry_)) {
        ctx_.prompts.message(*wrong);
        return;
    }
    WriteFormatFiles(folder_, ctx_.globals.serialNumber, plateFormat_, geometry_);
    selectCamera(currentCamera >= kCameraCount - 1 ? 0 : currentCamera + 1);
}

void WellPositionCalibration::close()
{
    abortRequested_ = true;
    view.open = false;
    view.plateBoxLocked = false;
    window_.drawPlate(plateFormat_);
    ReadWellSpecFile(folder_, plateFormat_, geometry_);
}
