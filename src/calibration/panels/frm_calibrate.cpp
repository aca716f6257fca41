#include "calibration/panels/frm_calibrate.h"

#include "ui/PictureBox.h"

#include <QHBoxLayout>
#include <QLabel>

frm_calibrate::frm_calibrate(QWidget* parent) : QGroupBox(QStringLiteral("Autocalibration...."), parent)
{
    setObjectName(QStringLiteral("frm_calibrate"));
    pic_autocalibra = new PictureBox(this, 32, 32);
    pic_autocalibra->setObjectName(QStringLiteral("pic_autocalibra"));
    pic_autocalibra->canvas().clear();
    lbl_autocalibra = new QLabel(QStringLiteral("Autocalibration..."), this);
    lbl_autocalibra->setObjectName(QStringLiteral("lbl_autocalibra"));
    lbl_autocalibra->setMinimumWidth(160);

    auto* row = new QHBoxLayout(this);
    row->addWidget(pic_autocalibra);
    row->addWidget(lbl_autocalibra, 1);
    hide(); // shown by the lighting round
}

void frm_calibrate::setCaption(const QString& text)
{
    lbl_autocalibra->setText(text);
}
