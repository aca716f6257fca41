// The Temperature box of the main window against the simulated instrument on
// the fake clock: Timer3 drives the stage to the set-point and holds it there.
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "support/FakeDesktopOpener.h"
#include "support/SimulatedLink.h"
#include "ui/ShapeControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class FrmAcquireTemperature : public SimulatedLinkTest<FakeClock> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(57); // the digital stage controller
        globals.applySerialNumber(57);
        sim.updateState([](InstrumentState& s) {
            s.stage.temperature = 20;
            s.stage.ambient = 20;
        });
        connect();
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        window->temperature().hardwareGeneration = 2;
    }

    double stage() { return sim.state().stage.temperature; }

    FakeDesktopOpener opener;
    std::unique_ptr<Frm_acquire> window;
};

TEST_F(FrmAcquireTemperature, TheBoxDrivesTheStageToThirtyAndHoldsIt)
{
    Frame_menu& menu = *window->frameMenu;
    menu.txttemp->setEditText(QStringLiteral("30"));
    prompts.answers = {PromptAnswer::Yes};
    menu.chk_temp->click();
    EXPECT_EQ(prompts.questions, QStringList{"pre-heat/pre-cool to 30?"});
    ASSERT_TRUE(window->Timer3->isActive());

    double lowest = 100;
    double highest = 0;
    for (int second = 1; second <= 40 * 60; ++second) {
        clock.advance(1000);
        window->Timer3_Timer();
        if (second > 30 * 60) { // the last ten minutes
            lowest = std::min(lowest, stage());
            highest = std::max(highest, stage());
        }
    }
    EXPECT_TRUE(window->Timer3->isActive());
    EXPECT_GT(lowest, 29.0);
    EXPECT_LT(highest, 31.0);
    const QString caption = menu.chk_temp->text(); // "Temp=" + the stage's reading + "°C"
    ASSERT_TRUE(caption.startsWith("Temp=") && caption.endsWith(QStringLiteral("°C"))) << caption.toStdString();
    EXPECT_NEAR(caption.mid(5, caption.size() - 7).toDouble(), 30.0, 1.0) << caption.toStdString();
    EXPECT_TRUE(window->txt_status->text().startsWith("Setting Temp = 30[")) << window->txt_status->text().toStdString();

    // Unticking switches the stage off and the lamp white.
    menu.chk_temp->click();
    EXPECT_EQ(sim.state().stage.drive, 0);
    EXPECT_EQ(menu.Shape_temp->fillColour(), QColor(255, 255, 255));
    EXPECT_FALSE(window->Timer3->isActive());
}

} // namespace
