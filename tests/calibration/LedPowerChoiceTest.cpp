#include "calibration/CameraLedAutocalibration.h"

#include <gtest/gtest.h>

// The rules that turn measured brightness into LED powers.
namespace {

TEST(LedPowerChoice, TargetsByPlateFormat)
{
    EXPECT_EQ(autocalibrationTargets("w24")->first, 128);
    EXPECT_EQ(autocalibrationTargets("w24")->second, 115);
    for (const char* code : {"w6", "p35"}) {
        EXPECT_EQ(autocalibrationTargets(code)->first, 178) << code;
        EXPECT_EQ(autocalibrationTargets(code)->second, 166) << code;
    }
    for (const char* code : {"w96f", "w96u", "w48", "w12", "", "W24"})
        EXPECT_FALSE(autocalibrationTargets(code)) << code;
}

TEST(LedPowerChoice, HighestLevelAtOrUnderTheFirstTarget)
{
    struct Case {
        const char* name;
        std::array<int, kSweepLevels> brightness;
        int power;
    };
    const Case cases[] = {
        {"rising", {0, 20, 40, 60, 80, 100, 120, 140, 160}, 8},
        {"crosses at 5", {0, 40, 80, 120, 160, 180, 200, 220, 240}, 4},
        {"exactly the target counts", {0, 40, 80, 120, 178, 180, 200, 220, 240}, 4},
        {"a brighter level below does not stop it", {0, 0, 0, 0, 0, 0, 170, 190, 175}, 8},
        {"none qualifies", {179, 200, 200, 200, 200, 200, 200, 200, 200}, 0},
        {"no pixel counted", {0, 0, 0, 0, 0, 0, 0, 0, 0}, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseLedPower(c.brightness, 178), c.power) << c.name;
}

TEST(LedPowerChoice, AdjustmentAgainstTheSecondTarget)
{
    struct Case {
        int brightness;
        int power;
        int adjusted;
    };
    const Case cases[] = {
        {115, 4, 4}, {138, 4, 3}, {139, 4, 2}, {35, 4, 4}, {34, 4, 5}, {23, 4, 5}, {22, 4, 6},
        {22, 7, 8},  {22, 8, 8},  {0, 6, 8},   {23, 7, 8}, {23, 8, 8}, {139, 1, 0}, {139, 0, 0},
        {120, 0, 0}, {120, 8, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(adjustedLedPower(c.brightness, c.power, 115), c.adjusted) << c.brightness << " at " << c.power;
}

TEST(LedPowerChoice, BrightnessCountsDeliveredWellPixelsInsideTheGrid)
{
    FrameImage image;
    WellMask mask;
    mask.fill(2, true);
    for (int x = 0; x < FrameImage::kCellsX; ++x)
        for (int y = 0; y < FrameImage::kCellsY; ++y)
            image.set(2, x, y, static_cast<quint8>(x % 2 == 0 ? 100 : 101));
    mask.set(2, 4, 4, false);
    image.clear(2, 6, 4);
    struct Case {
        const char* name;
        LedEntry led;
        int brightness;
    };
    const Case cases[] = {
        // 100, 101, 100: 100.33
        {"mean rounded", {2, 0, 0, 2, 4, 0, 0, 0}, 100},
        {"halves to even", {2, 0, 0, 1, 2, 0, 0, 0}, 100},
        // 3 and 5 (101) count; 4 is outside the wells and 6 was not delivered
        {"mask and empty cells", {2, 0, 0, 3, 6, 4, 4, 0}, 101},
        {"negative positions skipped", {2, 0, 0, -5, 0, -3, 0, 0}, 100},
        {"beyond the grid clipped", {2, 0, 0, 192, 5000, 192, 40000, 0}, 100},
        {"nothing inside", {2, 0, 0, 193, 300, 0, 0, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ledBrightness(image, mask, 2, c.led), c.brightness) << c.name;
    EXPECT_EQ(ledBrightness(image, mask, 3, cases[0].led), 0); // camera 3 has no wells
}

} // namespace
