#include "acquisition/panels/frm_confirmacq.h"

#include "acquisition/run/RunStart.h"
#include "ui/DesignedPlaces.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double kPanelWidth = 7695;
constexpr double kPanelHeight = 2415;

} // namespace

frm_confirmacq::frm_confirmacq(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frm_confirmacq"));
    designedSize(this, kPanelWidth, kPanelHeight);
    // An opaque panel: it lies over the plate picture while it is shown.
    setAutoFillBackground(true);

    Shape1 = designed(new ShapeControl("Shape1", this, 2), "Shape1", 0, 0, kPanelWidth, kPanelHeight);
    Shape7 = designed(new ShapeControl("Shape7", this), "Shape7", 120, 120, 7455, 1500);
    txt_pjname = designed(new QLineEdit(QStringLiteral("Default_project"), this), "txt_pjname", 240, 240, 7215, 435);
    setPointSize(txt_pjname, 9.75);
    Line7 = designed(makeLine("Line7", this), "Line7", 240, 795, 7215, 15);
    Label20 = designed(new QLabel(QStringLiteral("Acquisition:"), this), "Label20", 240, 960, 1455, 375);
    txt_acqname = designed(new QLineEdit(QStringLiteral("<Write Acquisition Name>"), this), "txt_acqname", 1800, 930,
                           5655, 435);
    setPointSize(txt_acqname, 9.75);
    chk_internalref = designed(new QCheckBox(QStringLiteral("Use as Internal Reference"), this), "chk_internalref",
                               1800, 1380, 3600, 285);
    chk_internalref->hide(); // shown when the format asks for a reference run
    Line8 = designed(makeLine("Line8", this), "Line8", 120, 1680, 7455, 15);
    cmd_cancelacq = designed(new QPushButton(QStringLiteral("Cancel"), this), "cmd_cancelacq", 480, 1800, 2535, 495);
    cmd_playacq = designed(new QPushButton(QStringLiteral("PLAY"), this), "cmd_playacq", 3840, 1800, 3375, 495);
    setPointSize(cmd_playacq, 9.75, true);
    hide(); // "Start" shows it

    connect(cmd_playacq, &QPushButton::clicked, this, &frm_confirmacq::playClicked);
    connect(cmd_cancelacq, &QPushButton::clicked, this, &frm_confirmacq::cancelClicked);
    connect(chk_internalref, &QCheckBox::clicked, this, &frm_confirmacq::internalReferenceClicked);
    txt_acqname->installEventFilter(this);
}

void frm_confirmacq::txt_acqname_Click()
{
    if (txt_acqname->text() == kAcquisitionPlaceholder)
        txt_acqname->clear();
}

void frm_confirmacq::txt_acqname_KeyPress(int key)
{
    txt_acqname_Click();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        emit playClicked();
}

bool frm_confirmacq::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txt_acqname) {
        if (event->type() == QEvent::MouseButtonPress)
            txt_acqname_Click();
        else if (event->type() == QEvent::KeyPress)
            txt_acqname_KeyPress(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::eventFilter(watched, event); // the key itself still reaches the box
}
