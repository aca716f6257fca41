#include "calibration/WellBoundaries.h"
#include "calibration/WellGridOverlay.h"
#include "picture/PictureCanvas.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Camera 1 sees two columns (lines 10-40, 40-70) and two rows (pixels 20-60, 60-100).
PlateGeometry twoByTwo()
{
    PlateGeometry g;
    g.firstColumn[1] = 2;
    g.lastColumn[1] = 3;
    g.firstRow[1] = 0;
    g.lastRow[1] = 1;
    for (int k = 0; k < 2; ++k) {
        g.columnStart[1][size_t(k)] = 10 + 30 * k;
        g.columnEnd[1][size_t(k)] = 40 + 30 * k;
        g.rowStart[1][size_t(k)] = 20 + 40 * k;
        g.rowEnd[1][size_t(k)] = 60 + 40 * k;
        g.columnLabel[1][size_t(k)] = QString::number(3 + k);
        g.rowLabel[1][size_t(k)] = QString(QChar('A' + k));
        for (int r = 0; r < 2; ++r) {
            g.spcColEnd[1][size_t(k)][size_t(r)] = 100;
            g.spcRowEnd[1][size_t(k)][size_t(r)] = 100;
        }
    }
    return g;
}

TEST(WellBoundaries, ButtonsWithTheirLimitsAndNeighbours)
{
    using A = BoundaryAxis;
    using M = BoundaryMove;
    struct Case {
        const char* name;
        A axis;
        int entry;
        M move;
        int limit;
        std::optional<int> moved;
        int start0, end0, start1, end1; // the two entries afterwards
    };
    const Case cases[] = {
        {"start up", A::Column, 1, M::StartUp, 143, 41, 10, 40, 41, 70},
        {"start down pulls the previous end", A::Column, 1, M::StartDown, 143, 39, 10, 39, 39, 70},
        {"end up pushes the next start", A::Column, 0, M::EndUp, 143, 41, 10, 41, 41, 70},
        {"end down", A::Column, 0, M::EndDown, 143, 39, 10, 39, 40, 70},
        {"end up at lines - 1", A::Column, 1, M::EndUp, 71, std::nullopt, 10, 40, 40, 70},
        {"start up at lines - 1", A::Column, 1, M::StartUp, 41, std::nullopt, 10, 40, 40, 70},
        {"row end up pushes the next row", A::Row, 0, M::EndUp, 184, 61, 20, 61, 61, 100},
        {"no third column", A::Column, 2, M::StartUp, 143, std::nullopt, 10, 40, 40, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlateGeometry g = twoByTwo();
        EXPECT_EQ(moveBoundary(g, 1, c.axis, c.entry, c.move, c.limit), c.moved);
        const bool col = c.axis == A::Column;
        const std::array got{col ? g.columnStart[1][0] : g.rowStart[1][0], col ? g.columnEnd[1][0] : g.rowEnd[1][0],
                             col ? g.columnStart[1][1] : g.rowStart[1][1], col ? g.columnEnd[1][1] : g.rowEnd[1][1]};
        EXPECT_EQ(got, (std::array{c.start0, c.end0, c.start1, c.end1}));
    }

    PlateGeometry g = twoByTwo();
    g.columnStart[1][0] = 0;
    EXPECT_EQ(moveBoundary(g, 1, A::Column, 0, M::StartDown, 143), std::nullopt) << "a start of 0 stays";
    g.columnEnd[1][0] = 0;
    EXPECT_EQ(moveBoundary(g, 1, A::Column, 0, M::EndDown, 143), std::nullopt) << "an end of 0 stays";
    EXPECT_EQ(moveBoundary(g, 4, A::Column, 0, M::EndDown, 143), std::nullopt) << "a camera that sees nothing";
}

TEST(WellBoundaries, TypedColumnStart)
{
    PlateGeometry g = twoByTwo();
    EXPECT_EQ(typeColumnStart(g, 1, 0, "12.5", 143), 12) << "halves to even";
    EXPECT_EQ(g.columnEnd[1][0], 40) << "the first column moves no other";
    EXPECT_EQ(typeColumnStart(g, 1, 1, "50xyz", 143), 50);
    EXPECT_EQ(g.columnEnd[1][0], 50) << "a gap closes: the previous column ends there";
    for (const char* refused : {"0", "142", "abc", "-3"})
        EXPECT_EQ(typeColumnStart(g, 1, 1, refused, 143), std::nullopt) << refused;
    EXPECT_EQ(g.columnStart[1][1], 50);
}

TEST(WellBoundaries, SaveRefusesAnEndBeforeItsStart)
{
    PlateGeometry g = twoByTwo();
    EXPECT_EQ(endBeforeStart(g), std::nullopt);
    g.rowEnd[1][1] = 59;
    EXPECT_EQ(endBeforeStart(g), QString("End before start: C1 row B"));
    g.columnEnd[1][1] = 39;
    EXPECT_EQ(endBeforeStart(g), QString("End before start: C1 column 4"));
}

TEST(WellRangeSummary, AreasOverTheirMean)
{
    PlateGeometry g;
    for (int c = 0; c < kCameraCount; ++c) {
        g.firstColumn[size_t(c)] = g.firstRow[size_t(c)] = 0;
        g.columnStart[size_t(c)][0] = 5;
        g.columnEnd[size_t(c)][0] = 140;
        g.rowStart[size_t(c)][0] = 10;
        g.rowEnd[size_t(c)][0] = 165;
    }
    EXPECT_EQ(wellRangeSummary("w6", g), "w6\r\nWell(A1)=1.00\r\nWell(B1)=1.00\r\nWell(A2)=1.00\r\nWell(B2)=1.00\r\n"
                                         "Well(A3)=1.00\r\nWell(B3)=1.00\r\n");
    g.columnEnd[0][0] = 145; // 140 wide: 140 / 135.83 and 135 / 135.83
    EXPECT_EQ(wellRangeSummary("w6", g), "w6\r\nWell(A1)=1.03\r\nWell(B1)=0.99\r\nWell(A2)=0.99\r\nWell(B2)=0.99\r\n"
                                         "Well(A3)=0.99\r\nWell(B3)=0.99\r\n");
    // Spans of 182 give areas past 16 bits.
    for (int c = 0; c < kCameraCount; ++c) {
        g.columnStart[size_t(c)][0] = 0;
        g.columnEnd[size_t(c)][0] = 182;
        g.rowStart[size_t(c)][0] = 0;
        g.rowEnd[size_t(c)][0] = 182;
    }
    EXPECT_TRUE(wellRangeSummary("w6", g).endsWith("Well(B3)=1.00\r\n"));
    for (int c = 0; c < kCameraCount; ++c)
        g.columnEnd[size_t(c)][0] = 0;
    EXPECT_TRUE(wellRangeSummary("w6", g).endsWith("Well(B3)=0.00\r\n")) << "a mean of 0";
    EXPECT_EQ(wellRangeSummary("w96f", g), "");
    const QStringList w24 = wellRangeSummary("w24", g).split("\r\n");
    ASSERT_EQ(w24.size(), 26);
    EXPECT_EQ(w24[0], "w24");
    EXPECT_TRUE(w24[5].startsWith("Well(C1)="));
    EXPECT_TRUE(w24[24].startsWith("Well(D6)="));
}

int redIn(const PictureCanvas& p, QRect area)
{
    int n = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            n += p.pixel(x, y) == QColor(255, 0, 0) ? 1 : 0;
    return n;
}

TEST(WellGridOverlay, BoundsOutlinesAndBands)
{
    // One unit one pixel: the picture is the window, 143 lines by 184 pixels.
    PlateGeometry g = twoByTwo();
    PictureCanvas p(143, 184);
    p.clear();
    DrawWellGridOverlay(p, g, 1, 143, 184);
    EXPECT_EQ(p.pixel(10, 5), QColor(255, 0, 0)) << "column start line";
    EXPECT_EQ(p.pixel(70, 150), QColor(255, 0, 0)) << "column end line";
    EXPECT_EQ(p.pixel(120, 100), QColor(255, 0, 0)) << "row end line";
    // Well A3 (lines 10-40, pixels 20-60): outline dots on both sides inside the cell.
    EXPECT_GT(redIn(p, QRect(11, 25, 8, 30)), 0);
    EXPECT_GT(redIn(p, QRect(31, 25, 8, 30)), 0);
    EXPECT_TRUE(p.image().save(QDir::temp().filePath("well_grid_overlay.png")));

    // A band of 8 draws one dot row (w 4 only), a band of 7 none.
    const auto dotsOfBand = [](int band, int colEnd) {
        PlateGeometry one;
        one.firstColumn[0] = one.lastColumn[0] = one.firstRow[0] = one.lastRow[0] = 0;
        one.columnStart[0][0] = 20;
        one.columnEnd[0][0] = 60;
        one.rowStart[0][0] = 50;
        one.rowEnd[0][0] = 50 + band;
        one.spcColEnd[0][0][0] = colEnd;
        one.spcRowEnd[0][0][0] = 100;
        PictureCanvas q(143, 184);
        q.clear();
        DrawWellGridOverlay(q, one, 0, 0, 0); // no bound lines across the cell
        QList<int> rows;
        int left = 0, right = 0;
        // The well is 67 wide when the cell holds 60 % of it: its centre at 20 + 34.
        for (int y = 51; y < 50 + band; ++y)
            for (int x = 0; x < 143; ++x)
                if (q.pixel(x, y) == QColor(255, 0, 0)) {
                    if (!rows.contains(y))
                        rows << y;
                    left += x < 52 ? 1 : 0;
                    right += x > 56 ? 1 : 0;
                }
        return std::tuple{rows, left, right};
    };
    EXPECT_EQ(std::get<0>(dotsOfBand(8, 100)), QList<int>{54});
    EXPECT_TRUE(std::get<0>(dotsOfBand(7, 100)).isEmpty());
    const auto [rows, left, right] = dotsOfBand(30, 60);
    EXPECT_FALSE(rows.isEmpty());
    EXPECT_GT(left, 0);
    EXPECT_EQ(right, 0) << "a well cut at 60 % gets left dots only";
}

} // namespace
