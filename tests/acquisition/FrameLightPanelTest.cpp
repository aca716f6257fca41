// The light panel on its own: its controls, the button through a host of the
// test's, and a hand pulse against the simulated instrument.
#include "RecordingTemperatureLink.h"
#include "acquisition/panels/Frame_light.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/run/RunPhase.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "acquisition/temperature/TemperatureLink.h"
#include "link/commands/LightPulse.h"
#include "link/protocol/LinkState.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedLink.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);

QColor fillOf(const QFrame* shape) { return shape->palette().color(QPalette::Window); }

struct LightHost final : LightPanelHost {
    explicit LightHost(TemperatureLink& l) : link(l) {}
    LightButtonContext lightButtonContext() override
    {
        return LightButtonContext{portOpen, runState, elapsedSeconds, link, pulse, prompts};
    }
    void enableTimer3() override { ++timer3Enabled; }

    TemperatureLink& link;
    bool portOpen = true;
    int runState = 0;
    double elapsedSeconds = 0;
    PulseState pulse;
    ScriptedPrompts prompts;
    int timer3Enabled = 0;
};

struct Bench {
    RecordingLink link;
    LightHost host{link};
    Frame_light panel{host};
};

TEST(FrameLightPanel, ControlsByNameWithCaptionsDefaultsAndTips)
{
    Bench b;
    EXPECT_EQ(b.panel.objectName(), "Frame_light");
    EXPECT_FALSE(b.panel.isVisibleTo(nullptr)) << "hidden at rest";
    struct Row { const char* name; const char* text; const char* tip; };
    const Row rows[] = {
        {"cmd_light", "LightPulse", "manual turn on/off"},
        {"Chk_lenabled", "Enable", "Enable light cycles"},
        {"txt_pulseoff", "15", "time off (minutes)"},
        {"txt_pulseon", "15", "time on (minutes)"},
        {"txt_pulsetimes", "1", "how many cycles"},
        {"txt_power", "2", "1 to 7 power level"},
        {"Label1", "m", ""},
        {"Label2", "m", ""},
        {"Label3", "X", ""},
        {"Label5", ":", ""},
        {"Label16", "times", ""},
        {"Label4", "power", ""},
        {"Shape2", nullptr, ""},
        {"Shape4", nullptr, ""},
        {"Shape_light", nullptr, ""},
    };
    for (const Row& r : rows) {
        auto* w = b.panel.findChild<QWidget*>(QLatin1String(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->toolTip(), QLatin1String(r.tip)) << r.name;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text();
        else
            EXPECT_NE(qobject_cast<QFrame*>(w), nullptr) << r.name << " is a shape";
        if (r.text) {
            EXPECT_EQ(text, QLatin1String(r.text)) << r.name;
        }
    }
    EXPECT_FALSE(b.panel.Chk_lenabled->isChecked());
    EXPECT_EQ(fillOf(b.panel.Shape_light), kWhite) << "the light is off at rest";
}

TEST(FrameLightPanel, FitsItsCommandColumnSlotWithTheBoxesSideBySideAtTop240)
{
    Bench b;
    // 1890 x 670 twips at 15 a pixel
    EXPECT_EQ(b.panel.size(), QSize(126, 45));
    const QLineEdit* boxes[] = {b.panel.txt_pulseoff, b.panel.txt_pulseon, b.panel.txt_pulsetimes,
                                b.panel.txt_power};
    int right = -1;
    for (const QLineEdit* box : boxes) {
        EXPECT_EQ(box->y(), 16) << box->objectName().toStdString();
        EXPECT_GE(box->x(), right) << box->objectName().toStdString() << " follows the one before";
        right = box->geometry().right() + 1;
    }
    const QList<QWidget*> controls = b.panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(controls.size(), 15);
    for (const QWidget* c : controls) {
        EXPECT_TRUE(b.panel.rect().contains(c->geometry())) << c->objectName().toStdString();
        for (const QWidget* d : controls) {
            if (c != d) {
                EXPECT_FALSE(c->geometry().intersects(d->geometry()))
                    << c->objectName().toStdString() << " over " << d->objectName().toStdString();
            }
        }
    }
    const QString png = QDir::temp().filePath(QStringLiteral("Frame_light.png"));
    EXPECT_TRUE(b.panel.grab().save(png));
}

TEST(FrameLightPanel, ClosedPortOnlySaysSo)
{
    Bench b;
    b.host.portOpen = false;
    b.panel.txt_pulseon->setText("30");
    b.panel.cmd_light->click();
    EXPECT_EQ(b.host.prompts.messages, QStringList{"COMPORT not opened. Click Connect"});
    EXPECT_TRUE(b.link.sent.empty());
    EXPECT_FALSE(b.host.pulse.pulseOn);
    EXPECT_EQ(b.panel.txt_pulseon->text(), "30") << "no correction before the port test";
    EXPECT_EQ(b.host.timer3Enabled, 0);
}

TEST(FrameLightPanel, ButtonCorrectsTheBoxesThenSendsEightLessThePower)
{
    struct Case { const char* power; const char* on; const char* off; const char* powerAfter;
                  const char* onAfter; const char* offAfter; int level; int seconds; };
    const Case cases[] = {
        {"2", "15", "15", "2", "10", "15", 6, 600},
        {"7", "10", "0", "7", "10", "0", 1, 600},
        {"0", "0", "-3", "1", "1", "0", 7, 60},
        {"9", "12", "10000", "7", "10", "9999", 1, 600},
        {"-1", "2.5", "9999", "1", "2.5", "9999", 7, 150},
        {"x", "y", "z", "1", "1", "z", 7, 60},
        // the power is rounded, halves to even
        {"2.5", "15", "15", "2.5", "10", "15", 6, 600},
        {"3.5", "15", "15", "3.5", "10", "15", 4, 600},
    };
    for (const Case& c : cases) {
        Bench b;
        b.panel.txt_power->setText(c.power);
        b.panel.txt_pulseon->setText(c.on);
        b.panel.txt_pulseoff->setText(c.off);
        b.panel.cmd_light->click();
        EXPECT_EQ(b.panel.txt_power->text(), c.powerAfter) << c.power;
        EXPECT_EQ(b.panel.txt_pulseon->text(), c.onAfter) << c.on;
        EXPECT_EQ(b.panel.txt_pulseoff->text(), c.offAfter) << c.off;
        EXPECT_EQ(b.link.sent, std::vector<QString>{"light " + QString::number(c.level)}) << c.power;
        EXPECT_EQ(b.host.pulse.pulseSecondsLeft, c.seconds) << c.on;
        EXPECT_EQ(b.panel.Chk_lenabled->text(), QString::number(c.seconds));
    }
}

TEST(FrameLightPanel, OutsideARunTheButtonStartsAPulseTimedByTimer3AndEndsIt)
{
    Bench b;
    b.panel.cmd_light->click();
    EXPECT_TRUE(b.host.pulse.pulseOn);
    EXPECT_EQ(b.host.pulse.pulseEndSeconds, 600);
    EXPECT_EQ(b.host.timer3Enabled, 1);
    EXPECT_EQ(fillOf(b.panel.Shape_light), kBlue);
    EXPECT_EQ(b.panel.Chk_lenabled->text(), "600");
    EXPECT_TRUE(b.panel.grab().save(QDir::temp().filePath(QStringLiteral("Frame_light_on.png"))));

    b.panel.cmd_light->click();
    EXPECT_FALSE(b.host.pulse.pulseOn);
    EXPECT_EQ(b.link.sent, (std::vector<QString>{"light 6", "light 0"}));
    EXPECT_EQ(fillOf(b.panel.Shape_light), kWhite);
    EXPECT_EQ(b.panel.Chk_lenabled->text(), "Pulse");
    EXPECT_EQ(b.host.timer3Enabled, 1);
}

TEST(FrameLightPanel, DuringARunTheButtonOnlyMarksThePulseForTheNextEvaluation)
{
    Bench b;
    b.host.runState = 1;
    b.host.elapsedSeconds = 0; // the run has not counted a second yet: nothing happens
    b.panel.cmd_light->click();
    EXPECT_FALSE(b.host.pulse.pulseOn);

    b.host.elapsedSeconds = 120.4;
    b.panel.cmd_light->click();
    EXPECT_TRUE(b.host.pulse.pulseOn);
    EXPECT_EQ(b.host.pulse.pulseEndSeconds, 720);
    b.panel.cmd_light->click();
    EXPECT_FALSE(b.host.pulse.pulseOn);

    EXPECT_TRUE(b.link.sent.empty()) << "the run's evaluation switches the light";
    EXPECT_EQ(b.host.timer3Enabled, 0);
    EXPECT_EQ(b.panel.Chk_lenabled->text(), "Enable");
    EXPECT_EQ(fillOf(b.panel.Shape_light), kWhite);
}

TEST(FrameLightPanel, ScheduleBoxesReadAsTypedForTheRun)
{
    Bench b;
    b.panel.Chk_lenabled->setChecked(true);
    b.panel.txt_pulsetimes->setText("3");
    const LightBoxes boxes = b.panel.lightBoxes();
    EXPECT_TRUE(boxes.enabled);
    EXPECT_EQ(boxes.pulseOn, "15") << "a run's schedule is not corrected";
    EXPECT_EQ(boxes.pulseOff, "15");
    EXPECT_EQ(boxes.pulseTimes, "3");
    EXPECT_EQ(boxes.power, "2");
}

// The button and Timer3 against the instrument: its light follows the pulse.
class FrameLightSim : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        connect();
        link.onLightIndicator = [this](const LightIndicator& shown) { panel.showLightIndicator(shown); };
    }

    LinkState linkState;
    PulseState pulse;
    SendersTemperatureLink link{ctx, linkState, pulse.pulseSecondsLeft};
    RunPhase phase;
    TemperatureControl control{link, clock, phase};
    struct Host final : LightPanelHost {
        explicit Host(FrameLightSim& t) : test(t) {}
        LightButtonContext lightButtonContext() override
        {
            return LightButtonContext{test.globals.portOpen, 0, 0, test.link, test.pulse, test.prompts};
        }
        void enableTimer3() override { test.control.view.timerEnabled = true; }
        FrameLightSim& test;
    } host{*this};
    Frame_light panel{host};
};

TEST_F(FrameLightSim, HandPulseOfOneMinuteIsCountedDownAndSwitchedOffOnTime)
{
    panel.txt_pulseon->setText("1");
    panel.txt_power->setText("3");
    panel.cmd_light->click();
    ASSERT_TRUE(control.view.timerEnabled);
    EXPECT_EQ(sim.state().stage.lightLevel, 5);
    EXPECT_EQ(panel.Chk_lenabled->text(), "60");

    for (int tick = 1; tick < 60; ++tick) {
        clock.advance(1000);
        ASSERT_TRUE(control.Timer3Tick(pulse, panel.lightBoxes())) << tick;
    }
    EXPECT_EQ(sim.state().stage.lightLevel, 5);
    EXPECT_EQ(panel.Chk_lenabled->text(), "1");
    EXPECT_EQ(fillOf(panel.Shape_light), kBlue);

    clock.advance(1000);
    EXPECT_FALSE(control.Timer3Tick(pulse, panel.lightBoxes())) << "nothing left to time";
    EXPECT_EQ(sim.state().stage.lightLevel, 0);
    EXPECT_EQ(panel.Chk_lenabled->text(), "Pulse");
    EXPECT_EQ(fillOf(panel.Shape_light), kWhite);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

} // namespace
