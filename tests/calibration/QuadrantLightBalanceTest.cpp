#include "calibration/QuadrantLedRules.h"
#include "calibration/QuadrantLightBalance.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Camera 0 of "w6" sees well A1 (column 0, row 0, well index 0) through a
// side x side window; pixel j lies at x = (j - 1) / side, y = (j - 1) % side.
// Its LED block is 9 columns by 8 rows, every LED at one power.
struct OneWellWindow {
    explicit OneWellWindow(int windowSide, int power = 8) : side(windowSide)
    {
        geometry.firstColumn[0] = geometry.lastColumn[0] = 0;
        geometry.firstRow[0] = geometry.lastRow[0] = 0;
        geometry.columnStart[0][0] = 0;
        geometry.columnEnd[0][0] = windowSide;
        geometry.rowStart[0][0] = 0;
        geometry.rowEnd[0][0] = side;
        const int n = side * side;
        wellIndex.assign(size_t(n) + 1, 0);
        x.assign(size_t(n) + 1, 0);
        y.assign(size_t(n) + 1, 0);
        for (int j = 1; j <= n; ++j) {
            x[size_t(j)] = (j - 1) / side;
            y[size_t(j)] = (j - 1) % side;
        }
        frame = QByteArray(n, '\0');
        int led = 0;
        for (int f = 1; f <= 8; ++f)
            for (int c = 1; c <= 9; ++c) {
                leds.ledCamera[size_t(led)] = 0;
                leds.ledColcam[size_t(led)] = c;
                leds.ledFilcam[size_t(led)] = f;
                leds.ledPower[size_t(led)] = power;
                ++led;
            }
        // Another camera's LEDs are never touched.
        leds.ledCamera[size_t(led)] = 1;
        leds.ledColcam[size_t(led)] = 1;
        leds.ledFilcam[size_t(led)] = 1;
        leds.ledPower[size_t(led)] = power;
    }

    void light(const std::function<int(int x, int y)>& value)
    {
        for (int j = 1; j <= side * side; ++j)
            frame[j - 1] = char(value(x[size_t(j)], y[size_t(j)]));
    }

    void balance(const QString& format = "w6", int generation = 1)
    {
        BalanceWellQuadrantLight({0, 0, frame, side * side, {wellIndex, x, y}, geometry, format, generation}, leds);
    }

    int power(int c, int f) const { return leds.ledPower[size_t((f - 1) * 9 + (c - 1))]; }

    int side;
    CameraWindowTables geometry;
    std::vector<int> wellIndex, x, y;
    QByteArray frame;
    LedTable leds;
};

bool lowX(int x, int side) { return x < side / 2.0; }

TEST(QuadrantLightBalance, StepCountsAsTables)
{
    EXPECT_EQ(centroidSteps(1, 1), 5);
    EXPECT_EQ(centroidSteps(1, 0.5), 2) << "2.5 rounds to even";
    EXPECT_EQ(centroidSteps(1, 0.2), 4) << "3.5 rounds to even";
    EXPECT_EQ(centroidSteps(0.52, 0.5), 1) << "below 1 is raised to 1";

    const std::pair<int, int> saturated[] = {{50, 0}, {51, 2}, {100, 2}, {101, 3}, {200, 3}, {201, 4}, {300, 4},
                                             {301, 4}, {400, 4}, {401, 5}};
    for (const auto& [s, steps] : saturated)
        EXPECT_EQ(saturationSteps(s), steps) << s;
    const std::pair<int, int> dark[] = {{100, 0}, {101, 1}, {200, 1}, {201, 2}};
    for (const auto& [d, steps] : dark)
        EXPECT_EQ(darkSteps(d), steps) << d;
}

TEST(QuadrantLightBalance, AllLightInQuadrantOneDimsItsLedsSixTimes)
{
    for (const int start : {8, 3}) {
        OneWellWindow w(10, start);
        w.light([&](int x, int y) { return lowX(x, 10) && lowX(y, 10) ? 100 : 0; });
        w.balance();
        for (int f = 1; f <= 8; ++f)
            for (int c = 1; c <= 9; ++c)
                EXPECT_EQ(w.power(c, f), c <= 4 && f <= 4 ? std::max(start - 6, 0) : start) << c << "," << f;
        EXPECT_EQ(w.leds.ledPower[72], start) << "camera 1's LED";
    }
}

