#include "calibration/panels/frm_calibrate.h"

#include "ui/DesignedPlaces.h"
#include "ui/PictureBox.h"

#include <QLabel>

frm_calibrate::frm_calibrate(QWidget* parent) : QGroupBox(QStringLiteral("Autocalibration...."), parent)
{
    setObjectName(QStringLiteral("frm_calibrate"));
    setPointSize(this, 8.25); // the controls' size where none is named
    designedSize(this, 4815, 1215);
    pic_autocalibra = designed(new PictureBox(this, twipsToPixels(4095), twipsToPixels(375)), "pic_autocalibra",
                               360, 360, 4095, 375);
    pic_autocalibra->canvas().clear();
    lbl_autocalibra =
        designed(new QLabel(QStringLiteral("Autocalibration..."), this), "lbl_autocalibra", 360, 840, 4095, 255);
    hide(); // shown by the lighting round
}

void frm_calibrate::setCaption(const QString& text)
{
    lbl_autocalibra->setText(text);
}
