#include "acquisition/run/ActivityEvaluation.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

// The activity of a window's eleven samples, with numbers worked out by hand.
namespace {

// A samples table with every position at base; the movers change by their
// step on the odd samples (1, 3, 5, 7, 9) and are back at base on the even ones.
struct Mover {
    int position;
    int step;
};

SampleLines table(int windowPixels, int base, std::initializer_list<Mover> movers)
{
    SampleLines S(windowPixels);
    for (int i = 0; i < kSamplesPerWindow; ++i)
        for (int n = 0; n <= windowPixels; ++n)
            S.set(i, n, base);
    for (const Mover& m : movers)
        for (int i = 1; i < kSamplesPerWindow; i += 2)
            S.set(i, m.position, base + m.step);
    return S;
}

TEST(CountActiveSamplesTest, MovingWithANeighbourByMoreThanFourAndFourPercent)
{
    // h 3, windowPixels 12, k 5: neighbours 4 (left), 2 (above), 1 and 3.
    // Base 240, d 10 on 5 and 4: odd samples' level (250 + 3 * 245) / 4 = 246.25,
    // even 240, so 243.125 and a threshold of 9.725: m 10 counts, each sample
    // going up and the next coming down. d 9: level 242.8125, threshold 9.7125 > 9.
    struct Case {
        const char* what;
        int base;
        std::initializer_list<Mover> movers;
        int k;
        int expected;
    };
    const Case cases[] = {
        {"240 up 10 with the left neighbour", 240, {{5, 10}, {4, 10}}, 5, 10},
        {"240 up 9: under 4 % of the level", 240, {{5, 9}, {4, 9}}, 5, 0},
        {"100 up 5 with the left neighbour", 100, {{5, 5}, {4, 5}}, 5, 10},
        {"100 up 4: not more than 4", 100, {{5, 4}, {4, 4}}, 5, 0},
        {"the neighbour moving the other way", 100, {{5, 5}, {4, -5}}, 5, 0},
        {"the pixel alone", 100, {{5, 5}}, 5, 0},
        {"only the neighbour above with it", 100, {{5, 5}, {2, 5}}, 5, 10},
        {"k 9: k + h reaches windowPixels", 100, {{9, 5}, {8, 5}}, 9, 0},
        {"k 3: k - h below 1", 100, {{3, 5}, {2, 5}}, 3, 0},
    };
    for (const Case& c : cases) {
        const SampleLines S = table(12, c.base, c.movers);
        EXPECT_EQ(CountActiveSamples(S, c.k, 3), c.expected) << c.what;
    }
}

TEST(CountActiveSamplesTest, OutOfRangeArgumentsCountNothing)
{
    const SampleLines S = table(12, 100, {{5, 5}, {4, 5}});
    EXPECT_EQ(CountActiveSamples(S, 0, 3), 0);
    EXPECT_EQ(CountActiveSamples(S, -4, 3), 0);
    EXPECT_EQ(CountActiveSamples(S, 5, 0), 0);
    EXPECT_EQ(CountActiveSamples(S, 5, -3), 0);
    EXPECT_EQ(CountActiveSamples(SampleLines(0), 5, 3), 0);
}

// A window of six lines of three pixels (18 positions, windowPixels 15), every
// position in well 0 of a whole-well rectangle; the well's 18 pixels are the
// mean, so a pixel's scaled value is its count.
class WindowEvaluationTest : public ::testing::Test {
protected:
    static constexpr int kLine = 3;
    static constexpr int kPositions = 18;
    static constexpr int kWindowPixels = 15;

    WindowEvaluationTest()
    {
        pixels.pixelWellIndex.assign(kPositions + 1, 0);
        pixels.pixelWellIndex[0] = -1;
        pixels.pixelColumn.assign(kPositions + 1, 0);
        pixels.pixelWindow.assign(kPositions + 1, 0);
        pixels.pixelInWell.assign(kPositions + 1, 1);
        setup.wellPixelCount[0] = 18;
        setup.meanWellPixels = 18;
        wells.spcColIni[kCamera][0][0] = 0;
        wells.spcColEnd[kCamera][0][0] = 100;
        wells.spcRowIni[kCamera][0][0] = 0;
        wells.spcRowEnd[kCamera][0][0] = 100;
        run.wellsPerScan = 24;
        run.addScan(0);
    }

