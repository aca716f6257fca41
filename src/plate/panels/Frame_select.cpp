#include "plate/panels/Frame_select.h"

#include "core/BusyScope.h"
#include "core/Console.h"
#include "ui/PictureBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

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

Frame_select::Frame_select(FrameSelectContext context, QWidget* parent)
    : QGroupBox(QStringLiteral("Select"), parent), ctx_(std::move(context))
{
    setObjectName(QStringLiteral("Frame_select"));
    selection.selectionMode = kCircleSelection;
    QStringList rows;
    for (char row = 'A'; row <= 'H'; ++row)
        rows << QString(QLatin1Char(row));
    QStringList columns;
    for (int column = 1; column <= 12; ++column)
        columns << QString::number(column);
    cmb_set1 = setList("cmb_set1", rows, this);
    cmb_set2 = setList("cmb_set2", columns, this);
    cmd_set_select = panelButton("cmd_set_select", QStringLiteral("set"), this);
    cmd_close_frame2 = panelButton("cmd_close_frame2", QStringLiteral("X"), this);
    cmd_applyset = panelButton("cmd_applyset", QStringLiteral("Apply to all"), this);
    cmd_reset_set = panelButton("cmd_reset_set", QStringLiteral("Reset all"), this);
    lbl_setcentre = new QLabel(this);
    lbl_setcentre->setObjectName(QStringLiteral("lbl_setcentre"));

    auto* grid = new QGridLayout(this);
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
    if (ctx_.picture) {
        const QPointer<Frame_select> panel(this);
        new SetCentreClicks(
            ctx_.picture, [panel] { return panel && !panel->isHidden(); },
            [this](QPointF p) { takeCentre(p); });
    }
    hide();
}

void Frame_select::takeCentre(QPointF logical)
{
    if (ctx_.showsFrame && !ctx_.showsFrame())
        return; // the plate layout has no frame pixels
    selection.centre = framePointAt(logical);
    lbl_setcentre->setText(centreText(*selection.centre));
}

void Frame_select::cmd_close_frame2_Click() { hide(); }

void Frame_select::cmd_set_select_Click()
{
    if (!ctx_.picture)
        return;
    const SelectedSetBuild build = buildSelectedSet(selection, ctx_.picture->canvas(), ctx_.frameImage, ctx_.txt_cam,
                                                    ctx_.folder, cmb_set1->currentText(), cmb_set2->currentText());
    switch (build) {
    case SelectedSetBuild::NoCamera:
        ctx_.console.setStatus(QStringLiteral("Camera 0 to 6"));
        return;
    case SelectedSetBuild::NoCentre:
        ctx_.console.setStatus(QStringLiteral("Click the centre of the set on the frame"));
        return;
    default:
        break;
    }
    ctx_.picture->update();
    if (build == SelectedSetBuild::FileError)
        ctx_.console.setStatus(QStringLiteral("Error"));
}

void Frame_select::cmd_reset_set_Click() { ResetPixelSets(ctx_.folder, ctx_.prompts); }

void Frame_select::cmd_applyset_Click()
{
    // Nothing while a flash transfer or another upload runs.
    const BusyScope busy(ctx_.transferBusy);
    if (!busy.owned())
        return;
    applySelectedSets(ctx_.folder, ctx_.prompts, ctx_.console, selection,
                      [this] { ctx_.sendMask0(selection.setPixelMask); });
}
