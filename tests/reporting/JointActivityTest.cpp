#include "reporting/JointActivity.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

JointTimePoints read(const QByteArray& rows, const PlateGrid& grid)
{
    QByteArray bytes = "\"2025/03/14_10:15:00\" \"x\"\r\n\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n" + rows;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readJointTimePoints(buffer, grid);
}

std::vector<std::int64_t> wellSeries(const JointTimePoints& p, int well)
{
    std::vector<std::int64_t> s;
    for (int t = 0; t < p.count(); ++t)
        s.push_back(p.at(t, well));
    return s;
}

} // namespace

TEST(JointActivity, MedianIsTheMiddleOfTheSortedWindow)
{
    const std::vector<std::int64_t> five{5, 4, 191, 10, 4};
    EXPECT_EQ(MedianOfWindow(five), 5.0);
    const std::vector<std::int64_t> four{7, 1, 9, 3};
    EXPECT_EQ(MedianOfWindow(four), 3.0); // second of four
    const std::vector<std::int64_t> three{2, 98, 4};
    EXPECT_EQ(MedianOfWindow(three), 4.0);
    const std::vector<std::int64_t> one{-3};
    EXPECT_EQ(MedianOfWindow(one), -3.0);
    EXPECT_EQ(MedianOfWindow({}), 0.0);
}

TEST(JointActivity, RowsLandOnTheirWellIndexAndBecomeDifferences)
{
    // Rows in the run file's order A1 A2 B1 B2; wells are indexed down the columns.
    const JointTimePoints p = read("0.5 \"A1\" 10\r\n0.5 \"A2\" 20\r\n0.5 \"B1\" 30\r\n0.5 \"B2\" 40\r\n"
                                   "1,5 \"A1\" 11\r\n1,5 \"A2\" 22\r\n1,5 \"B1\" 33\r\n1,5 \"B2\" 44\r\n"
                                   "2.0 \"A1\" 50\r\n",
                                   PlateGrid{2, 2});
    ASSERT_EQ(p.count(), 2);
    EXPECT_EQ(p.times, (std::vector<double>{0.5, 1.5}));
    EXPECT_EQ(p.activity, (std::vector<std::int64_t>{10, 30, 20, 40, 1, 3, 2, 4}));
}

TEST(JointActivity, StrayRowsCountForNothing)
{
    const JointTimePoints p = read("0.5 \"A1\" 2.5\r\n"   // half to even: 2
                                   "0.5 \"C1\" 99\r\n"    // off the grid
                                   "0.5 \"A9\" 99\r\n"
                                   "0.5 \"A\" 99\r\n"
                                   "0.5 99\r\n"           // two fields
                                   "\r\n"
                                   "0.5  \"B1\"  3.5\r\n", // doubled blanks; 4
                                   PlateGrid{2, 1});
    ASSERT_EQ(p.count(), 1);
    EXPECT_EQ(p.activity, (std::vector<std::int64_t>{2, 4}));
}

TEST(JointActivity, AWellMissingFromATimePointHasNoActivityThere)
{
    const JointTimePoints p = read("1 \"A1\" 5\r\n1 \"B1\" 7\r\n2 \"B1\" 9\r\n", PlateGrid{2, 1});
    ASSERT_EQ(p.count(), 2);
    EXPECT_EQ(p.activity, (std::vector<std::int64_t>{5, 7, 0, 2}));
}

TEST(JointActivity, OutliersAboveThreeAndAHalfMediansAndAboveTen)
{
    struct Case {
        const char* name;
        std::vector<std::int64_t> activity;
        std::vector<std::int64_t> expected;
    };
    const Case cases[] = {
        // The described well: window of time point 2 is 0..4, median 5; 10 is not above 10.
        {"six points", {5, 4, 191, 10, 4, 6}, {5, 4, 5, 10, 4, 6}},
        // Zero median: 50 goes, 10 and less never do.
        {"zero median", {0, 0, 50, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {"ten stays", {0, 0, 10, 0, 0, 0}, {0, 0, 10, 0, 0, 0}},
        // Interior windows t-2..t+2, the end held at the last five.
        {"interior and end", {2, 2, 2, 2, 2, 30, 2, 2, 2, 40}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        // t = 3 of seven takes 0..4, not 1..5: median of 1,1,1,20,20 is 1.
        {"early window", {1, 1, 1, 20, 20, 20, 20}, {1, 1, 1, 1, 20, 20, 20}},
        // Fewer than five: all points, the ceil(n/2)-th smallest.
        {"three points", {2, 98, 4}, {2, 4, 4}},
        {"four points", {3, 100, 10, 1}, {3, 3, 10, 1}},
        {"one point", {500}, {500}},
    };
    for (const Case& c : cases) {
        JointTimePoints p;
        p.wells = 1;
        p.times.assign(c.activity.size(), 0.0);
        p.activity = c.activity;
        removeOutliers(p);
        EXPECT_EQ(wellSeries(p, 0), c.expected) << c.name;
    }
}

TEST(JointActivity, OutliersPerWellOnTheActivitiesAsRead)
{
    // Well 1 is an outlier only against its own series.
    JointTimePoints p;
    p.wells = 2;
    p.times.assign(5, 0.0);
    p.activity = {100, 1, 100, 1, 100, 50, 100, 1, 100, 1};
    removeOutliers(p);
    EXPECT_EQ(wellSeries(p, 0), (std::vector<std::int64_t>{100, 100, 100, 100, 100}));
    EXPECT_EQ(wellSeries(p, 1), (std::vector<std::int64_t>{1, 1, 1, 1, 1}));
}
