#include "acquisition/panels/PlatePicturePanel.h"

#include "plate/pictures/PlatePicture.h"
#include "plate/pictures/WellGroupOverlay.h"
#include "ui/PictureBox.h"

#include <QPalette>
#include <QWidget>

namespace {

constexpr int kPicactWidth = 480;
constexpr int kPicactHeight = 640;

PlateMouseButton plateButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PlateMouseButton::Left;
    case Qt::RightButton:
        return PlateMouseButton::Right;
    default:
        return PlateMouseButton::Other;
    }
}

} // namespace

PlatePicturePanel::PlatePicturePanel(AcquireState& state, WellGroupTable& groups, QWidget* pictureParent)
    : QObject(pictureParent), state_(state), groups_(groups)
{
    Picact = new PictureBox(pictureParent, kPicactWidth, kPicactHeight);
    Picact->setObjectName(QStringLiteral("Picact"));
    Picact->setSizedByLayout();
    // The picture takes the system's window colours until a drawing sets others.
    Picact->canvas().backColor = Picact->palette().color(QPalette::Base);
    Picact->canvas().foreColor = Picact->palette().color(QPalette::Text);
    connect(Picact, &PictureBox::mousePressed, this,
            [this](Qt::MouseButton button, double x, double y) { Picact_MouseDown(button, x, y); });
    connect(Picact, &PictureBox::mouseReleased, this,
            [this](Qt::MouseButton button, double x, double y) { Picact_MouseUp(button, x, y); });
}

void PlatePicturePanel::DrawPlateLayout(const PlateFormat& format)
{
    const PlateGrid grid = ::DrawPlateLayout(Picact->canvas(), format, state_.cameraEnabled);
    format_ = format;
    state_.plateRows = grid.rows;
    state_.plateColumns = grid.columns;
    emit plateSizeDrawn(grid.rows, grid.columns);
    Picact->update();
}

void PlatePicturePanel::DrawWellGroupOverlay(int wellIndex)
{
    if (wellIndex < 0 || wellIndex >= kWellSlots)
        return;
    ::DrawWellGroupOverlay(Picact->canvas(), format_, wellIndex, groups_.wellGroup[wellIndex], state_.cameraEnabled);
    Picact->update();
}

void PlatePicturePanel::Picact_MouseDown(Qt::MouseButton button, double x, double y)
{
    beginWellSelection(wellSelection, state_.runState, PlateGrid{state_.plateRows, state_.plateColumns},
                       plateButton(button), x, y);
}

void PlatePicturePanel::Picact_MouseUp(Qt::MouseButton button, double x, double y)
{
    const WellSelectionResult result =
        endWellSelection(wellSelection, state_.runState, PlateGrid{state_.plateRows, state_.plateColumns},
                         plateButton(button), x, y, currentGroup ? currentGroup() : QString(), groups_,
                         [this](int well) { DrawWellGroupOverlay(well); });
    if (result.combogrup)
        emit groupListChanged(*result.combogrup);
}
