#include "advanced/panels/Frm_advance.h"

#include "advanced/AdvancedCameraCommands.h"
#include "advanced/AdvancedLedControls.h"
#include "advanced/AdvancedSensorControls.h"
#include "advanced/panels/Frm_advance_exchange.h"
#include "advanced/panels/PageWidgets.h"
#include "link/protocol/LinkContext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using pagewidgets::button;
using pagewidgets::named;

// The page's gain, LED and camera sensor controls.

void Frm_advance::buildLedControls(QWidget* panel, const ControlLine& line)
{
    auto smallBox = [panel](const char* name, const QString& text) {
        auto* box = named<QLineEdit>(panel, name, text);
        box->setMaximumWidth(44);
        return box;
    };
    txt_gain = boundBox(panel, "txt_gain", boxes.txt_gain);
    cmd_gain = button(panel, "cmd_gain", QStringLiteral("send"));
    line({named<QLabel>(panel, "lbl_gain", QStringLiteral("GAIN")), txt_gain, cmd_gain});
    cmd_frqled = button(panel, "cmd_frqled", QStringLiteral("FRQLed"));
    txt_frqled = smallBox("txt_frqled", QStringLiteral("0"));
    line({cmd_frqled, txt_frqled});
    cmd_led0 = button(panel, "cmd_led0", QStringLiteral("LD/PWR"));
    txt_valueled = smallBox("txt_valueled", QStringLiteral("0"));
    txt_value = smallBox("txt_value", QStringLiteral("0"));
    line({cmd_led0, txt_valueled, txt_value});
    cmd_ov7670 = button(panel, "cmd_ov7670", QStringLiteral(">ov7670"));
    txt_ov1 = smallBox("txt_ov1", QStringLiteral("0"));
    txt_ov2 = smallBox("txt_ov2", QStringLiteral("0"));
    line({named<QLabel>(panel, "lbl_ov1", QStringLiteral("#Reg")), txt_ov1,
          named<QLabel>(panel, "lbl_ov2", QStringLiteral("Data")), txt_ov2});
    cmd_reset = button(panel, "cmd_reset", QStringLiteral("RESET"));
    cmd_setcamera = button(panel, "cmd_setcamera", QStringLiteral("set"));
    line({cmd_ov7670, cmd_reset, cmd_setcamera});

    connect(cmd_gain, &QPushButton::clicked, this, [this] { cmd_gain_Click(); });
    connect(cmd_frqled, &QPushButton::clicked, this, [this] { cmd_frqled_Click(); });
    connect(cmd_led0, &QPushButton::clicked, this, [this] { cmd_led0_Click(); });
    connect(cmd_ov7670, &QPushButton::clicked, this, [this] { cmd_ov7670_Click(); });
    connect(cmd_reset, &QPushButton::clicked, this, [this] { cmd_reset_Click(); });
    connect(cmd_setcamera, &QPushButton::clicked, this, [this] { cmd_setcamera_Click(); });
}

void Frm_advance::cmd_frqled_Click()
{
    if (waitsForGap(&Frm_advance::cmd_frqled_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::sendLedFrequency(*l, txt_frqled->text());
}

void Frm_advance::cmd_gain_Click()
{
    if (waitsForGap(&Frm_advance::cmd_gain_Click))
        return;
    if (std::optional<LinkContext> l = link())
        (void)advanced::sendGainBox(*l, boxes.txt_gain); // the sender shows its own outcome
}

void Frm_advance::cmd_led0_Click()
{
    if (waitsForGap(&Frm_advance::cmd_led0_Click))
        return;
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    QString led = txt_valueled->text();
    advanced::sendNextLed(*l, led, txt_value->text());
    txt_valueled->setText(led);
}

void Frm_advance::cmd_ledpower_Click()
{
    if (waitsForGap(&Frm_advance::cmd_ledpower_Click))
        return;
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    const ExchangeScope running(*this);
    QString power = txt_led->currentText();
    advanced::applyLedPower(*l, power, stopRequested_, [this] { runQueuedClicks(); });
    txt_led->setCurrentText(power);
}

void Frm_advance::cmd_ov7670_Click()
{
    if (waitsForGap(&Frm_advance::cmd_ov7670_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::writeSensorRegister(*l, txt_ov1->text(), txt_ov2->text());
}

void Frm_advance::cmd_reset_Click()
{
    if (waitsForGap(&Frm_advance::cmd_reset_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::sendResetSequence(*l);
}

void Frm_advance::cmd_setcamera_Click()
{
    if (waitsForGap(&Frm_advance::cmd_setcamera_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::setCameraFromBoxes(*l, boxes);
    showBoxes();
}