TEST(QuadrantLightBalance, LightOnTheLowXSideDimsQuadrantsOneAndThree)
{
    OneWellWindow w(10);
    w.light([](int x, int) { return lowX(x, 10) ? 100 : 0; }); // A 1, B 0.5: n 2
    w.balance();
    EXPECT_EQ(w.power(1, 1), 5);
    EXPECT_EQ(w.power(4, 8), 5);
    EXPECT_EQ(w.power(5, 1), 8);
    EXPECT_EQ(w.power(9, 8), 8);
}

TEST(QuadrantLightBalance, BalancedBandIncludesItsBounds)
{
    // Low X 110 and high X 90 give A = 0.55 exactly; three pixels each side moved by 1 give 0.5503.
    OneWellWindow balanced(10);
    balanced.light([](int x, int) { return lowX(x, 10) ? 110 : 90; });
    balanced.balance();
    EXPECT_EQ(balanced.power(1, 1), 8);

    OneWellWindow beyond(10);
    beyond.light([](int x, int) { return lowX(x, 10) ? 110 : 90; });
    beyond.frame[0] = char(111); // x 0, y 0
    beyond.frame[99] = char(89); // x 9, y 9
    beyond.frame[90] = char(89); // x 9, y 0: keeps the low-Y sum
    beyond.frame[9] = char(111); // x 0, y 9
    beyond.frame[1] = char(111); // makes A 5502/10000 > 0.55
    beyond.frame[91] = char(89);
    beyond.balance();
    EXPECT_EQ(beyond.power(1, 1), 6) << "quadrants 1 and 3 dimmed with n 1: two passes";
    EXPECT_EQ(beyond.power(1, 8), 6);
    EXPECT_EQ(beyond.power(9, 1), 8);
}

TEST(QuadrantLightBalance, SaturatedAndDarkQuartersInEveryQuadrant)
{
    // 60 x 60: 900 pixels a quadrant. 201 saturated pixels in each, the rest
    // at 100: balanced, every quadrant dimmed 5 passes.
    OneWellWindow sat(60);
    sat.light([](int x, int y) { return (x % 30) * 30 + (y % 30) < 201 ? 250 : 100; });
    sat.balance();
    for (int f = 1; f <= 8; ++f)
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(sat.power(c, f), 3) << c << "," << f;

    // No light at all: no centroid, and 900 dark pixels a quadrant brighten the
    // corners 3 passes each (from 2).
    OneWellWindow dark(60, 2);
    dark.balance();
    EXPECT_EQ(dark.power(1, 1), 5);
    EXPECT_EQ(dark.power(1, 3), 5);
    EXPECT_EQ(dark.power(3, 1), 5);
    EXPECT_EQ(dark.power(9, 1), 5);
    EXPECT_EQ(dark.power(1, 8), 5);
    EXPECT_EQ(dark.power(9, 8), 5);
    EXPECT_EQ(dark.power(5, 5), 2) << "the middle is no corner";
}

TEST(QuadrantLightBalance, ShortFrameCountsOnlyDeliveredPixels)
{
    OneWellWindow w(10);
    w.light([](int, int) { return 100; });
    w.frame.truncate(50); // columns 0 to 4: the low-X half only
    w.balance();
    EXPECT_EQ(w.power(1, 1), 5) << "A 1, B 0.5: quadrants 1 and 3 three passes";
    EXPECT_EQ(w.power(9, 1), 8);

    w.frame.clear();
    w.balance();
    EXPECT_EQ(w.power(1, 1), 5) << "nothing delivered: nothing changes";
}

TEST(QuadrantLightBalance, FormatsWithoutRulesChangeNothing)
{
    OneWellWindow w(10);
    w.light([&](int x, int y) { return lowX(x, 10) && lowX(y, 10) ? 250 : 0; });
    for (const QString format : {"w96f", "w96u", "w48", "w12"}) {
        w.balance(format);
        EXPECT_EQ(w.power(1, 1), 8) << format.toStdString();
    }
}

