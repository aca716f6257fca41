#include "projects/GroupCombo.h"
#include "projects/GroupMenuCaptions.h"
#include "projects/GroupReset.h"

#include <gtest/gtest.h>

TEST(RefreshGroupCombo, ListsGroupsUpToTheHighestUsedPlusOneAndNamesUsedFreeGroups)
{
    WellGroupTable g;
    g.wellGroup[0] = 2;
    g.wellGroup[5] = 2;
    g.wellGroup[7] = 0;
    g.groupName[0] = QStringLiteral("Mutants");
    g.groupName[9] = QStringLiteral("Stale"); // a named group no well uses is not listed

    GroupComboList list = RefreshGroupCombo(g, 2);
    EXPECT_EQ(list.entries, (QStringList{QStringLiteral("000_Mutants"), QStringLiteral("001_Free"),
                                         QStringLiteral("002_Free"), QStringLiteral("003_Free")}));
    EXPECT_EQ(list.currentIndex, 2);
    EXPECT_TRUE(g.groupUsed[2]);
    EXPECT_FALSE(g.groupUsed[1]);
    // The used group is renamed; its entry shows the new name from the next refresh on.
    EXPECT_EQ(g.groupName[2], QStringLiteral("Group2"));
    EXPECT_EQ(g.groupName[1], QStringLiteral("Free"));
    list = RefreshGroupCombo(g, 42);
    EXPECT_EQ(list.entries.at(2), QStringLiteral("002_Group2"));
    EXPECT_EQ(list.currentIndex, 0); // no entry of group 42: the first
}

TEST(RefreshGroupCombo, NoGroupsListsGroupZeroAloneAndOutOfRangeGroupsAreIgnored)
{
    WellGroupTable g;
    g.wellGroup[3] = 5000; // no such group: must not reach past the tables
    const GroupComboList list = RefreshGroupCombo(g, 0);
    EXPECT_EQ(list.entries, QStringList{QStringLiteral("000_Free")});
    EXPECT_EQ(list.currentIndex, 0);

    g.wellGroup[3] = 383;
    EXPECT_EQ(RefreshGroupCombo(g, 383).entries.size(), 384);
}

TEST(ResetWellGroups, ClearsEveryWellAndNameRedrawsTheGridAndRebuildsTheList)
{
    WellGroupTable g;
    g.wellGroup[0] = 1;
    g.wellGroup[383] = 4;
    g.groupName[1] = QStringLiteral("Wild");
    g.groupName[384] = QStringLiteral("kept"); // only 0 to 383 are reset
    QList<int> redrawn;
    const GroupComboList list = ResetWellGroups(g, 4, 6, [&](int well) { redrawn << well; });

    EXPECT_EQ(g.wellGroup[0], -1);
    EXPECT_EQ(g.wellGroup[383], -1);
    EXPECT_EQ(g.groupName[1], QStringLiteral("Free"));
    EXPECT_EQ(g.groupName[384], QStringLiteral("kept"));
    EXPECT_EQ(list.entries, QStringList{QStringLiteral("000_Free")});
    // Rows outer, columns inner: A1, A2, ... A6, B1, ...
    ASSERT_EQ(redrawn.size(), 24);
    EXPECT_EQ(redrawn.mid(0, 3), (QList<int>{0, 4, 8}));
    EXPECT_EQ(redrawn.at(6), 1);
    EXPECT_EQ(redrawn.last(), 23);

    // No picture to redraw, and a plate without wells: still resets.
    g.wellGroup[2] = 0;
    EXPECT_EQ(ResetWellGroups(g, 0, 0).entries, QStringList{QStringLiteral("000_Free")});
    EXPECT_EQ(g.wellGroup[2], -1);
}

TEST(BuildGroupMenuCaptions, BlockShapesThatTileEachGrid)
{
    const struct { int rows; int columns; int count; const char* first; const char* last; } cases[] = {
        {8, 12, 24, "01x01 [RowsxColumn]", "08x12 [RowsxColumn]"},
        {6, 8, 16, "01x01 [RowsxColumn]", "06x08 [RowsxColumn]"},
        {4, 6, 12, "01x01 [RowsxColumn]", "04x06 [RowsxColumn]"},
        {3, 4, 6, "01x01 [RowsxColumn]", "03x04 [RowsxColumn]"},
        {2, 3, 4, "01x01 [RowsxColumn]", "02x03 [RowsxColumn]"},
    };
    for (const auto& c : cases) {
        const QStringList captions = BuildGroupMenuCaptions(c.rows, c.columns);
        ASSERT_EQ(captions.size(), c.count) << c.rows << "x" << c.columns;
        EXPECT_EQ(captions.first(), QLatin1String(c.first));
        EXPECT_EQ(captions.last(), QLatin1String(c.last));
    }
    EXPECT_EQ(BuildGroupMenuCaptions(2, 3),
              (QStringList{QStringLiteral("01x01 [RowsxColumn]"), QStringLiteral("02x01 [RowsxColumn]"),
                           QStringLiteral("01x03 [RowsxColumn]"), QStringLiteral("02x03 [RowsxColumn]")}));
    // An unknown format's empty grid offers no shape.
    EXPECT_TRUE(BuildGroupMenuCaptions(0, 0).isEmpty());
}
