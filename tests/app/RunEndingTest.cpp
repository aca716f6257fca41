// How runs end as a user meets them, through the whole program: the
// Temperature box during a run, a run that ends by itself with and without
// temperature control, and the instrument lost in the middle of a run.
#include "ProgramRunRig.h"

#include "acquisition/temperature/TemperatureControl.h"
#include "link/commands/TemperatureCommand.h"
#include "link/protocol/SendSteps.h"
#include "support/IdleCost.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

namespace {

bool isPeltierCommand(const ProgramSentCommand& c)
{
    return c.letter == 'T' && (c.a == int(TemperatureSubCommand::PeltierDrive) ||
                               c.a == int(TemperatureSubCommand::HeatPower) ||
                               c.a == int(TemperatureSubCommand::CoolPower));
}

class RunEnding : public ProgramRunRig {
protected:
    QCheckBox& tempBox() { return control<QCheckBox>(window(), "chk_temp"); }
    ShapeControl& lamp() { return control<ShapeControl>(window(), "Shape_temp"); }
    QPushButton& play() { return control<QPushButton>(window(), "cmdPlay"); }

    // The Temperature box clicked outside a run, the pre-heat question answered.
    void clickTempBox(PromptAnswer answer)
    {
        prompts.answers.push_back(answer);
        tempBox().click();
        ASSERT_EQ(prompts.questions.last(), "pre-heat/pre-cool to 20?");
    }

    // One tick of the run timer 200 ms on.
    void tickOnce()
    {
        clock.advance(200);
        window().Timer2->stop();
        window().Timer2_Timer();
    }

    // The run timer until the run ends by itself ("DONE!", the Start button "New").
    void runToItsEnd()
    {
        tickRun();
        ASSERT_FALSE(window().Timer2->isActive());
        ASSERT_EQ(status(), "DONE!");
        ASSERT_EQ(play().text(), "New");
    }
};

TEST_F(RunEnding, TheTemperatureBoxShowsEveryReadingTheRunTakes)
{
    startProgram();
    clickTempBox(PromptAnswer::Yes); // regulate toward 20 from the room's 22
    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("shown"));
    const TemperatureControl& control = window().temperature();

    QSet<QString> captions;
    for (int tick = 0; tick < 300 && window().Timer2->isActive(); ++tick) {
        tickOnce();
        // The box says what the last step read, in the step's own words and colour.
        ASSERT_EQ(tempBox().text(), control.view.caption) << tick;
        ASSERT_EQ(lamp().fillColour(), control.view.lamp) << tick;
        captions.insert(tempBox().text());
    }
    captions.remove(QStringLiteral("Temperature")); // before the run's first step
    for (const QString& caption : captions)
        EXPECT_TRUE(caption.startsWith("Temp=")) << caption.toStdString();
    // The stage cooled during a minute: the box followed it.
    EXPECT_GE(captions.size(), 5) << QStringList(captions.values()).join('|').toStdString();
    EXPECT_NE(lamp().fillColour(), kLampOff);
    EXPECT_TRUE(tempBox().isChecked());
}

TEST_F(RunEnding, AnOutOfRangeReadingDuringARunUnticksTheBoxAndSaysOutspec)
{
    startProgram();
    clickTempBox(PromptAnswer::Yes);
    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("outspec"));
    tickRun(1);
    ASSERT_TRUE(tempBox().isChecked());

    // The stage overheats: the next regulation step reads it out of range.
    sim.updateState([](InstrumentState& s) {
        s.stage.ambient = 60;
        s.stage.temperature = 60;
    });
    int tick = 0;
    while (tick < 20 && tempBox().isChecked()) {
        tickOnce();
        ++tick;
    }
    ASSERT_FALSE(tempBox().isChecked()) << "the box stayed ticked";
    EXPECT_EQ(tempBox().text(), "OUTSPEC![60°C]");
    EXPECT_FALSE(window().temperature().tempControlOn);
    EXPECT_TRUE(window().Timer2->isActive()); // the run itself goes on
    EXPECT_EQ(sim.state().stage.drive, 0);
}

