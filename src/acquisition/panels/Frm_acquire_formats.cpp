// The main window's plate format boxes, blank labels and group list.
#include "acquisition/panels/Frm_acquire.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

QComboBox* formatBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // a typed code is not an entry of the list
    box->setMinimumContentsLength(6);
    return box;
}

// Shows entries and a text in a box without reporting a choice.
void showInBox(QComboBox* box, const QStringList& items, int index, const QString& text)
{
    const QSignalBlocker block(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    if (box->isEditable())
        box->setEditText(text);
}

} // namespace

QWidget* Frm_acquire::buildFormatPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    cmb_well = formatBox("cmb_well", panel);
    cmb_formatplate = formatBox("cmb_formatplate", panel);
    label_blank = new QLabel(panel);
    label_blank->setObjectName(QStringLiteral("label_blank"));
    lbl_blanktime = new QLabel(panel);
    lbl_blanktime->setObjectName(QStringLiteral("lbl_blanktime"));
    lbl_blankname = new QLabel(panel);
    lbl_blankname->setObjectName(QStringLiteral("lbl_blankname"));
    combogrup = new QComboBox(panel);
    combogrup->setObjectName(QStringLiteral("combogrup"));
    combogrup->setToolTip(QStringLiteral("Dblclick to Rename"));
    combogrup->setMinimumContentsLength(12);

    row->addWidget(cmb_well);
    row->addWidget(label_blank);
    row->addWidget(lbl_blanktime);
    row->addWidget(lbl_blankname);
    row->addSpacing(16);
    row->addWidget(combogrup);
    row->addSpacing(16);
    row->addWidget(cmb_formatplate);
    row->addStretch(1);

    connect(cmb_well, &QComboBox::activated, this, [this] { cmb_well_Click(); });

    fillFormatLists(formatControls, state.plateFormat);
    showFormatControls();
    return panel;
}

void Frm_acquire::cmb_well_Click()
{
    formatControls.cmb_well_index = cmb_well->currentIndex();
    formatControls.cmb_well = cmb_well->currentText();
    formatControls.cmb_formatplate = cmb_formatplate->currentText();
    FormatChoiceContext context{ctx_.globals, ctx_.folder, ctx_.prompts, state, geometry,
                                [this](const QString& code) { DrawPlateLayout(code); },
                                [this](int well) { DrawWellGroupOverlay(well); }};
    choosePlateFormat(context, formatControls);
    showFormatControls();
}

void Frm_acquire::showFormatControls()
{
    const FormatControls& c = formatControls;
    showInBox(cmb_well, c.cmb_well_items, c.cmb_well_index, c.cmb_well);
    showInBox(cmb_formatplate, c.cmb_formatplate_items,
              static_cast<int>(c.cmb_formatplate_items.indexOf(c.cmb_formatplate)), c.cmb_formatplate);
    showInBox(combogrup, c.combogrup.entries, c.combogrup.currentIndex, QString());
    label_blank->setText(c.label_blank);
    lbl_blanktime->setText(c.lbl_blanktime);
    lbl_blankname->setText(c.lbl_blankname);
}