    // Every byte at base, the movers at base + step on odd samples.
    void frames(int base, std::initializer_list<Mover> movers, int length = kPositions)
    {
        for (int i = 0; i < kSamplesPerWindow; ++i) {
            samples[size_t(i)] = QByteArray(length, char(base));
            if (i % 2 == 1)
                for (const Mover& m : movers)
                    samples[size_t(i)][m.position - 1] = char(base + m.step);
        }
    }
    void evaluate()
    {
        evaluateWindowActivity({samples, pixels, setup, wells, kCamera, kLine}, activity, run);
    }
    double scanValue(int well, int scan = 0) const { return run.activity(well, scan); }

    static constexpr int kCamera = 2;
    SampleFrames samples;
    WindowPixelList pixels;
    RunSetup setup;
    WellSpecTable wells;
    WindowActivity activity{kWindowPixels};
    RunResults run;
};

TEST_F(WindowEvaluationTest, APairMovingOnALineGivesTheRootOfItsCount)
{
    // 8 moves with its left neighbour 7: 10 samples. 7's neighbours (6, 4, 3, 5)
    // stay still, and 9, 10 and 11 are still themselves: only 8 counts.
    frames(100, {{7, 10}, {8, 10}});
    evaluate();
    for (int k = 0; k <= kWindowPixels; ++k) {
        EXPECT_EQ(activity.pixelActivityCount[size_t(k)], k == 8 ? 10 : 0) << k;
        EXPECT_EQ(activity.pixelActivityScaled[size_t(k)], k == 8 ? 10 : 0) << k;
    }
    EXPECT_DOUBLE_EQ(run.wellActivityNow[0], std::sqrt(10.0));
    EXPECT_EQ(formatNumber(run.wellActivityNow[0], "0"), "3");
    EXPECT_DOUBLE_EQ(scanValue(0), std::sqrt(10.0));
    EXPECT_EQ(scanValue(1), -1.0); // not in the window: still none in this scan
}

TEST_F(WindowEvaluationTest, FourMovingPixelsOnTwoLines)
{
    // 8 (left 7), 10 (above 7 and above right 8) and 11 (left 10, above 8,
    // above left 7) count 10 each: the root of 30.
    frames(100, {{7, 10}, {8, 10}, {10, 10}, {11, 10}});
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[7], 0);
    EXPECT_EQ(activity.pixelActivityCount[8], 10);
    EXPECT_EQ(activity.pixelActivityCount[9], 0);
    EXPECT_EQ(activity.pixelActivityCount[10], 10);
    EXPECT_EQ(activity.pixelActivityCount[11], 10);
    EXPECT_EQ(activity.pixelActivityCount[13], 0);
    EXPECT_DOUBLE_EQ(run.wellActivityNow[0], std::sqrt(30.0));
    EXPECT_EQ(formatNumber(run.wellActivityNow[0], "0"), "5");
}

TEST_F(WindowEvaluationTest, CountsAreScaledByTheWellsSizeAndTheRectanglesShareOfIt)
{
    // A second half (50..100 across): factor 0.5. 36 pixels against a mean of 18:
    // 18 / 36 * 10 * 0.5 = 2.5, kept for the sum and rounded to even for the map.
    wells.spcColIni[kCamera][0][0] = 50;
    setup.wellPixelCount[0] = 36;
    frames(100, {{7, 10}, {8, 10}});
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 10);
    EXPECT_EQ(activity.pixelActivityScaled[8], 2);
    EXPECT_DOUBLE_EQ(run.wellActivityNow[0], std::sqrt(2.5));

    // 12 pixels: 18 / 12 * 10 * 0.5 = 7.5, rounded to 8.
    setup.wellPixelCount[0] = 12;
    activity.reset(kWindowPixels);
    evaluate();
    EXPECT_EQ(activity.pixelActivityScaled[8], 8);
    EXPECT_DOUBLE_EQ(scanValue(0), std::sqrt(2.5) + std::sqrt(7.5));
}

TEST_F(WindowEvaluationTest, AWellWithoutMaskPixelsAddsZero)
{
    setup.wellPixelCount[0] = 0;
    frames(100, {{7, 10}, {8, 10}});
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 10);
    EXPECT_EQ(activity.pixelActivityScaled[8], 0);
    EXPECT_EQ(run.wellActivityNow[0], 0.0);
    EXPECT_EQ(scanValue(0), 0.0); // measured in this scan, with nothing to show
}

