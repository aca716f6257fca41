#include "calibration/LedPositionMapping.h"
#include "calibration/LightCalibrationCommands.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/LedFiles.h"
#include "support/MainWindowFrames.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLedRectangles.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(LedBand, EdgesOfDifferenceProfiles)
{
    struct Case {
        std::vector<double> profile;
        double factor;
        LedBand band;
    };
    const Case cases[] = {
        {{0, 0, 5, 9, 9, 1, 0}, 1.6, {3, 5}},
        {{9, 9, 0, 0}, 1.3, {0, 2}},          // a band rising at 0 ends where it falls
        {{9, 0, 0, 9, 0}, 1.3, {0, 4}},       // a band from 0 and a second one: the second's end
        {{9, 9, 0, 0, 9}, 1.3, {0, 4}},       // from 0 and lit again at the last index: runs to n
        {{0, 9, 0, 0, 9, 0, 0}, 1.3, {1, 5}}, // a second band takes the end
        {{2, 2, 2, 2}, 1.3, {-1, -1}},        // nothing above the threshold
        {{0, 0, 4, 9}, 1.3, {3, 3}},          // still lit at the last index
        {{7}, 1.3, {-1, -1}},                 // n = 0
        {{}, 1.3, {-1, -1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findLedBand(c.profile, c.factor), c.band) << ::testing::PrintToString(c.profile);
}

TEST(LedBand, ProfilesStayInsideTheFrameImage)
{
    FrameImage image;
    image.set(2, 1, 0, 100);
    image.set(2, 1, 9, 50);
    const std::vector<double> x = lineProfile(image, 2, 2, 10);
    ASSERT_EQ(x.size(), 3u);
    EXPECT_DOUBLE_EQ(x[1], 15.0);
    EXPECT_DOUBLE_EQ(x[0], 0.0);
    const std::vector<double> y = pixelProfile(image, 2, 2, 10);
    ASSERT_EQ(y.size(), 11u);
    EXPECT_DOUBLE_EQ(y[0], 50.0);
    EXPECT_DOUBLE_EQ(y[9], 25.0);
    EXPECT_EQ(lineProfile(image, 2, 5000, 5000).size(), 193u) << "cut at the frame image";
    EXPECT_EQ(lineProfile(image, 2, 4, 0), std::vector<double>(5, 0.0)) << "no pixels: no division";
}

// Mapping camera 1 of an empty instrument (no plate) on virtual time.
class LedMappingSim : public SimulatedLinkTest<FakeClock, RecordingConsole>,
                      public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        serial = GetParam() == 1 ? 12 : 57;
        sim.setSerialNumber(serial);
        globals.applySerialNumber(serial);
        sim.updateState([](InstrumentState& s) { s.frames.plate.wells.clear(); });
        ASSERT_TRUE(WriteDefaultLedSetup1(folder.folder(), QStringLiteral("config")));
        ASSERT_TRUE(WriteDefaultLedSetup2(folder.folder(), QStringLiteral("config")));
        // What the unit folder held before: every rectangle 5,6,7,8.
        QByteArray xy = kLedFileTitle.toLatin1() + "\r\n" + kLedXyColumns.toLatin1() + "\r\n";
        for (int led = 0; led < kLedCount; ++led)
            xy += QByteArray::number(led) + ",5,6,7,8\r\n";
        ASSERT_TRUE(writeBytes(ledXyFilePath(folder.folder(), serial), xy));
        before = xy;
        boxes.txt_cam = "1";
        connect();
    }

    LedMappingEnd map()
    {
        MainWindowLedSteps steps(ctx, folder.folder(), mainWindowFrames(boxes, image, frameView, abortRequested));
        LedCalibrationRun m{ctx, boxes, image, runState, leds, steps};
        return MapLedPositions(m);
    }


    int serial = 0;
    CameraBoxes boxes = CameraBoxes::mainWindow();
    FrameImage image;
    NoFrameView frameView;
    bool abortRequested = false;
    LedTable leds;
    int runState = -1;
    QByteArray before;
};

