#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(ProgramFolder, NamesOfTheProgramsFolders)
{
    const ProgramFolder f(QStringLiteral("/prog"));
    EXPECT_EQ(ProgramFolder::unitFolderName(12), QStringLiteral("config_SN12"));
    EXPECT_EQ(ProgramFolder::unitFolderName(0), QStringLiteral("config"));
    EXPECT_EQ(f.unitFolder(7), QStringLiteral("/prog/config_SN7"));
    EXPECT_EQ(f.internalReferenceFolder(7), QStringLiteral("/prog/reports/_internal_referenceSN7"));
    EXPECT_EQ(f.blankMeasurementFolder(0), QStringLiteral("/prog/reports/_internal_blank_measurement"));
}

TEST(ProgramFolder, FindsExistingEntriesWhateverTheirCase)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(QDir(tmp.path()).mkpath(QStringLiteral("config_sn12/Sub")));
    QFile f(tmp.path() + QStringLiteral("/config_sn12/Sub/W6_COL.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    EXPECT_EQ(tmp.folder().unitFolder(12), tmp.path() + QStringLiteral("/config_sn12"));
    EXPECT_EQ(tmp.path(QStringLiteral("CONFIG_SN12/sub/w6_col.dat")),
              tmp.path() + QStringLiteral("/config_sn12/Sub/W6_COL.dat"));
    // Missing parts keep the case they were asked with.
    EXPECT_EQ(tmp.path(QStringLiteral("config_SN12/New/x.dat")),
              tmp.path() + QStringLiteral("/config_sn12/New/x.dat"));

    ASSERT_TRUE(makeFolder(tmp.path() + QStringLiteral("/CONFIG_SN12")));
    EXPECT_EQ(listFolder(tmp.path(), QStringLiteral("config*"), QDir::Dirs), QStringList{QStringLiteral("config_sn12")});
}

TEST(ProgramFolder, ListingIsSortedIgnoringCaseAndFilteredByPattern)
{
    TempProgramFolder tmp;
    for (const char* name : {"b_spc.dat", "A_spc.dat", "c.txt", "20260101_101010x", "2026_1"}) {
        QFile f(tmp.path() + QLatin1Char('/') + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(listFolder(tmp.path(), QStringLiteral("*_spc.dat")),
              (QStringList{QStringLiteral("A_spc.dat"), QStringLiteral("b_spc.dat")}));
    EXPECT_EQ(listFolder(tmp.path(), QStringLiteral("????????_??????*")),
              QStringList{QStringLiteral("20260101_101010x")});
    EXPECT_EQ(listFolder(tmp.path()).size(), 5);
}

TEST(DosPattern, WildcardsAndCase)
{
    const struct { const char* pattern; const char* name; bool match; } cases[] = {
        {"*_spc.dat", "w6_SPC.DAT", true}, {"*_spc.dat", "w6_spc.dat.bak", false},
        {"????????_??????*", "20260101_101010", true}, {"????????_??????*", "2026010_101010", false},
        {"*.*", "noext", true}, {"*.*", "a.b", true}, {"a?c", "abc", true}, {"a?c", "ac", false},
        {"*", "", true}, {"p*", "q", false}, {"*a*b*", "xxaYYbZ", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesDosPattern(QString::fromLatin1(c.pattern), QString::fromLatin1(c.name)), c.match)
            << c.pattern << " " << c.name;
}
