#include "advanced/panels/Frm_advance.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/LedFiles.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLedRectangles.h"
#include "support/SimulatedLink.h"

#include <QAction>
#include <QFile>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>

namespace {

// Light per power step by LED (index modulo 9), and the level the plate-out
// sweep gives each: the highest L with L x step <= 178.
constexpr std::array<int, 9> kSteps{15, 30, 89, 100, 170, 200, 5, 25, 64};
const std::map<int, int> kBasal{{15, 8}, {30, 5}, {89, 2}, {100, 1}, {170, 1}, {200, 0}, {5, 8}, {25, 7}, {64, 2}};

// The advanced page against a first-generation instrument with its plate out,
// the LED layout in config and the simulator's own rectangles in the unit's ledxy.dat.
class PageLedSim : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.applySerialNumber(12);
        sim.updateState([](InstrumentState& s) {
            s.frames.plate.wells.clear();
            for (int led = 0; led < kSimLedCount; ++led)
                s.ledLightPerStep[size_t(led)] = kSteps[size_t(led % 9)];
        });
        // The page reads its LED layout from config\ledsetup.dat.
        ASSERT_TRUE(WriteDefaultLedSetup1(folder.folder(), QStringLiteral("config")));
        ASSERT_TRUE(QFile::copy(folder.path("config/ldsetup1.dat"), folder.path("config/ledsetup.dat")));
        ASSERT_TRUE(writeSimulatedLedXyFile(ledXyFilePath(folder.folder(), 12), 1));
        ASSERT_TRUE(writeBytes(ledPowerFilePath(folder.folder(), 12), powerFile({})));
        connect();
        page = std::make_unique<Frm_advance>(AdvanceContext{globals, folder.folder(), clock, prompts, &comm,
                                                            [] { return QStringLiteral("w6"); }, [] {}, {}});
    }
    static QByteArray powerFile(const std::map<int, int>& changed)
    {
        QByteArray text = kLedFileTitle.toLatin1() + "\r\n" + kLedPowerColumns.toLatin1() + "\r\n";
        for (int led = 0; led < kLedCount; ++led) {
            const auto it = changed.find(led);
            text += QByteArray::number(led) + ',' + QByteArray::number(it == changed.end() ? led % 4 : it->second) +
                    "\r\n";
        }
        return text;
    }
    std::unique_ptr<Frm_advance> page;
};

TEST_F(PageLedSim, BasalButtonCalibratesTheCameraInItsBoxTheWayOfThePage)
{
    page->boxes.txt_cam = "2";
    prompts.answers = {PromptAnswer::Ok};
    int runStateSeen = 0;
    clock.onTick = [&] { runStateSeen = std::min(runStateSeen, page->ledRunState); };
    page->Cmd_ledcal->click();
    clock.onTick = nullptr;
    EXPECT_EQ(prompts.questions, QStringList{"please Remove micropate for this test"});
    EXPECT_EQ(runStateSeen, -1);
    EXPECT_EQ(page->ledRunState, 0);
    std::map<int, int> expected;
    for (int led = 0; led < kLedCount; ++led) {
        const auto rect = simulatedLedRectangle(1, led);
        if (rect && rect->camera == 2)
            expected[led] = kBasal.at(kSteps[size_t(led % 9)]);
    }
    ASSERT_GT(expected.size(), 60u);
    const QList<QByteArray> got = fileBytes(ledPowerFilePath(folder.folder(), 12)).split('\n');
    const QList<QByteArray> want = powerFile(expected).split('\n');
    ASSERT_EQ(got.size(), want.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i;
}

TEST_F(PageLedSim, CancelledStepsSendNothingAndTheLightingMenuNeedsAnInstrument)
{
    const int before = sim.totalCommandCount();
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel};
    page->Cmd_ledfactory->click();
    page->Cmd_ledinplate->click();
    EXPECT_EQ(prompts.questions, (QStringList{"please Remove micropate for this test",
                                              "please INSERT micropate for this test using culture condition"}));
    EXPECT_EQ(sim.totalCommandCount(), before);
    EXPECT_EQ(page->ledRunState, 0);
    EXPECT_EQ(fileBytes(ledPowerFilePath(folder.folder(), 12)), powerFile({}));

    // Offline without dummy mode, "Background light" refuses and changes nothing.
    globals.portOpen = false;
    globals.dummyMode = 0;
    page->mncalibralightback->trigger();
    EXPECT_EQ(prompts.messages.value(0), "Operation not possible in OFFLINE Mode");
    EXPECT_EQ(page->ledRunState, 0);
}

TEST_F(PageLedSim, DefaultButtonSetsTheDefaultWindow)
{
    page->boxes.txt_xfin = "10";
    page->cmd_default->click();
    EXPECT_EQ(page->boxes.txt_xini, "0");
    EXPECT_EQ(page->boxes.txt_xfin, "142");
    EXPECT_EQ(page->boxes.txt_yini, "1");
    EXPECT_EQ(page->boxes.txt_yfin, "183");
}

} // namespace
