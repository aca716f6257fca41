#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"
#include "projects/WellSelection.h"

#include <gtest/gtest.h>

namespace {

// A point in the middle of a well of the plate picture.
struct Point {
    double x;
    double y;
};
Point centre(const PlateGrid& grid, int column, int row)
{
    return {(column + 0.5) * 100.0 / grid.columns, (row + 0.5) * 250.0 / grid.rows};
}

struct WellSelectionFixture : ::testing::Test {
    void press(PlateMouseButton button, Point p, int runState = 0)
    {
        beginWellSelection(selection, runState, grid, button, p.x, p.y);
    }
    WellSelectionResult release(PlateMouseButton button, Point p, int runState = 0)
    {
        return endWellSelection(selection, runState, grid, button, p.x, p.y, combogrup, groups,
                              [this](int well) { redrawn << well; });
    }
    QList<int> wellsInGroup(int group) const
    {
        QList<int> wells;
        for (int i = 0; i < kWellSlots; ++i)
            if (groups.wellGroup[i] == group)
                wells << i;
        return wells;
    }

    PlateGrid grid = plateGrid(QStringLiteral("w96f"));
    WellSelectionState selection;
    WellGroupTable groups;
    QString combogrup = QStringLiteral("003_Free");
    QList<int> redrawn;
};

} // namespace

TEST_F(WellSelectionFixture, LeftDragFromB2ToA1PutsFourWellsIntoTheChosenGroup)
{
    press(PlateMouseButton::Left, centre(grid, 1, 1));
    EXPECT_TRUE(selection.selectPending);
    const WellSelectionResult r = release(PlateMouseButton::Left, centre(grid, 0, 0));

    // A1, B1, A2, B2, rows outer and columns inner.
    EXPECT_EQ(wellsInGroup(3), (QList<int>{0, 1, 8, 9}));
    EXPECT_EQ(r.changedWells, (QList<int>{0, 8, 1, 9}));
    EXPECT_EQ(redrawn, r.changedWells);
    EXPECT_FALSE(selection.selectPending);
    // The list is rebuilt after each well: group 3 was renamed at the first and
    // stays selected.
    ASSERT_TRUE(r.combogrup);
    EXPECT_EQ(r.combogrup->entries.size(), 5);
    EXPECT_EQ(r.combogrup->entries.at(3), QStringLiteral("003_Group3"));
    EXPECT_EQ(r.combogrup->currentIndex, 3);
}

TEST_F(WellSelectionFixture, RightDragTakesWellsOutOfTheirGroupWithoutRebuildingTheList)
{
    groups.wellGroup[WellIndex(5, 2, 8)] = 4;
    groups.wellGroup[WellIndex(6, 3, 8)] = 2;
    press(PlateMouseButton::Right, centre(grid, 6, 3));
    const WellSelectionResult r = release(PlateMouseButton::Right, centre(grid, 5, 2));
    EXPECT_EQ(groups.wellGroup[WellIndex(5, 2, 8)], -1);
    EXPECT_EQ(groups.wellGroup[WellIndex(6, 3, 8)], -1);
    EXPECT_EQ(r.changedWells.size(), 4);
    EXPECT_FALSE(r.combogrup);
}

TEST_F(WellSelectionFixture, AReleaseWithoutAnAcceptedPressActsOnItsOwnWell)
{
    press(PlateMouseButton::Left, centre(grid, 4, 4), 1); // while a run was on
    EXPECT_FALSE(selection.selectPending);
    release(PlateMouseButton::Left, centre(grid, 2, 1));
    EXPECT_EQ(wellsInGroup(3), QList<int>{WellIndex(2, 1, 8)});
}

TEST_F(WellSelectionFixture, GroupNumberComesFromTheFirstThreeCharactersOfTheList)
{
    const struct { const char* text; int group; } cases[] = {
        {"012_Mutants", 12}, {"000_Free", 0}, {"", 0}, {"abc", 0}, {"7_x", 7},
    };
    for (const auto& c : cases) {
        combogrup = QLatin1String(c.text);
        release(PlateMouseButton::Left, centre(grid, 0, 0));
        EXPECT_EQ(groups.wellGroup[0], c.group) << c.text;
    }
}

TEST_F(WellSelectionFixture, IgnoredActionsChangeNoGroupAndEveryReleaseDropsThePress)
{
    const struct {
        const char* what;
        PlateMouseButton button;
        Point at;
        int runState;
    } releases[] = {
        {"outside the plate", PlateMouseButton::Left, {100, 10}, 0},
        {"above the plate", PlateMouseButton::Left, {10, -1}, 0},
        {"below the plate", PlateMouseButton::Left, {10, 250}, 0},
        {"middle button", PlateMouseButton::Other, {10, 10}, 0},
        {"during a run", PlateMouseButton::Left, {10, 10}, 1},
        {"during a calibration", PlateMouseButton::Right, {10, 10}, -1},
    };
    groups.wellGroup[0] = 5;
    for (const auto& r : releases) {
        press(PlateMouseButton::Left, centre(grid, 3, 3));
        ASSERT_TRUE(selection.selectPending);
        const WellSelectionResult result = release(r.button, r.at, r.runState);
        EXPECT_FALSE(selection.selectPending) << r.what;
        EXPECT_TRUE(result.changedWells.isEmpty()) << r.what;
    }
    EXPECT_TRUE(redrawn.isEmpty());
    EXPECT_EQ(wellsInGroup(3), QList<int>{});
    EXPECT_EQ(groups.wellGroup[0], 5);

    // Presses outside the plate or with another button set no anchor.
    press(PlateMouseButton::Left, {-3, 10});
    press(PlateMouseButton::Other, {10, 10});
    EXPECT_FALSE(selection.selectPending);
}

TEST_F(WellSelectionFixture, APlateWithoutWellsIgnoresTheMouse)
{
    grid = PlateGrid{};
    press(PlateMouseButton::Left, {10, 10});
    EXPECT_FALSE(selection.selectPending);
    EXPECT_TRUE(release(PlateMouseButton::Left, {10, 10}).changedWells.isEmpty());
    EXPECT_EQ(wellsInGroup(3), QList<int>{});
}
