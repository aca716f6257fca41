// The main window's plate picture, its well selection and the camera enable menu.
#include "acquisition/panels/Frm_acquire.h"

#include "plate/geometry/CameraLayout.h"
#include "plate/pictures/PlatePicture.h"
#include "plate/pictures/WellGroupOverlay.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

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

QLineEdit* countBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setMaximumWidth(40);
    return box;
}

// The menu of that name under a menu bar or menu, made when missing.
template <typename Parent>
QMenu* subMenu(Parent* parent, const char* name, const QString& title)
{
    if (auto* existing = parent->template findChild<QMenu*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
        return existing;
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

QWidget* Frm_acquire::buildPlatePicture(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    Picact = new PictureBox(panel, kPicactWidth, kPicactHeight);
    Picact->setObjectName(QStringLiteral("Picact"));
    // The picture takes the system's window colours until a drawing sets others.
    Picact->canvas().backColor = palette().color(QPalette::Base);
    Picact->canvas().foreColor = palette().color(QPalette::Text);
    connect(Picact, &PictureBox::mousePressed, this,
            [this](Qt::MouseButton button, double x, double y) { Picact_MouseDown(button, x, y); });
    connect(Picact, &PictureBox::mouseReleased, this,
            [this](Qt::MouseButton button, double x, double y) { Picact_MouseUp(button, x, y); });

    auto* counts = new QHBoxLayout;
    txt_ncol = countBox("txt_ncol", panel);
    txt_nrow = countBox("txt_nrow", panel);
    counts->addWidget(txt_ncol);
    counts->addWidget(new QLabel(QStringLiteral("X "), panel));
    counts->addWidget(txt_nrow);
    counts->addStretch(1);

    column->addWidget(Picact);
    column->addLayout(counts);

    DrawPlateLayout(state.plateFormat);
    return panel;
}

void Frm_acquire::buildCameraMenu()
{
    QMenu* tools = subMenu(menuBar(), "mntools", QStringLiteral("Tools"));
    QMenu* advanced = subMenu(tools, "mnadvan", QStringLiteral("Advanced"));
    QMenu* factory = subMenu(advanced, "mn_fac", QStringLiteral("Factory Tools"));
    const char* wells[kCameraCount] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    for (int i = 0; i < kCameraCount; ++i) {
        QAction* item = factory->addAction(QStringLiteral("DISABLE CAM%1 (%2)").arg(i).arg(QLatin1String(wells[i])));
        item->setObjectName(QStringLiteral("cam_disabled%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { cam_disabled_Click(i); });
        cam_disabled[i] = item;
    }
    showCameraFlags();
}

void Frm_acquire::showCameraFlags()
{
    for (int i = 0; i < kCameraCount; ++i) {
        if (cam_disabled[i])
            cam_disabled[i]->setChecked(!state.cameraEnabled[i]);
    }
}

void Frm_acquire::DrawPlateLayout(const QString& format)
{
    const PlateGrid grid = ::DrawPlateLayout(Picact->canvas(), format, state.cameraEnabled);
    platePictureFormat_ = format;
    state.plateRows = grid.rows;
    state.plateColumns = grid.columns;
    txt_ncol->setText(QString::number(grid.columns));
    txt_nrow->setText(QString::number(grid.rows));
    txt_ncol->repaint();
    txt_nrow->repaint();
    Picact->update();
}

void Frm_acquire::DrawWellGroupOverlay(int wellIndex)
{
    if (wellIndex < 0 || wellIndex >= kWellSlots)
        return;
    ::DrawWellGroupOverlay(Picact->canvas(), platePictureFormat_, PlateGrid{state.plateRows, state.plateColumns},
                           wellIndex, ctx_.globals.groups.wellGroup[wellIndex], state.cameraEnabled);
    Picact->update();
}

void Frm_acquire::cam_disabled_Click(int index)
{
    if (index < 0 || index >= kCameraCount)
        return;
    // The check mark mirrors the flag; the menu has already toggled it on its own.
    state.cameraEnabled[index] = !state.cameraEnabled[index];
    cam_disabled[index]->setChecked(!state.cameraEnabled[index]);
    for (int well : builtInCameraWells(platePictureFormat_, index))
        DrawWellGroupOverlay(well);
}

void Frm_acquire::Picact_MouseDown(Qt::MouseButton button, double x, double y)
{
    ::Picact_MouseDown(wellSelection, state.runState, PlateGrid{state.plateRows, state.plateColumns},
                       plateButton(button), x, y);
}

void Frm_acquire::Picact_MouseUp(Qt::MouseButton button, double x, double y)
{
    const WellSelectionResult result =
        ::Picact_MouseUp(wellSelection, state.runState, PlateGrid{state.plateRows, state.plateColumns},
                         plateButton(button), x, y, combogrup->currentText(), ctx_.globals.groups,
                         [this](int well) { DrawWellGroupOverlay(well); });
    if (!result.combogrup)
        return;
    formatControls.combogrup = *result.combogrup;
    const QSignalBlocker block(combogrup);
    combogrup->clear();
    combogrup->addItems(result.combogrup->entries);
    combogrup->setCurrentIndex(result.combogrup->currentIndex);
}
