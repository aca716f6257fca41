// "Background light" from the main window against an empty simulated instrument:
// every camera's LEDs mapped into the unit's ledxy.dat, "STOP Setup" meanwhile,
// and the Start button stopping it.
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "calibration/panels/Frame_calibration.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/LedFiles.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/SimulatedLedRectangles.h"
#include "support/SimulatedLink.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class FrmAcquireBackgroundLight : public SimulatedLinkTest<FakeClock> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.applySerialNumber(12);
        sim.updateState([](InstrumentState& s) { s.frames.plate.wells.clear(); });
        ASSERT_TRUE(WriteDefaultLedSetup1(folder.folder(), QStringLiteral("config")));
        ASSERT_TRUE(WriteDefaultLedSetup2(folder.folder(), QStringLiteral("config")));
        QByteArray xy = kLedFileTitle.toLatin1() + "\r\n" + kLedXyColumns.toLatin1() + "\r\n";
        for (int led = 0; led < kLedCount; ++led)
            xy += QByteArray::number(led) + ",5,6,7,8\r\n";
        ASSERT_TRUE(writeBytes(ledXyFilePath(folder.folder(), 12), xy));
        before = xy;
        connect();
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        fillFormatLists(window->formatControls, QStringLiteral("w6"));
        window->formatControls.cmb_well = QStringLiteral("w6");
        window->formatControls.cmb_formatplate = QStringLiteral("w6");
        window->showFormatControls();
    }

    QAction* item() { return window->findChild<QAction*>("mncalibralightback"); }

    FakeDesktopOpener opener;
    std::unique_ptr<Frm_acquire> window;
    QByteArray before;
};

TEST_F(FrmAcquireBackgroundLight, MapsEveryCameraWithStopSetupOnTheButton)
{
    prompts.answers = {PromptAnswer::Ok};
    QString captionDuring;
    clock.onTick = [&] {
        if (captionDuring.isEmpty())
            captionDuring = window->frameMenu->cmdPlay->text();
    };
    ASSERT_NE(item(), nullptr);
    item()->trigger();
    clock.onTick = nullptr;
    EXPECT_EQ(prompts.questions, QStringList{"Remove Microplate and press OK"});
    EXPECT_EQ(prompts.messages, QStringList{"Calibration Finished"});
    EXPECT_EQ(captionDuring, "STOP Setup");
    EXPECT_EQ(window->frameMenu->cmdPlay->text(), "Play");
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_EQ(window->colourScaleMax, 6000);
    EXPECT_EQ(window->state.plateFormat, "w6");

    LedTable written;
    ASSERT_TRUE(LoadLedSetup(written, folder.folder(), globals).xyFound);
    int near = 0;
    for (int led = 0; led < kLedCount; ++led) {
        const std::optional<SimulatedLedRectangle> truth = simulatedLedRectangle(1, led);
        if (truth && std::abs(written.ledX1[size_t(led)] - truth->x1) <= 2 &&
            std::abs(written.ledX2[size_t(led)] - truth->x2) <= 2)
            ++near;
    }
    EXPECT_GT(near, 300); // every camera's LEDs, not one camera's
}

TEST_F(FrmAcquireBackgroundLight, TheStartButtonStopsItAndTheFileStays)
{
    prompts.answers = {PromptAnswer::Ok};
    int ticks = 0;
    clock.onTick = [&] {
        if (++ticks == 50 && window->state.runState == -1)
            window->frameMenu->cmdPlay->click(); // "STOP Setup"
    };
    item()->trigger();
    clock.onTick = nullptr;
    EXPECT_EQ(window->state.runState, 0);
    EXPECT_TRUE(window->state.abortRequested);
    EXPECT_EQ(window->frameMenu->cmdPlay->text(), "Play");
    EXPECT_EQ(prompts.messages, QStringList{"Calibration Finished"});
    EXPECT_EQ(fileBytes(ledXyFilePath(folder.folder(), 12)), before);
}

TEST_F(FrmAcquireBackgroundLight, OfflineItIsRefused)
{
    globals.portOpen = false;
    item()->trigger();
    EXPECT_EQ(prompts.messages, QStringList{"Operation not possible in OFFLINE Mode"});
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_EQ(window->state.runState, 0);
}

} // namespace
