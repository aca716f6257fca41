#include "projects/GroupEditing.h"
#include "projects/WellGroupFile.h"

#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// The default file, built here line by line: header, then i,-1,"Free" for 0 to 383.
QByteArray defaultGroupFile()
{
    QByteArray bytes = "#Well, Group, name\r\n";
    for (int i = 0; i < 384; ++i)
        bytes += QByteArray::number(i) + ",-1,\"Free\"\r\n";
    return bytes;
}

} // namespace

TEST(WellGroupFile, MissingFileIsWrittenAsTheDefaultAndLeavesEveryWellFree)
{
    TempProgramFolder tmp;
    QDir().mkpath(tmp.path(QStringLiteral("reports/proj")));
    WellGroupTable g;
    g.wellGroup[4] = 3;
    g.groupName[3] = QStringLiteral("Old");
    LoadWellGroups(tmp.folder(), QStringLiteral("proj"), g);
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("reports/proj/chgroup.dat"))), defaultGroupFile());
    EXPECT_EQ(g.wellGroup[4], -1);
    EXPECT_EQ(g.groupName[3], QStringLiteral("Free"));
    EXPECT_EQ(RefreshGroupCombo(g, 0).entries, QStringList{QStringLiteral("000_Free")});
}

TEST(WellGroupFile, RoundTripKeepsCommasLosesQuotesAndAlwaysHas385Lines)
{
    TempProgramFolder tmp;
    QDir().mkpath(tmp.path(QStringLiteral("reports/proj/20240115_101010run")));
    WellGroupTable g;
    g.wellGroup[0] = 2;
    g.wellGroup[1] = 2;
    g.wellGroup[383] = 0;
    g.groupName[2] = QStringLiteral("Mutants, day 3");
    g.groupName[0] = QStringLiteral("say \"hi\"");
    ASSERT_TRUE(SaveWellGroups(tmp.folder(), QStringLiteral("proj\\20240115_101010run"), g));

    const QByteArray bytes = fileBytes(tmp.path(QStringLiteral("reports/proj/20240115_101010run/chgroup.dat")));
    QByteArray expected = defaultGroupFile();
    expected.replace("\r\n0,-1,\"Free\"\r\n1,-1,\"Free\"\r\n",
                     "\r\n0,2,\"Mutants, day 3\"\r\n1,2,\"Mutants, day 3\"\r\n");
    expected.replace("\r\n383,-1,\"Free\"\r\n", "\r\n383,0,\"say \"hi\"\"\r\n");
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.count("\r\n"), 385);

    WellGroupTable back;
    LoadWellGroupsProject(tmp.folder(), QStringLiteral("proj\\20240115_101010run"), back);
    EXPECT_EQ(back.wellGroup[0], 2);
    EXPECT_EQ(back.wellGroup[1], 2);
    EXPECT_EQ(back.wellGroup[383], 0);
    EXPECT_EQ(back.wellGroup[2], -1);
    EXPECT_EQ(back.groupName[2], QStringLiteral("Mutants, day 3"));
    EXPECT_EQ(back.groupName[0], QStringLiteral("say hi"));
    EXPECT_EQ(RefreshGroupCombo(back, 0).entries,
              (QStringList{QStringLiteral("000_say hi"), QStringLiteral("001_Free"), QStringLiteral("002_Mutants, day 3"),
                           QStringLiteral("003_Free")}));

    EXPECT_FALSE(SaveWellGroups(tmp.folder(), QStringLiteral("missing"), g)); // silent, no folder made
    EXPECT_FALSE(QFileInfo::exists(tmp.path(QStringLiteral("reports/missing"))));
}

TEST(WellGroupFile, LinesOutsideTheTablesAreSkippedAndLowValuesClamped)
{
    TempProgramFolder tmp;
    writeBytes(tmp.path(QStringLiteral("reports/proj/chgroup.dat")),
               "anything\n"
               "5,1,\"A\"\n"
               "385,1,\"past the wells\"\n"
               "6,385,\"past the groups\"\n"
               "99999999999,1,\"huge\"\n"
               "7 no commas\n"
               "8,2\n"
               "-4,-7,\"clamped\"\n"
               "9,3,\"\"\n"
               "10,3,Last, with comma\n");
    WellGroupTable g;
    LoadWellGroups(tmp.folder(), QStringLiteral("proj"), g);
    EXPECT_EQ(g.wellGroup[5], 1);
    EXPECT_EQ(g.groupName[1], QStringLiteral("A"));
    EXPECT_EQ(g.wellGroup[6], -1);
    EXPECT_EQ(g.wellGroup[7], -1);
    EXPECT_EQ(g.wellGroup[8], -1);
    EXPECT_EQ(g.wellGroup[0], -1); // well -4 taken as 0, group -7 as -1
    EXPECT_EQ(g.wellGroup[9], 3);
    EXPECT_EQ(g.wellGroup[10], 3);
    EXPECT_EQ(g.groupName[3], QStringLiteral("Last, with comma")); // the later line wins
    EXPECT_EQ(g.groupName[384], QStringLiteral("Free"));
}

