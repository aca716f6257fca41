#include "calibration/panels/Frame_calibration.h"

#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit* countBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setMaximumWidth(40);
    return box;
}

} // namespace

Frame_calibration::Frame_calibration(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame_calibration"));
    Label37 = new QLabel(QStringLiteral("Plate:"), this);
    cmb_formatplate = makeEditableBox("cmb_formatplate", this);
    txt_ncol = countBox("txt_ncol", this);
    Label31 = new QLabel(QStringLiteral("X "), this);
    txt_nrow = countBox("txt_nrow", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label37, 0, 0);
    grid->addWidget(cmb_formatplate, 0, 1, 1, 2);
    grid->addWidget(txt_ncol, 1, 0);
    grid->addWidget(Label31, 1, 1);
    grid->addWidget(txt_nrow, 1, 2);
    grid->setRowStretch(2, 1);
    hide(); // shown by "Calibrate position"
}

void Frame_calibration::showPlateSize(int rows, int columns)
{
    txt_ncol->setText(QString::number(columns));
    txt_nrow->setText(QString::number(rows));
    txt_ncol->repaint();
    txt_nrow->repaint();
}

void Frame_calibration::showFormatBox(const QStringList& items, const QString& text)
{
    showInBox(cmb_formatplate, items, static_cast<int>(items.indexOf(text)), text);
}
