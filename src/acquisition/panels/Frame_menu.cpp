#include "acquisition/panels/Frame_menu.h"

#include "ui/ComboBoxes.h"
#include "ui/DesignedPlaces.h"
#include "ui/DoubleClickLabel.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Heights the layout rule leaves as designed (twips); everything else it sets.
constexpr double kLargeLabelHeight = 375;
constexpr double kSmallLabelHeight = 285;
constexpr double kBoxHeight = 315;

template <typename W>
W* sized(W* widget, const char* name, double height)
{
    return designed(widget, name, 0, 0, 0, height);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

Frame_menu::Frame_menu(FormatControls& controls, FormatChoiceHost& host, QWidget* parent)
    : QWidget(parent), controls_(controls), host_(host)
{
    setObjectName(QStringLiteral("Frame_menu"));
    Label_acqlapse = sized(new QLabel(QStringLiteral("Acquisition lapse:"), this), "Label_acqlapse", kLargeLabelHeight);
    setPointSize(Label_acqlapse, 11.25);
    txtlapse = new QLineEdit(QStringLiteral("30"), this);
    txtlapse->setObjectName(QStringLiteral("txtlapse"));
    Label_minutes = sized(new QLabel(QStringLiteral("min"), this), "Label_minutes", kSmallLabelHeight);
    Label_microformat = sized(new QLabel(QStringLiteral("MicroPlate Format:"), this), "Label_microformat",
                              kLargeLabelHeight);
    setPointSize(Label_microformat, 11.25);
    cmb_well = makeEditableBox("cmb_well", this);
    cmb_well->resize(cmb_well->width(), twipsToPixels(kBoxHeight));
    Line1 = makeLine("Line1", this);

    chk_temp = sized(new QCheckBox(QStringLiteral("Temperature"), this), "chk_temp", kLargeLabelHeight);
    setPointSize(chk_temp, 11.25);
    txttemp = makeEditableBox("txttemp", this);
    txttemp->resize(txttemp->width(), twipsToPixels(kBoxHeight));
    Shape_temp = new ShapeControl("Shape_temp", this);
    Label_grad = sized(new QLabel(QStringLiteral("°C"), this), "Label_grad", kSmallLabelHeight);

    Shape8 = new ShapeControl("Shape8", this);
    label_blank = new QLabel(QStringLiteral("Using blank [w6]:"), this);
    label_blank->setObjectName(QStringLiteral("label_blank"));
    setPointSize(label_blank, 9);
    lbl_blanktime = new DoubleClickLabel("lbl_blanktime", QStringLiteral("2019.02.15 18:54h"), this);
    lbl_blanktime->setToolTip(QStringLiteral("DoubleClick to change"));
    lbl_blankname = new QLabel(QStringLiteral("none"), this);
    lbl_blankname->setObjectName(QStringLiteral("lbl_blankname"));
    lbl_blankname->setToolTip(QStringLiteral("DoubleClick to change"));
    QFont italic = lbl_blankname->font();
    italic.setItalic(true);
    lbl_blankname->setFont(italic);
    cmd_blank = button("cmd_blank", QStringLiteral("Read Blank"), this);
    setPointSize(cmd_blank, 9);

    cmdPlay = button("cmdPlay", QStringLiteral("Start"), this);
    setPointSize(cmdPlay, 12, true);
    cmdreport = button("cmdreport", QStringLiteral("Report"), this);
    setPointSize(cmdreport, 11.25, true);

    connect(cmb_well, &QComboBox::activated, this, [this] { cmb_well_Click(); });
    connect(cmdPlay, &QPushButton::clicked, this, &Frame_menu::cmdPlayClicked);
    connect(cmdreport, &QPushButton::clicked, this, &Frame_menu::cmdreportClicked);
    connect(cmd_blank, &QPushButton::clicked, this, &Frame_menu::cmdBlankClicked);
    connect(lbl_blanktime, &DoubleClickLabel::doubleClicked, this, &Frame_menu::blankTimeDoubleClicked);
    connect(chk_temp, &QCheckBox::clicked, this, &Frame_menu::chkTempClicked);
    connect(txttemp, &QComboBox::activated, this, &Frame_menu::txttempClicked);
}

void Frame_menu::setLightPanel(QWidget* panel)
{
    Frame_light = panel;
    panel->setParent(this);
    panel->setObjectName(QStringLiteral("Frame_light"));
    panel->hide(); // "Enable Blue Lighting" shows it
}

void Frame_menu::showRunPhase(RunPhase::Phase phase)
{
    using P = RunPhase::Phase;
    switch (phase) {
    case P::Idle:
        cmdPlay->setText(QStringLiteral("Play"));
        break;
    case P::Running:
        cmdPlay->setText(QStringLiteral("STOP"));
        break;
    case P::Calibrating:
        cmdPlay->setText(QStringLiteral("STOP Setup"));
        break;
    case P::Done:
        cmdPlay->setText(QStringLiteral("New"));
        break;
    case P::Confirming:
        break; // the button keeps its caption, disabled while the panel is open
    }
    cmdPlay->setEnabled(phase != P::Confirming);
    // The run's time and format are the ones confirmed, whatever the boxes say later.
    txtlapse->setReadOnly(phase == P::Running);
    cmb_well->setEnabled(phase == P::Idle || phase == P::Done || phase == P::Calibrating);
}

void Frame_menu::cmb_well_Click()
{
    controls_.cmb_well_index = cmb_well->currentIndex();
    controls_.cmb_well = cmb_well->currentText();
    FormatChoiceContext context = host_.formatChoiceContext();
    choosePlateFormat(context, controls_);
    host_.showFormatControls();
}

void Frame_menu::showFormatControls()
{
    showInBox(cmb_well, controls_.cmb_well_items, controls_.cmb_well_index, controls_.cmb_well);
    // The text selection at its start, so a narrow box shows the format's beginning.
    if (QLineEdit* edit = cmb_well->lineEdit())
        edit->setCursorPosition(0);
    label_blank->setText(controls_.label_blank);
    lbl_blanktime->setText(controls_.lbl_blanktime);
    lbl_blankname->setText(controls_.lbl_blankname);
}
