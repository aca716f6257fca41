#pragma once

#include <QGroupBox>

class PictureBox;
class QLabel;

// "Autocalibration....": the panel that shows which step the LED power
// autocalibration is at (lbl_autocalibra). The lighting round shows and hides
// it; the autocalibration writes the caption through setCaption.
class frm_calibrate : public QGroupBox {
    Q_OBJECT
public:
    explicit frm_calibrate(QWidget* parent = nullptr);

    PictureBox* pic_autocalibra = nullptr;
    QLabel* lbl_autocalibra = nullptr;

    void setCaption(const QString& text);
};