TEST_P(LedMappingSim, EachLedRectangleOfTheCameraFoundWithinTwoPixels)
{
    ASSERT_EQ(map(), LedMappingEnd::Written);
    EXPECT_EQ(console.status(), "CAM[1]: OK");

    LedTable written;
    ASSERT_TRUE(LoadLedSetup(written, folder.folder(), globals).xyFound);
    int mapped = 0;
    int unlit = 0;
    for (int led = 0; led < kLedCount; ++led) {
        const auto i = size_t(led);
        if (written.ledCamera[i] != 1) {
            EXPECT_EQ((std::array{written.ledX1[i], written.ledX2[i], written.ledY1[i], written.ledY2[i]}),
                      (std::array{5, 6, 7, 8}))
                << "LED " << led << " of another camera is written as read";
            continue;
        }
        const std::optional<SimulatedLedRectangle> truth = simulatedLedRectangle(GetParam(), led);
        SCOPED_TRACE("LED " + std::to_string(led));
        if (!truth) {
            ++unlit; // in the layout file but not among the instrument's LEDs
            continue;
        }
        EXPECT_NEAR(written.ledX1[i], truth->x1, 2);
        EXPECT_NEAR(written.ledX2[i], truth->x2, 2);
        // A band already lit at pixel 0 starts there and still ends where it falls.
        EXPECT_NEAR(written.ledY1[i], std::max(truth->y1, 0), 2);
        EXPECT_NEAR(written.ledY2[i], truth->y2, 2);
        if (truth->y1 <= 0) {
            EXPECT_LT(written.ledY2[i], 183) << "the top band falls inside the window";
        }
        ++mapped;
    }
    EXPECT_GT(mapped, 60);
    EXPECT_LE(unlit, 2);
}

TEST_P(LedMappingSim, AStopDuringTheRowFramesKeepsTheFile)
{
    clock.onTick = [&] {
        if (console.status().endsWith("..row[3]"))
            runState = 0;
    };
    EXPECT_EQ(map(), LedMappingEnd::Stopped);
    EXPECT_EQ(fileBytes(ledXyFilePath(folder.folder(), serial)), before);
    EXPECT_TRUE(console.status().endsWith("..row[3]")) << console.status().toStdString();
}

// "Background light" of the main window over cameras 0 to 5, stopped during camera 2.
TEST_P(LedMappingSim, BackgroundLightStoppedDuringCameraTwoKeepsTheLaterCameras)
{
    int colourScaleMax = 0;
    QStringList shown;
    BackgroundLightWindow window{runState, colourScaleMax, [&] { shown << "STOP Setup"; }, [&] { shown << "Play"; }};
    runState = 0;
    clock.onTick = [&] {
        if (console.status().startsWith("CAM[2]: Setting led power=") && console.status().endsWith("col[4]"))
            runState = 0; // the Start button's stop
    };
    prompts.answers = {PromptAnswer::Ok};
    RunBackgroundLight(ctx, boxes, window, [&] { map(); });

    EXPECT_EQ(prompts.questions, QStringList{"Remove Microplate and press OK"});
    EXPECT_EQ(prompts.messages, QStringList{"Calibration Finished"});
    EXPECT_EQ(shown, (QStringList{"STOP Setup", "Play"}));
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(colourScaleMax, 6000);
    for (const char* t : {"Testing Camera #3", "Testing Camera #4", "Testing Camera #5"})
        EXPECT_TRUE(console.statuses.contains(t)) << t;

    LedTable written;
    ASSERT_TRUE(LoadLedSetup(written, folder.folder(), globals).xyFound);
    for (int led = 0; led < kLedCount; ++led) {
        const auto i = size_t(led);
        const auto truth = simulatedLedRectangle(GetParam(), led);
        if (!truth || truth->camera > 1 || truth->x1 <= 0 || truth->y1 <= 0) {
            if (written.ledCamera[i] >= 2) {
                EXPECT_EQ(written.ledX1[i], 5) << "LED " << led << " of a camera after the stop";
            }
            continue;
        }
        EXPECT_NEAR(written.ledX1[i], truth->x1, 2) << "LED " << led;
        EXPECT_NEAR(written.ledY2[i], truth->y2, 2) << "LED " << led;
    }
}

TEST_P(LedMappingSim, BackgroundLightCancelledOrOfflineMapsNothing)
{
    int colourScaleMax = 0;
    BackgroundLightWindow window{runState, colourScaleMax, {}, {}};
    prompts.answers = {PromptAnswer::Cancel};
    RunBackgroundLight(ctx, boxes, window, [&] { map(); });
    EXPECT_EQ(sim.totalCommandCount(), 0);
    EXPECT_EQ(prompts.messages, QStringList{"Calibration Finished"});
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(fileBytes(ledXyFilePath(folder.folder(), serial)), before);

    prompts.messages.clear();
    globals.portOpen = false;
    runState = 5;
    RunBackgroundLight(ctx, boxes, window, [&] { map(); });
    EXPECT_EQ(prompts.messages, QStringList{"Operation not possible in OFFLINE Mode"});
    EXPECT_EQ(runState, 5);
}

INSTANTIATE_TEST_SUITE_P(Generations, LedMappingSim, ::testing::Values(1, 2));

} // namespace