struct RuleCase {
    const char* format;
    int generation, camera, window, column;
    LedAdjustment adjustment;
    int quadrant, c, f;
    bool picked;
};

TEST(QuadrantLedRules, PickedLedsAsTheTablesGiveThem)
{
    const LedAdjustment D = LedAdjustment::Dim;
    const LedAdjustment B = LedAdjustment::Brighten;
    const RuleCase cases[] = {
        {"p35", 1, 0, 0, 0, D, 1, 4, 4, true},
        {"p35", 2, 5, 0, 0, D, 1, 5, 4, false},
        {"w6", 1, 3, 0, 0, D, 4, 9, 8, true},
        {"w6", 1, 2, 0, 0, B, 2, 7, 2, true},  // generation 1 middle pair
        {"w6", 1, 0, 0, 0, B, 2, 7, 2, false},
        {"w6", 2, 2, 0, 0, B, 2, 7, 2, false}, // generation 2 as cameras 0, 1, 4, 5
        {"w6", 1, 0, 0, 0, B, 2, 7, 1, true},
        {"w6", 1, 4, 0, 0, B, 3, 3, 8, true},
        {"w6", 2, 4, 0, 0, B, 3, 3, 8, false},
        {"w6", 2, 4, 0, 0, B, 3, 3, 7, true},
        {"w6", 1, 3, 0, 0, B, 4, 6, 8, true},
        {"w6", 1, 1, 0, 0, B, 4, 6, 8, false},
        {"w6", 2, 1, 0, 0, B, 4, 7, 7, true},
        {"w6", 1, 0, 0, 0, B, 1, 2, 2, true},
        {"w6", 1, 0, 0, 0, B, 1, 2, 3, false},
        // w24 generation 1
        {"w24", 1, 0, 0, 0, D, 1, 3, 2, true},
        {"w24", 1, 2, 0, 0, D, 1, 3, 2, false},
        {"w24", 1, 4, 0, 1, D, 4, 9, 3, true},
        {"w24", 1, 2, 0, 1, D, 4, 9, 3, false},
        {"w24", 1, 0, 1, 0, D, 1, 2, 3, true}, // window 1 quadrant 1 takes rows 3 to 4
        {"w24", 1, 0, 1, 0, D, 1, 2, 5, false},
        {"w24", 1, 1, 1, 1, B, 2, 9, 5, true},
        {"w24", 1, 4, 1, 0, B, 4, 5, 8, false},
        {"w24", 1, 4, 0, 0, B, 4, 5, 4, true},
        // w24 generation 2
        {"w24", 2, 3, 0, 1, D, 1, 7, 2, true},
        {"w24", 2, 3, 1, 0, D, 2, 3, 5, true},
        {"w24", 2, 3, 1, 1, D, 3, 7, 6, false},
        {"w24", 2, 0, 0, 1, B, 2, 9, 2, false},
        {"w24", 2, 0, 0, 0, B, 1, 3, 2, true},
        {"w24", 3, 0, 1, 1, B, 4, 8, 7, true}, // any generation but 1 reads as the second
        {"w24", 2, 0, 2, 0, D, 1, 1, 1, false}, // no third window
        {"w12", 1, 0, 0, 0, D, 1, 1, 1, false},
    };
    for (const RuleCase& r : cases) {
        SCOPED_TRACE(std::string(r.format) + " gen " + std::to_string(r.generation) + " cam " +
                     std::to_string(r.camera) + " w" + std::to_string(r.window) + " col" + std::to_string(r.column) +
                     (r.adjustment == D ? " dim Q" : " brighten Q") + std::to_string(r.quadrant) + " c" +
                     std::to_string(r.c) + " f" + std::to_string(r.f));
        EXPECT_EQ(ledPickedForQuadrant({r.format, r.generation, r.camera, r.window, r.column}, r.adjustment,
                                       r.quadrant, r.c, r.f),
                  r.picked);
    }
}

} // namespace
