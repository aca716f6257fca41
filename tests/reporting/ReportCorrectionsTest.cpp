#include "ReportRunBuilder.h"
#include "reporting/ReportCorrections.h"

#include <gtest/gtest.h>

TEST(FilterNoise, ReplacesOutliersByTheMeanOfTheirNeighbours)
{
    const struct {
        std::vector<double> in;
        std::vector<double> out;
    } cases[] = {
        {{1, 2, 100, 3, 4}, {1, 2, 2.5, 3, 4}},
        {{1, 2, 12, 3}, {1, 2, 12, 3}},          // 12 is not above 5 x (2 + 3)
        {{10, 0, 0}, {10, 0, 0}},                // exactly 10 is never replaced
        {{100, 3, 4}, {3.5, 3, 4}},              // the first scan looks at the next two
        {{3, 4, 100}, {3, 4, 3.5}},              // the last at the previous two
        {{0, 0, 100, 0, 30}, {0, 0, 0, 0, 0}},   // the last sees the replaced 100
        {{50, -1, -1}, {50, -1, -1}},            // no value beside: no test
        {{-1, 0, 0, 40}, {-1, 0, 0, 0}},         // no value is left as it is
        {{100, 1}, {100, 1}},                    // fewer than three scans
    };
    for (const auto& c : cases) {
        std::vector<double> series = c.in;
        filterNoise(series);
        EXPECT_EQ(series, c.out);
    }
}

TEST(CorrectActivity, BlankOverEachScansIntervalThenTheFactor)
{
    // Blank: 600 counts in 60 minutes, 10 a minute; scans 0, 1 and 2 minutes long.
    const RunResults run = makeRun(3, {0, 60, 180}, {{50, 50, 50}, {15, 15, 15}, {-1, -1, -1}});
    BlankRecord blank;
    blank.blankLapse = 60;
    blank.blankValue.fill(600);
    EXPECT_DOUBLE_EQ(blankTerm(blank, 0, run, 0), 0.0);
    EXPECT_DOUBLE_EQ(blankTerm(blank, 0, run, 1), 10.0);
    EXPECT_DOUBLE_EQ(blankTerm(blank, 0, run, 2), 20.0);

    IntRefFactors factors;
    factors.mult_factor.fill(1.2);
    const CorrectedActivity both = correctActivity(run, 3, false, &blank, &factors);
    EXPECT_DOUBLE_EQ(both.at(0, 0), 60.0);
    EXPECT_DOUBLE_EQ(both.at(0, 1), 48.0);
    EXPECT_DOUBLE_EQ(both.at(0, 2), 36.0);
    EXPECT_DOUBLE_EQ(both.at(1, 2), 0.0); // 15 - 20 is below 0
    EXPECT_DOUBLE_EQ(both.at(2, 2), -1.0);
    EXPECT_TRUE(both.factorApplied);

    const CorrectedActivity blankOnly = correctActivity(run, 3, false, &blank, nullptr);
    EXPECT_DOUBLE_EQ(blankOnly.at(0, 2), 30.0);
    EXPECT_FALSE(blankOnly.factorApplied);

    blank.blankLapse = 0; // no blank
    EXPECT_DOUBLE_EQ(correctActivity(run, 3, false, &blank, nullptr).at(0, 2), 50.0);
}

TEST(CorrectActivity, WorksOnACopyOfTheGridsWells)
{
    const RunResults run = makeRun(2, {0, 30, 60, 90}, {{100, 3, 4, 5}, {1, 1, 1, 1}});
    const RunResults before = run;
    const CorrectedActivity a = correctActivity(run, 6, true, nullptr, nullptr);
    EXPECT_EQ(run.wellActivity, before.wellActivity);
    EXPECT_EQ(a.wells, 6);
    EXPECT_EQ(a.scans, 4);
    EXPECT_DOUBLE_EQ(a.at(0, 0), 3.5);
    EXPECT_DOUBLE_EQ(a.at(5, 3), 0.0); // a well the run does not keep reads as 0
    EXPECT_FALSE(a.factorApplied);
}