TEST(AutoArrange, BlocksRunDownEachBlockColumnThenAcross)
{
    WellGroupTable g;
    g.groupName[7] = QStringLiteral("lost");
    g.wellGroup[30] = 7;
    QList<int> redrawn;
    std::optional<GroupComboList> list =
        AutoArrangeWellGroups(g, 4, 6, QStringLiteral("02x03 [RowsxColumn]"), [&](int w) { redrawn << w; });
    ASSERT_TRUE(list);
    // w24, wells down the columns: A1=0 B1=1 C1=2 D1=3, A2=4 ...
    const int expected[24] = {0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 2, 2, 3, 3, 2, 2, 3, 3, 2, 2, 3, 3};
    for (int w = 0; w < 24; ++w)
        EXPECT_EQ(g.wellGroup[w], expected[w]) << w;
    EXPECT_EQ(g.wellGroup[30], -1);
    EXPECT_EQ(g.groupName[7], QStringLiteral("Free"));
    EXPECT_EQ(list->entries, (QStringList{QStringLiteral("000_Group0"), QStringLiteral("001_Group1"),
                                          QStringLiteral("002_Group2"), QStringLiteral("003_Group3"),
                                          QStringLiteral("004_Free")}));
    EXPECT_EQ(list->currentIndex, 0);
    ASSERT_EQ(redrawn.size(), 24);
    EXPECT_EQ(redrawn.mid(0, 3), (QList<int>{0, 4, 8})); // rows outer

    list = AutoArrangeWellGroups(g, 8, 12, QStringLiteral("01x01 [RowsxColumn]"));
    for (int w = 0; w < 96; ++w)
        EXPECT_EQ(g.wellGroup[w], w);
    EXPECT_EQ(g.groupName[8], QStringLiteral("Group8"));
    EXPECT_EQ(g.groupName[95], QStringLiteral("Group95"));
    EXPECT_EQ(list->entries.size(), 97);

    AutoArrangeWellGroups(g, 8, 12, QStringLiteral("08x12 [RowsxColumn]"));
    EXPECT_EQ(g.wellGroup[95], 0);
    EXPECT_EQ(g.groupName[1], QStringLiteral("Free"));

    EXPECT_FALSE(AutoArrangeWellGroups(g, 8, 12, QString())); // no shape: nothing changes
    EXPECT_EQ(g.wellGroup[95], 0);
}

TEST(GroupEditing, RenameAndClearFollowTheirAnswers)
{
    WellGroupTable g;
    g.wellGroup[0] = 1;
    GroupComboList list = RefreshGroupCombo(g, 1);
    ASSERT_EQ(list.currentIndex, 1);
    ScriptedPrompts prompts;
    prompts.inputs = {QStringLiteral("Controls"), QString()};

    ASSERT_TRUE(renameGroup(g, list, prompts));
    EXPECT_EQ(list.entries.at(1), QStringLiteral("001_Controls"));
    EXPECT_EQ(g.groupName[1], QStringLiteral("Controls"));
    ASSERT_TRUE(renameGroup(g, list, prompts)); // empty answer: "Free"
    EXPECT_EQ(list.entries.at(1), QStringLiteral("001_Free"));
    EXPECT_EQ(g.groupName[1], QStringLiteral("Free"));
    EXPECT_EQ(prompts.inputPrompts, (QStringList{QStringLiteral("Enter Group Name"), QStringLiteral("Enter Group Name")}));

    prompts.answers = {PromptAnswer::No, PromptAnswer::Yes};
    EXPECT_FALSE(clearWellGroups(g, 2, 3, prompts));
    EXPECT_EQ(g.wellGroup[0], 1);
    const std::optional<GroupComboList> cleared = clearWellGroups(g, 2, 3, prompts);
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->entries, QStringList{QStringLiteral("000_Free")});
    EXPECT_EQ(g.wellGroup[0], -1);
    EXPECT_EQ(prompts.questions.first(), QStringLiteral("Do you like to Clear Group lists?"));
}
