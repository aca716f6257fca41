// The main window's frame buffer and frame picture, and its pixel-set panel
// Frame_select: sets built around a clicked centre, reset, and applied as
// pixel mask 0 that goes to the instrument's flash.
#include "acquisition/Frm_acquire.h"

#include "core/BusyScope.h"
#include "core/Console.h"
#include "core/Rounding.h"
#include "flash/PixelMaskUpload.h"
#include "link/CameraValues.h"
#include "link/LinkContext.h"
#include "plate/ApplyPixelSet.h"
#include "plate/PixelSetBuild.h"
#include "plate/PixelSetFiles.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <functional>

namespace {

constexpr int kAppliedMask = 0;

// While the pixel-set panel is shown, a left click on the frame picture picks
// the set's centre. The panel takes every mouse event of the picture then, so
// that the click groups no wells.
class SetCentreClicks final : public QObject {
public:
    SetCentreClicks(PictureBox* picture, std::function<bool()> panelShown, std::function<void(QPointF)> picked)
        : QObject(picture), picture_(picture), panelShown_(std::move(panelShown)), picked_(std::move(picked))
    {
        picture->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                           || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
        if (watched != picture_ || !mouse || !panelShown_())
            return false;
        const auto* m = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonPress && m->button() == Qt::LeftButton)
            picked_(logical(m->position()));
        return true;
    }

private:
    // The picture's logical units under a point of the widget.
    QPointF logical(QPointF widgetPos) const
    {
        const PictureCanvas& canvas = picture_->canvas();
        const double sx = double(canvas.widthPx()) / std::max(1, picture_->width());
        const double sy = double(canvas.heightPx()) / std::max(1, picture_->height());
        return canvas.toLogical(QPointF(widgetPos.x() * sx, widgetPos.y() * sy));
    }

    PictureBox* picture_;
    std::function<bool()> panelShown_;
    std::function<void(QPointF)> picked_;
};

QComboBox* setList(const char* name, const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setCurrentIndex(0);
    return list;
}

QPushButton* panelButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QString centreText(FramePoint centre)
{
    return QStringLiteral("x=%1 y=%2").arg(centre.pixel).arg(centre.line);
}

} // namespace

FrameWindow Frm_acquire::frameWindow() { return mainWindowFrames(cameraBoxes, frameImage, *framePicture, state); }

QWidget* Frm_acquire::buildPixelSetPanel(QWidget* parent)
{
    framePicture = std::make_unique<FramePicture>(Picact->canvas(), cameraBoxes, frameImage);
    // The masks live as long as the window; nothing changes the files behind its back.
    LoadFlashPixelMasks(cameraPixelMask, ctx_.folder);

    Frame_select = new QGroupBox(QStringLiteral("Select"), parent);
    Frame_select->setObjectName(QStringLiteral("Frame_select"));
    QStringList rows;
    for (char row = 'A'; row <= 'H'; ++row)
        rows << QString(QLatin1Char(row));
    QStringList columns;
    for (int column = 1; column <= 12; ++column)
        columns << QString::number(column);
    cmb_set1 = setList("cmb_set1", rows, Frame_select);
    cmb_set2 = setList("cmb_set2", columns, Frame_select);
    cmd_set_select = panelButton("cmd_set_select", QStringLiteral("set"), Frame_select);
    cmd_close_frame2 = panelButton("cmd_close_frame2", QStringLiteral("X"), Frame_select);
    cmd_applyset = panelButton("cmd_applyset", QStringLiteral("Apply to all"), Frame_select);
    cmd_reset_set = panelButton("cmd_reset_set", QStringLiteral("Reset all"), Frame_select);
    lbl_setcentre = new QLabel(Frame_select);
    lbl_setcentre->setObjectName(QStringLiteral("lbl_setcentre"));

    auto* grid = new QGridLayout(Frame_select);
    grid->addWidget(cmb_set1, 0, 0);
    grid->addWidget(cmb_set2, 0, 1);
    grid->addWidget(cmd_set_select, 0, 2);
    grid->addWidget(cmd_close_frame2, 0, 3);
    grid->addWidget(cmd_applyset, 1, 0, 1, 2);
    grid->addWidget(cmd_reset_set, 1, 2, 1, 2);
    grid->addWidget(lbl_setcentre, 2, 0, 1, 4);

    connect(cmd_set_select, &QPushButton::clicked, this, [this] { cmd_set_select_Click(); });
    connect(cmd_close_frame2, &QPushButton::clicked, this, [this] { cmd_close_frame2_Click(); });
    connect(cmd_applyset, &QPushButton::clicked, this, [this] { cmd_applyset_Click(); });
    connect(cmd_reset_set, &QPushButton::clicked, this, [this] { cmd_reset_set_Click(); });
    const QPointer<QGroupBox> panel(Frame_select);
    new SetCentreClicks(
        Picact, [panel] { return panel && !panel->isHidden(); },
        [this](QPointF p) {
            if (!framePicture->showsFrame())
                return; // the plate layout has no frame pixels
            setCentre = FramePoint{static_cast<int>(wholePart(p.x())), static_cast<int>(wholePart(p.y()))};
            lbl_setcentre->setText(centreText(*setCentre));
        });

    Frame_select->hide();
    return Frame_select;
}

void Frm_acquire::buildPixelSetMenu()
{
    auto* factory = menuBar()->findChild<QMenu*>(QStringLiteral("mn_fac"));
    if (!factory)
        return;
    QAction* item = factory->addAction(QStringLiteral("Pixel sets"));
    item->setObjectName(QStringLiteral("mn_pixelsets"));
    connect(item, &QAction::triggered, this, [this] { showPixelSetPanel(); });
}

void Frm_acquire::showPixelSetPanel() { Frame_select->show(); }

void Frm_acquire::cmd_close_frame2_Click() { Frame_select->hide(); }

void Frm_acquire::cmd_set_select_Click()
{
    const int camera = roundedBoxValue(cameraBoxes.txt_cam);
    if (camera < 0 || camera >= FrameImage::kPlanes) {
        console_->setStatus(QStringLiteral("Camera 0 to 6"));
        return;
    }
    if (!setCentre) {
        console_->setStatus(QStringLiteral("Click the centre of the set on the frame"));
        return;
    }
    const FrameGrey grey = [this, camera](int pixel, int line) { return frameImage.grey(camera, pixel, line); };
    const PixelSetBuildOutcome outcome =
        BuildPixelSetByRays(Picact->canvas(), grey, *setCentre, ctx_.folder,
                            pixelSetName(cmb_set1->currentText(), cmb_set2->currentText()));
    Picact->update();
    if (outcome == PixelSetBuildOutcome::FileError)
        console_->setStatus(QStringLiteral("Error"));
}

void Frm_acquire::cmd_reset_set_Click() { ResetPixelSets(ctx_.folder, ctx_.prompts); }

void Frm_acquire::cmd_applyset_Click()
{
    // Nothing while a flash transfer or another upload runs.
    const BusyScope busy(ctx_.globals.flashBusy);
    if (!busy.owned())
        return;
    ApplyPixelSets(ctx_.folder, ctx_.prompts, *console_, setPixelMask, [this] {
        if (!ctx_.comm) {
            // No serial module: the mask file is all that can be made.
            WriteFlashMaskFile(ctx_.folder, setPixelMask, kAppliedMask);
            console_->setStatus(QStringLiteral("Error"));
            return;
        }
        LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, *console_, ctx_.prompts};
        UploadPixelMask(link, ctx_.folder, setPixelMask, kAppliedMask);
    });
}
