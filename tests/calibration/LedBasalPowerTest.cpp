#include "calibration/LedBasalPower.h"
#include "PlateOutLedSim.h"
#include "support/FixtureFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(LedBasalPower, HighestLevelAtOrUnderTheTarget)
{
    std::array<int, 9> levels{};
    for (int l = 0; l < 9; ++l)
        levels[size_t(l)] = 20 * l;
    EXPECT_EQ(basalLedPower(levels), 8);
    levels[6] = 170;
    levels[7] = 190;
    levels[8] = 175;
    EXPECT_EQ(basalLedPower(levels), 8) << "a brighter level below does not stop a later one";
    levels[8] = 179;
    EXPECT_EQ(basalLedPower(levels), 6);
    levels.fill(179);
    EXPECT_EQ(basalLedPower(levels), 0);
}

TEST(LedBasalPower, RectangleBrightnessCountsEmptyPixelsAndStaysInTheImage)
{
    FrameImage image;
    LedTable leds;
    leds.ledX1[0] = 1;
    leds.ledX2[0] = 2;
    leds.ledY1[0] = 0;
    leds.ledY2[0] = 1;
    image.set(4, 1, 0, 100);
    image.set(4, 2, 0, 101);
    image.set(4, 1, 1, 100);
    EXPECT_EQ(ledRectangleBrightness(image, 4, leds, 0), 75) << "301 / 4, the empty pixel as 0";
    leds.ledX1[1] = -1;
    leds.ledX2[1] = -1;
    leds.ledY1[1] = -1;
    leds.ledY2[1] = -1;
    EXPECT_EQ(ledRectangleBrightness(image, 4, leds, 1), 0) << "no rectangle found";
    leds.ledX1[2] = 190;
    leds.ledX2[2] = 30000;
    leds.ledY1[2] = 0;
    leds.ledY2[2] = 0;
    image.set(4, 191, 0, 90);
    EXPECT_EQ(ledRectangleBrightness(image, 4, leds, 2), 30) << "cut at the image: 90 / 3";
}

// The level the plate-out sweep gives each light per step: the highest L with L x step <= 178.
const std::map<int, int> kBasal{{15, 8}, {30, 5}, {89, 2}, {100, 1}, {170, 1}, {200, 0}, {5, 8}, {25, 7}, {64, 2}};

class LedBasalSim : public PlateOutLedSim {
protected:
    void SetUp() override
    {
        PlateOutLedSim::SetUp();
        ASSERT_TRUE(writeBytes(ledPowerFilePath(folder.folder(), kSerial), powerFile({})));
        boxes.txt_cam = "2";
        connect();
    }

    // ledpower.dat with each LED at led % 4 but for the given ones.
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

    LedBasalEnd calibrate()
    {
        MainWindowLedSteps s = steps();
        LedCalibrationRun r{ctx, boxes, image, runState, leds, s};
        return CalibrateLedBasalPower(r);
    }

    int runState = -1;
};

TEST_F(LedBasalSim, EachLedOfTheCameraGetsTheLevelItsLightGives)
{
    ASSERT_EQ(calibrate(), LedBasalEnd::Written);
    std::map<int, int> expected;
    for (int led = 0; led < kLedCount; ++led) {
        const auto rect = simulatedLedRectangle(1, led);
        if (rect && rect->camera == 2)
            expected[led] = kBasal.at(kLedLightSteps[size_t(led % 9)]);
    }
    ASSERT_GT(expected.size(), 60u);
    EXPECT_EQ(fileBytes(ledPowerFilePath(folder.folder(), 12)), powerFile(expected));
    EXPECT_TRUE(console.status().startsWith("CAM[2]: Setting led power="));
}

TEST_F(LedBasalSim, AStopDuringTheSweepKeepsTheFile)
{
    clock.onTick = [&] {
        if (console.status() == "CAM[2]: Setting power=3")
            runState = 0;
    };
    EXPECT_EQ(calibrate(), LedBasalEnd::Stopped);
    EXPECT_EQ(fileBytes(ledPowerFilePath(folder.folder(), 12)), powerFile({}));
}

} // namespace
