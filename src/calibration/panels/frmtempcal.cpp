#include "calibration/panels/frmtempcal.h"

#include "calibration/TemperatureCalibration.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Designed places in twips, 15 to a pixel.
constexpr int px(int twips) { return twips / 15; }

template <typename W>
W* placed(W* w, const char* name, int left, int top, int width, int height)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(px(left), px(top), px(width), px(height));
    return w;
}

QFont pointSize(const QWidget* w, double points, bool bold = false)
{
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

frmtempcal::frmtempcal(QWidget* parent) : QGroupBox(QStringLiteral("Temperature Calibration"), parent)
{
    setObjectName(QStringLiteral("frmtempcal"));
    setFixedSize(px(4935), px(4695));

    lblTemperature = placed(new QLabel(QStringLiteral("Current  Temp(°C):"), this), "lblTemperature", 240, 480, 2295, 375);
    lblTemperature->setFont(pointSize(lblTemperature, 9.75));
    txt_current = placed(new QLineEdit(QStringLiteral("22.5"), this), "txt_current", 2640, 420, 1335, 435);
    txt_current->setFont(pointSize(txt_current, 9.75, true));
    txt_current->setReadOnly(true);

    Frame3 = placed(new QGroupBox(this), "Frame3", 120, 960, 4575, 2175);
    Label6 = placed(new QLabel(QStringLiteral("Calibration T°"), Frame3), "Label6", 240, 240, 2295, 375);
    txt_temp1 = placed(new QLineEdit(QStringLiteral("22"), Frame3), "txt_temp1", 240, 720, 1335, 495);
    txt_temp1->setFont(pointSize(txt_temp1, 11.25));
    cmd_sett1 = placed(new QPushButton(QStringLiteral("SET Temp1"), Frame3), "cmd_sett1", 2040, 720, 2055, 495);
    txt_temp2 = placed(new QLineEdit(QStringLiteral("35"), Frame3), "txt_temp2", 240, 1440, 1335, 495);
    txt_temp2->setFont(pointSize(txt_temp2, 11.25));
    cmd_set2 = placed(new QPushButton(QStringLiteral("SET Temp2"), Frame3), "cmd_set2", 2040, 1440, 2055, 495);

    Label10 = placed(new QLabel(QStringLiteral("Digital_read:"), this), "Label10", 240, 3360, 1575, 375);
    Txt_sensortemp = placed(new QLineEdit(QStringLiteral("22.5"), this), "Txt_sensortemp", 2040, 3360, 1335, 375);
    Label10->hide();
    Txt_sensortemp->hide();

    cmd_closetmpcal = placed(new QPushButton(QStringLiteral("Save"), this), "cmd_closetmpcal", 240, 3960, 2055, 615);
    cmd_canceltemp = placed(new QPushButton(QStringLiteral("Cancel"), this), "cmd_canceltemp", 2640, 3960, 2055, 615);
    hide(); // the temperature calibration menu shows it
}

void frmtempcal::readInto(TemperatureCalibrationView& view) const
{
    view.temp1Text = txt_temp1->text();
    view.temp2Text = txt_temp2->text();
}

void frmtempcal::showView(const TemperatureCalibrationView& view)
{
    txt_temp1->setText(view.temp1Text);
    txt_temp2->setText(view.temp2Text);
    txt_temp1->setEnabled(view.temp1Enabled);
    cmd_sett1->setEnabled(view.temp1Enabled);
    txt_temp2->setEnabled(view.temp2Enabled);
    cmd_set2->setEnabled(view.temp2Enabled);
    cmd_closetmpcal->setEnabled(view.saveEnabled);
    setVisible(view.visible);
}

void frmtempcal::showReadings(const QString& sensorText, const QString& currentText)
{
    Txt_sensortemp->setText(sensorText);
    txt_current->setText(currentText);
}