TEST_F(RunEnding, ARunThatEndsByItselfLeavesNoDriveAndTemperatureControlUsable)
{
    startProgram();
    // A pre-heat before the run told its set-point in the status line.
    clickTempBox(PromptAnswer::Yes);
    clock.advance(1000);
    window().Timer3_Timer();
    ASSERT_TRUE(status().startsWith("Setting Temp = 20[")) << status().toStdString();

    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("ended"));
    tickRun(2);
    ASSERT_GT(sim.state().stage.drive, 0);
    // Control switched off during the run: the run's step only reads from here.
    tempBox().click();
    ASSERT_FALSE(tempBox().isChecked());
    runToItsEnd();

    // Nothing regulates after the end, so nothing drives the stage.
    EXPECT_EQ(sim.state().stage.drive, 0);
    EXPECT_EQ(sim.state().stage.fanLevel, 128);
    // What a stop leaves: the run boxes free, no timer, no control, the pulse boxes free.
    EXPECT_FALSE(control<QLineEdit>(window(), "txtlapse").isReadOnly());
    EXPECT_TRUE(control<QComboBox>(window(), "cmb_well").isEnabled());
    EXPECT_FALSE(control<QLineEdit>(window(), "txt_pulseon").isReadOnly());
    EXPECT_FALSE(window().Timer3->isActive());
    EXPECT_EQ(window().state.runState, 0);
    EXPECT_EQ(tempBox().text(), "Temperature");
    EXPECT_EQ(lamp().fillColour(), kLampOff);

    // Ticking asks the pre-heat question again; "No" leaves it off and "DONE!" standing.
    clickTempBox(PromptAnswer::No);
    EXPECT_FALSE(tempBox().isChecked());
    EXPECT_EQ(tempBox().text(), "Temperature");
    EXPECT_EQ(status(), "DONE!");

    // "Yes" regulates as before any run; unticking puts the caption back.
    clickTempBox(PromptAnswer::Yes);
    EXPECT_TRUE(window().Timer3->isActive());
    clock.advance(1000);
    window().Timer3_Timer();
    EXPECT_TRUE(tempBox().text().startsWith("Temp=")) << tempBox().text().toStdString();
    tempBox().click();
    EXPECT_EQ(tempBox().text(), "Temperature");
    EXPECT_FALSE(window().Timer3->isActive());
    prompts.messages.clear();
}

TEST_F(RunEnding, WithControlOnTheStageIsStillRegulatedAfterTheEnd)
{
    startProgram();
    clickTempBox(PromptAnswer::Yes);
    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("regulated"));
    runToItsEnd();

    // The box stays ticked and Timer3 takes the regulation over, the fan at full.
    EXPECT_TRUE(tempBox().isChecked());
    EXPECT_TRUE(window().temperature().tempControlOn);
    EXPECT_TRUE(window().Timer3->isActive());
    EXPECT_EQ(sim.state().stage.fanLevel, 255);

    // Each Timer3 step sends its Peltier command: the drive is never left alone.
    const size_t afterEnd = sim.receivedCommands().size();
    for (int step = 0; step < 5; ++step) {
        clock.advance(1000);
        window().Timer3_Timer();
    }
    ASSERT_TRUE(sim.waitForCommandCount(int(afterEnd) + 5, 2000));
    int peltierSteps = 0;
    for (const ProgramSentCommand& c : commandsSince(afterEnd))
        peltierSteps += isPeltierCommand(c) ? 1 : 0;
    EXPECT_GE(peltierSteps, 5);
    EXPECT_TRUE(status().startsWith("Setting Temp = 20[")) << status().toStdString();
    prompts.messages.clear();
}

TEST_F(RunEnding, APortLostDuringARunEndsItAsStopDoesAndSaysSoOnce)
{
    startProgram();
    startRun(QStringLiteral("w6"), QStringLiteral("5"), QStringLiteral("lost"));
    tickRun(1);
    ASSERT_TRUE(window().Timer2->isActive());

    sim.hangUp();
    // The run's own exchanges meet the loss; the run then ends without more ticks.
    for (int tick = 0; tick < 100 && window().Timer2->isActive(); ++tick) {
        tickOnce();
        idleFor(5);
    }
    idleFor(200);
    EXPECT_FALSE(window().Timer2->isActive());
    EXPECT_FALSE(window().Timer3->isActive());
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_TRUE(window().state.phase.is(RunPhase::Phase::Idle));
    EXPECT_EQ(play().text(), "Play");
    EXPECT_FALSE(control<QLineEdit>(window(), "txtlapse").isReadOnly());
    EXPECT_EQ(status(), kPortLostText);
    // Told once, in the status line: no box at all.
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
    // Whole files, and nothing spins afterwards.
    expectWholeRunFiles();
    const QByteArray activity = runFile("current_activity.txt");
    EXPECT_LT(idleFor(2000), 0.2);
    EXPECT_EQ(runFile("current_activity.txt"), activity);
}

} // namespace
