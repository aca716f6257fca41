#include "analysis/barplot/GroupBarPlot.h"
#include "picture/PictureCanvas.h"

#include <gtest/gtest.h>

namespace {

// A run of the given per-scan values for wells 0, 1, ...; -1 is no value.
RunResults runOf(const std::vector<std::vector<double>>& wells, int wellsPerScan = 24)
{
    RunResults run;
    run.wellsPerScan = wellsPerScan;
    const size_t scans = wells.empty() ? 0 : wells[0].size();
    for (size_t s = 0; s < scans; ++s) {
        run.addScan(int(s) * 60);
        for (size_t w = 0; w < wells.size(); ++w)
            run.wellActivity[run.slot(int(w), int(s))] = wells[w][s];
    }
    return run;
}

std::array<int, kWellSlots> groupsOf(std::initializer_list<std::pair<int, int>> wellToGroup)
{
    std::array<int, kWellSlots> groups;
    groups.fill(-1);
    for (const auto& [well, group] : wellToGroup)
        groups[size_t(well)] = group;
    return groups;
}

TEST(GroupBarPlot, SumsWholeTotalsByGroup)
{
    // Group 0: wells 0 and 1; group 7: well 2; well 3 has no group.
    const RunResults run = runOf({{1.5, 1.0, 0.5}, {2.5, -1.25, 0.25}, {20000, 20000, 0}, {99, 99, 99}});
    GroupTotals totals{};
    // Well 0: 1.5 -> 2, 3 -> 3, 3.5 -> 4; well 1 adds 2.5 -> 6.5 -> 6 (halves to even),
    // a fall of the recorded total takes off: 4.75 -> 5, then 5.25 -> 5. Group 7 reaches
    // 40000, beyond 16 bits.
    EXPECT_EQ(SumGroupActivity(run, groupsOf({{0, 0}, {1, 0}, {2, 7}}), totals), 40000);
    EXPECT_EQ(totals[0], 5.0);
    EXPECT_EQ(totals[7], 40000.0);
    EXPECT_EQ(totals[1], 0.0);

    // A group whose activity only falls stays below 0 and is never the largest.
    EXPECT_EQ(SumGroupActivity(runOf({{-3.0, -2.5}}), groupsOf({{0, 4}}), totals), 0);
    EXPECT_EQ(totals[4], -6.0) << "-3, then -5.5 -> -6";

    // Only wells 0 to 23 count; with no scans every bar is 0.
    const RunResults wide = runOf(std::vector<std::vector<double>>(30, {5.0}), 30);
    EXPECT_EQ(SumGroupActivity(wide, groupsOf({{24, 3}, {29, 3}}), totals), 0);
    EXPECT_EQ(totals[3], 0.0);
    EXPECT_EQ(SumGroupActivity(runOf({}), groupsOf({{0, 0}}), totals), 0);
}

// y runs from 1.2 M at the top to -0.135 M at the bottom over 400 pixels,
// x from 0 to 120 over 600.
QPoint pixelOf(double x, double y, double m) { return {int(x * 5), int((1.2 * m - y) / (1.335 * m) * 400)}; }

TEST(GroupBarPlot, BarsOfTheListWithTheSelectedOneDarker)
{
    // Group 0 totals 100, group 2 totals 60, group 5 totals 40000.
    const RunResults run = runOf({{100}, {60}, {40000}});
    PictureCanvas canvas(600, 400);
    GroupBarPlotInput input{{"000_ctrl", "002_drug", "005_long_name_cut"}, 1, "proj", "20240315_0930", "mice"};
    DrawGroupBarPlot(canvas, run, groupsOf({{0, 0}, {1, 2}, {2, 5}}), input);
    const double m = 40000; // the largest total sets the scale, not cut to 16 bits
    const QPoint bar3 = pixelOf(10 * 3 + 6, 20000, m);
    EXPECT_EQ(canvas.pixel(bar3.x(), bar3.y()), QColor(220, 220, 220));
    const QPoint aboveBar3 = pixelOf(10 * 3 + 6, 41000, m);
    EXPECT_EQ(canvas.pixel(aboveBar3.x(), aboveBar3.y()), QColor(255, 255, 255));

    // On a scale of 100 the two small bars show their heights; the second is selected.
    const RunResults small = runOf({{100}, {60}});
    PictureCanvas plot(600, 400);
    input.groupList.removeLast();
    DrawGroupBarPlot(plot, small, groupsOf({{0, 0}, {1, 2}}), input);
    const auto at = [&plot](double x, double y) {
        const QPoint p = pixelOf(x, y, 100);
        return plot.pixel(p.x(), p.y());
    };
    EXPECT_EQ(at(16, 50), QColor(220, 220, 220));
    EXPECT_EQ(at(16, 95), QColor(220, 220, 220));
    EXPECT_EQ(at(26, 50), QColor(200, 200, 200)) << "the selected entry";
    EXPECT_EQ(at(26, 70), QColor(255, 255, 255)) << "above a bar of 60";
    EXPECT_EQ(at(60, 0), QColor(128, 128, 128)) << "the x axis";
    plot.image().save(QStringLiteral("/tmp/barplot.png"));

    // A run whose wells have no group: axes and labels, no bars, scale 50.
    PictureCanvas bare(600, 400);
    DrawGroupBarPlot(bare, small, groupsOf({}), {});
    const QPoint axisTop = pixelOf(10, 49, 50);
    EXPECT_EQ(bare.pixel(axisTop.x(), axisTop.y()), QColor(128, 128, 128));
    const QPoint noBar = pixelOf(16, 10, 50);
    EXPECT_EQ(bare.pixel(noBar.x(), noBar.y()), QColor(255, 255, 255));
}

TEST(GroupBarPlot, LabelsShowTheEntrysFirstTenCharacters)
{
    const RunResults run = runOf({{30}});
    const auto plotOf = [&run](const QString& entry) {
        PictureCanvas canvas(600, 400);
        DrawGroupBarPlot(canvas, run, groupsOf({{0, 3}}), {{entry}, -1, "p", "s", "a"});
        return canvas.image();
    };
    const QImage cut = plotOf(QStringLiteral("003_Contro"));
    EXPECT_EQ(plotOf(QStringLiteral("003_Control group")), cut) << "a long name cut after \"003_Contro\"";
    EXPECT_NE(plotOf(QStringLiteral("003_Contr")), cut) << "the tenth character is shown";
}

// A group whose wells' recorded totals fell has a bar below the x axis.
TEST(GroupBarPlot, AFallingGroupsBarHangsBelowTheAxis)
{
    PictureCanvas canvas(600, 400);
    DrawGroupBarPlot(canvas, runOf({{4, -9}, {20, 0}}), groupsOf({{0, 0}, {1, 1}}), {{"000_a", "001_b"}, -1, "p", "s", "a"});
    const auto at = [&canvas](double x, double y) {
        const QPoint p = pixelOf(x, y, 50);
        return canvas.pixel(p.x(), p.y());
    };
    EXPECT_EQ(at(16, -1), QColor(220, 220, 220)) << "group 0 totals -5";
    EXPECT_EQ(at(16, 1), QColor(255, 255, 255));
    EXPECT_EQ(at(26, 10), QColor(220, 220, 220)) << "group 1 totals 20";
}

TEST(GroupBarPlot, TenBarsAtMostAndTotalsHalvedToEven)
{
    // Twelve groups, well g in group g with a total of 10 (g + 1); only ten bars are drawn.
    std::vector<std::vector<double>> wells;
    QStringList list;
    std::array<int, kWellSlots> groups;
    groups.fill(-1);
    for (int g = 0; g < 12; ++g) {
        wells.push_back({10.0 * (g + 1)});
        groups[size_t(g)] = g;
        list << QStringLiteral("%1_Control A").arg(g, 3, 10, QLatin1Char('0'));
    }
    PictureCanvas canvas(600, 400);
    DrawGroupBarPlot(canvas, runOf(wells), groups, {list, -1, "p", "s", "a"});
    const double m = 120; // the twelfth group's total sets the scale, drawn or not
    const auto at = [&](double x, double y) {
        const QPoint p = pixelOf(x, y, m);
        return canvas.pixel(p.x(), p.y());
    };
    EXPECT_EQ(at(10 * 10 + 6, 5), QColor(220, 220, 220)) << "the tenth bar";
    EXPECT_EQ(at(10 * 11 + 6, 5), QColor(255, 255, 255)) << "no eleventh bar";
    GroupTotals totals{};
    EXPECT_EQ(SumGroupActivity(runOf({{40.5}, {41.5}}), groupsOf({{0, 0}, {1, 1}}), totals), 42)
        << "40.5 -> 40, 41.5 -> 42: halves to even";
    EXPECT_EQ(totals[0], 40.0);
}

} // namespace
