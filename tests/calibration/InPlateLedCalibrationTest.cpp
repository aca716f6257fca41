#include "calibration/InPlateLedCalibration.h"
#include "calibration/LightCalibrationCommands.h"
#include "PlateOutLedSim.h"
#include "support/FixtureFiles.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <map>

namespace {

TEST(InPlateSecondRound, EachLedAgainstTheMeanOfTheChosenLevels)
{
    // Chosen 8, 4 and 7 (160, 160, 70): mean 130, 0.7 x mean 91, 0.95 x mean 123.5.
    const std::vector<LedLevels> levels = {
        {0, 20, 40, 60, 80, 100, 120, 140, 160},
        {0, 40, 80, 120, 160, 200, 240, 250, 255},
        {0, 10, 20, 30, 40, 50, 60, 70, 200},
    };
    std::vector<int> powers{8, 4, 7};
    balanceAgainstMean(levels, powers);
    EXPECT_EQ(powers, (std::vector<int>{4, 2, 8}));

    // At the mean exactly: lowered. Just above 0.95 x mean: kept.
    const std::vector<LedLevels> pair = {{0, 50, 100, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 100}};
    std::vector<int> atMean{2, 8};
    balanceAgainstMean(pair, atMean);
    EXPECT_EQ(atMean, (std::vector<int>{1, 7})) << "both at the mean 100, lowered while at least 70";
    const std::vector<LedLevels> near = {{0, 0, 96, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 104, 0, 0, 0, 0}};
    std::vector<int> nearMean{2, 4};
    balanceAgainstMean(near, nearMean);
    EXPECT_EQ(nearMean, (std::vector<int>{2, 3})) << "96 lies above 95: kept; 104 goes down to the first level below 70";

    // Dark LEDs: mean 0, they stay at 8; no LED: nothing to do.
    const std::vector<LedLevels> dark(3, LedLevels{});
    std::vector<int> eights{8, 8, 8};
    balanceAgainstMean(dark, eights);
    EXPECT_EQ(eights, (std::vector<int>{8, 8, 8}));
    std::vector<int> none;
    balanceAgainstMean({}, none);
    EXPECT_TRUE(none.empty());
}

// The highest L with L x step <= 178.
const std::map<int, int> kChoice{{15, 8}, {30, 5}, {89, 2}, {100, 1}, {170, 1}, {200, 0}, {5, 8}, {25, 7}, {64, 2}};

class InPlateSim : public PlateOutLedSim {
protected:
    void SetUp() override
    {
        PlateOutLedSim::SetUp();
        QByteArray power = kLedFileTitle.toLatin1() + "\r\n" + kLedPowerColumns.toLatin1() + "\r\n";
        for (int led = 0; led < kLedCount; ++led)
            power += QByteArray::number(led) + ",3\r\n";
        ASSERT_TRUE(writeBytes(ledPowerFilePath(folder.folder(), kSerial), power));
        boxes.txt_cam = "4";
        connect();
    }

    int runState = 0; // the in-plate calibration neither reads nor changes it
};

TEST_F(InPlateSim, NoKeepsTheChoiceAndStillSendsAndWritesIt)
{
    MainWindowLedSteps s = steps();
    LedCalibrationRun r{ctx, boxes, image, runState, leds, s};
    prompts.answers = {PromptAnswer::No};
    AutocalibrateAndSaveCameraLeds(r, prompts);

    EXPECT_EQ(prompts.questions, QStringList{"Apply 2nd round of adjustment?"});
    QByteArray expected = kLedFileTitle.toLatin1() + "\r\n" + kLedPowerColumns.toLatin1() + "\r\n";
    int cameraLeds = 0;
    for (int led = 0; led < kLedCount; ++led) {
        const auto rect = simulatedLedRectangle(1, led);
        const bool mine = rect && rect->camera == 4;
        cameraLeds += mine ? 1 : 0;
        expected += QByteArray::number(led) + ',' +
                    QByteArray::number(mine ? kChoice.at(kLedLightSteps[size_t(led % 9)]) : 3) + "\r\n";
    }
    ASSERT_GT(cameraLeds, 60);
    EXPECT_EQ(fileBytes(ledPowerFilePath(folder.folder(), 12)), expected);
    EXPECT_TRUE(console.statuses.contains("Autocalibration status = 12%"));
    EXPECT_TRUE(console.statuses.contains("Autocalibration status = 38%"));
    EXPECT_EQ(console.statuses.filter(QRegularExpression("^CAM\\[4\\]: Setting led power=\\d+$")).size(), cameraLeds);
    EXPECT_EQ(console.status(), "1er ajuste");
    EXPECT_EQ(boxes.txt_speed, "1");
    EXPECT_EQ(boxes.txt_exposure, "240");
    EXPECT_EQ(runState, 0);
}

TEST_F(InPlateSim, InPlateButtonPutsTheGainAndExposureBack)
{
    MainWindowLedSteps s = steps();
    LedCalibrationRun r{ctx, boxes, image, runState, leds, s};
    boxes.txt_gain = "21";
    boxes.txt_exposure = "33.7";
    prompts.answers = {PromptAnswer::Cancel};
    RunInPlateLedStep(r, prompts);
    EXPECT_EQ(sim.totalCommandCount(), 0);

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::No};
    RunInPlateLedStep(r, prompts);
    EXPECT_EQ(prompts.questions, (QStringList{"please INSERT micropate for this test using culture condition",
                                              "please INSERT micropate for this test using culture condition",
                                              "Apply 2nd round of adjustment?"}));
    EXPECT_EQ(boxes.txt_gain, "21");
    EXPECT_EQ(boxes.txt_exposure, "33");
    // The last commands set the camera up again with them: gain 21, exposure 33.
    const std::vector<SimCommand> sent = sim.receivedCommands();
    const auto last = [&](char letter) {
        for (auto it = sent.rbegin(); it != sent.rend(); ++it)
            if (it->letter == quint8(letter))
                return it->a * 256 + it->b;
        return -1;
    };
    EXPECT_EQ(last('G'), 21);
    EXPECT_EQ(last('E'), 33);
}

TEST(RemovedPlateLedStep, RunStateIsMinusOneOnlyWhileItRuns)
{
    ScriptedPrompts prompts;
    int pageRunState = 0;
    int seen = 1;
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    RunRemovedPlateLedStep(prompts, pageRunState, [&] { seen = pageRunState; });
    EXPECT_EQ(seen, 1) << "Cancel runs nothing";
    EXPECT_EQ(pageRunState, 0);
    RunRemovedPlateLedStep(prompts, pageRunState, [&] { seen = pageRunState; });
    EXPECT_EQ(seen, -1);
    EXPECT_EQ(pageRunState, 0);
    EXPECT_EQ(prompts.questions, (QStringList{"please Remove micropate for this test",
                                              "please Remove micropate for this test"}));
}

} // namespace