TEST_F(WindowEvaluationTest, PixelsOutsideTheMasksAndDarkPixelsAreNotEvaluated)
{
    // Outside every mask: no count, no scaled value, the well gets nothing.
    frames(100, {{7, 10}, {8, 10}});
    pixels.pixelWellIndex[8] = -1;
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 0);
    EXPECT_EQ(run.wellActivityNow[0], 0.0);
    EXPECT_EQ(scanValue(0), 0.0); // its other pixels were measured

    // Dark: the rest of the well at 250 makes the level 228 (11 positions at
    // 250, 7 and 8 at 1150 / 11 over samples 0..10); 114 is above 8's mean 105.
    pixels.pixelWellIndex[8] = 0;
    activity.reset(kWindowPixels);
    frames(250, {});
    for (int i = 0; i < kSamplesPerWindow; ++i)
        for (int k : {7, 8})
            samples[size_t(i)][k - 1] = char(i % 2 == 1 ? 110 : 100);
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 0);
    EXPECT_EQ(activity.pixelActivityScaled[8], 0);
}

TEST_F(WindowEvaluationTest, TheLevelTakesLongerTextsThanThePixelMean)
{
    // Seven-byte samples. Well 0 holds only positions 3 (130) and 7 (60, 70 on
    // odd samples); 7 moves with its left neighbour 6; 4 and 5 stay at 100.
    // The level counts texts longer than k: position 3 only, 130, half 65. The
    // pixel mean counts texts of at least k bytes: 7 gets 710 / 11, 65. 65 is
    // not below it, so 7 is not evaluated (with 7 in the level it would be: 97).
    for (int i = 0; i < kSamplesPerWindow; ++i) {
        const char moving = char(i % 2 == 1 ? 70 : 60);
        samples[size_t(i)] = QByteArray("\x64\x64\x82\x64\x64", 5) + moving + moving;
    }
    pixels.pixelWellIndex.assign(kPositions + 1, -1);
    pixels.pixelWellIndex[3] = 0;
    pixels.pixelWellIndex[7] = 0;
    evaluate();
    EXPECT_EQ(activity.sampleLines.at(1, 7), 70);
    EXPECT_EQ(CountActiveSamples(activity.sampleLines, 7, kLine), 10); // it did move
    EXPECT_EQ(activity.pixelActivityCount[7], 0);
}

TEST_F(WindowEvaluationTest, PositionsOneAndTwoAreNeverTakenAndReadAsZero)
{
    // 5 moves with 2 above it; the table keeps 2 at 0, so 5 counts nothing.
    frames(100, {{5, 5}, {2, 5}});
    evaluate();
    for (int i = 0; i < kSamplesPerWindow; ++i) {
        EXPECT_EQ(activity.sampleLines.at(i, 1), 0);
        EXPECT_EQ(activity.sampleLines.at(i, 2), 0);
    }
    EXPECT_EQ(activity.pixelActivityCount[5], 0);
    EXPECT_EQ(activity.pixelActivityCount[2], 0);
    EXPECT_EQ(run.wellActivityNow[0], 0.0);
}

TEST_F(WindowEvaluationTest, CountsStopGrowingAt32000)
{
    frames(100, {{7, 10}, {8, 10}});
    activity.pixelActivityCount[8] = 31999;
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 32009);
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 32009);
}

TEST_F(WindowEvaluationTest, AScanSumsTheWindowsThatHoldAWell)
{
    frames(100, {{7, 10}, {8, 10}});
    evaluate();
    activity.reset(kWindowPixels);
    evaluate(); // a second window holding the same well
    EXPECT_DOUBLE_EQ(scanValue(0), 2 * std::sqrt(10.0));

    run.addScan(30);
    EXPECT_EQ(scanValue(0, 1), -1.0);
    activity.reset(kWindowPixels);
    frames(100, {});
    evaluate(); // still: the well is measured at 0
    EXPECT_EQ(scanValue(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(run.wellActivityNow[0], 2 * std::sqrt(10.0));
    EXPECT_DOUBLE_EQ(scanValue(0, 0), 2 * std::sqrt(10.0));
}

TEST_F(WindowEvaluationTest, ShortFramesAndOddTablesAreReadSafely)
{
    // Texts shorter than the window, a data index beyond the evaluated wells,
    // a rectangle outside the well table, a list shorter than the window.
    frames(100, {{7, 10}, {8, 10}}, 9);
    pixels.pixelWellIndex[9] = 200;
    pixels.pixelColumn[8] = 9;
    pixels.pixelWellIndex.resize(10);
    evaluate();
    EXPECT_EQ(activity.pixelActivityCount[8], 10);  // its neighbours lie inside the nine bytes
    EXPECT_EQ(activity.pixelActivityScaled[8], 0);  // its rectangle has no share of a well
    EXPECT_EQ(activity.sampleLines.at(1, 10), 0);   // no text reaches 10
    EXPECT_EQ(activity.pixelActivityCount[9], 0);
    for (double v : run.wellActivityNow)
        EXPECT_EQ(v, 0.0);
}

} // namespace
