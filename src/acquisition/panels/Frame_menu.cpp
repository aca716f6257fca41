#include "acquisition/panels/Frame_menu.h"

#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QVBoxLayout>
#include <QLabel>

Frame_menu::Frame_menu(FormatControls& controls, FormatChoiceHost& host, QWidget* parent)
    : QWidget(parent), controls_(controls), host_(host)
{
    setObjectName(QStringLiteral("Frame_menu"));
    Label_microformat = new QLabel(QStringLiteral("MicroPlate Format:"), this);
    cmb_well = makeEditableBox("cmb_well", this);
    label_blank = new QLabel(this);
    label_blank->setObjectName(QStringLiteral("label_blank"));
    lbl_blanktime = new QLabel(this);
    lbl_blanktime->setObjectName(QStringLiteral("lbl_blanktime"));
    lbl_blanktime->setToolTip(QStringLiteral("DoubleClick to change"));
    lbl_blankname = new QLabel(this);
    lbl_blankname->setObjectName(QStringLiteral("lbl_blankname"));
    lbl_blankname->setToolTip(QStringLiteral("DoubleClick to change"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(Label_microformat);
    column->addWidget(cmb_well);
    column->addSpacing(12);
    column->addWidget(label_blank);
    column->addWidget(lbl_blanktime);
    column->addWidget(lbl_blankname);
    column->addStretch(1);

    connect(cmb_well, &QComboBox::activated, this, [this] { cmb_well_Click(); });
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
    label_blank->setText(controls_.label_blank);
    lbl_blanktime->setText(controls_.lbl_blanktime);
    lbl_blankname->setText(controls_.lbl_blankname);
}
