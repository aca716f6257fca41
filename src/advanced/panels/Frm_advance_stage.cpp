#include "advanced/panels/Frm_advance.h"

#include "advanced/panels/PageWidgets.h"
#include "link/protocol/LinkContext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using pagewidgets::button;

// The page's temperature stage and fan controls.

void Frm_advance::buildStageControls(QWidget* panel, const ControlLine& line)
{
    cmd_measuretemp = button(panel, "cmd_measuretemp", QStringLiteral("Measure T1"));
    Cmd_coolheat = button(panel, "Cmd_coolheat", QStringLiteral("COOL/HEAT"));
    line({cmd_measuretemp, Cmd_coolheat});
    Cmd_peltier = button(panel, "Cmd_peltier", QStringLiteral("PELTIER ON/OFF"));
    txt_peltierpwm = boundBox(panel, "txt_peltierpwm", stageBoxes.txt_peltierpwm);
    line({Cmd_peltier, txt_peltierpwm});
    Cmd_fan = button(panel, "Cmd_fan", QStringLiteral("FAN ON/OFF"));
    txt_fanpwm = boundBox(panel, "txt_fanpwm", stageBoxes.txt_fanpwm);
    line({Cmd_fan, txt_fanpwm});

    Timer_peltier = new QTimer(this);
    Timer_peltier->setObjectName(QStringLiteral("Timer_peltier"));
    Timer_peltier->setInterval(advanced::kPeltierTimerMs);
    connect(Timer_peltier, &QTimer::timeout, this, [this] { Timer_peltier_Timer(); });

    connect(cmd_measuretemp, &QPushButton::clicked, this, [this] { cmd_measuretemp_Click(); });
    connect(Cmd_coolheat, &QPushButton::clicked, this, [this] { Cmd_coolheat_Click(); });
    connect(Cmd_peltier, &QPushButton::clicked, this, [this] { Cmd_peltier_Click(); });
    connect(Cmd_fan, &QPushButton::clicked, this, [this] { Cmd_fan_Click(); });
}

void Frm_advance::showStage()
{
    pagewidgets::paintButton(Cmd_peltier, stage.peltierColour);
    pagewidgets::paintButton(Cmd_fan, stage.fanColour);
    pagewidgets::paintButton(Cmd_coolheat, stage.coolHeatColour);
    // The timer runs exactly while the drive is on, and never on a closing page.
    const bool wanted = stage.peltierOn && !stopRequested_;
    if (wanted && !Timer_peltier->isActive())
        Timer_peltier->start();
    else if (!wanted)
        Timer_peltier->stop();
    showBoxes();
}

void Frm_advance::Cmd_coolheat_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_coolheat_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::toggleCoolHeat(*l, stage, stageBoxes);
    showStage();
}

void Frm_advance::Cmd_peltier_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_peltier_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::togglePeltier(*l, stage, stageBoxes);
    showStage();
}

void Frm_advance::Cmd_fan_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_fan_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::toggleFan(*l, stage, stageBoxes);
    showStage();
}

void Frm_advance::cmd_measuretemp_Click()
{
    if (waitsForGap(&Frm_advance::cmd_measuretemp_Click))
        return;
    if (std::optional<LinkContext> l = link())
        advanced::measureStageTemperature(*l, stage);
}

void Frm_advance::Timer_peltier_Timer()
{
    // A tick while Apply, a frame or the console runs is skipped; the next one comes 3 s later.
    if (std::optional<LinkContext> l = link())
        advanced::peltierTimerTick(*l, stage, stageBoxes);
}
