#include "projects/RecordedRunTree.h"
#include "projects/RunList.h"
#include "projects/SubpjInfo.h"

#include <gtest/gtest.h>

namespace {

QStringList texts(const RunListing& listing)
{
    QStringList out;
    for (const RunListLine& line : listing.lines)
        out << line.text;
    return out;
}

TEST(RunList, ProjectsCollapsedShowTheirOldestRunDate)
{
    TempProgramFolder tmp;
    writeListFixtureTree(tmp);
    const RunListing listing = ListProjects(tmp.folder(), {});
    // The empty project gets no line.
    EXPECT_EQ(texts(listing), QStringList{QStringLiteral("+ 2024.0115\tp20240110_ab")});
    EXPECT_TRUE(listing.lastListedProjectFolder.isEmpty());
}

TEST(RunList, ExpandedProjectListsRecordedRunsOldestFirst)
{
    TempProgramFolder tmp;
    writeListFixtureTree(tmp);
    const RunListing listing = ListProjects(tmp.folder(), {QStringLiteral("p20240110_ab")});
    // The broken folder has no current_activity.txt; the unnamed run has no subpj.dat.
    EXPECT_EQ(texts(listing), (QStringList{QStringLiteral("+ 2024.0115\tp20240110_ab"),
                                           QStringLiteral("  > 2024.0115\t ACQ14:30 \"mice\""),
                                           QStringLiteral("  > 2024.0301\t ACQ09:00 \"\"")}));
    ASSERT_EQ(listing.lines.size(), 3u);
    EXPECT_EQ(listing.lines[1].kind, RunListLine::Kind::Run);
    EXPECT_EQ(listing.lines[1].runFolderName, QStringLiteral("20240115_143022mice"));
    EXPECT_EQ(listing.lines[2].runFolderName, QStringLiteral("20240301_090000"));
    EXPECT_EQ(listing.lines[2].projectName, QStringLiteral("p20240110_ab"));
    EXPECT_EQ(listing.lastListedProjectFolder, tmp.path(QStringLiteral("reports/p20240110_ab")));
}

TEST(RunList, FolderWithoutActivityFileStillDatesTheProject)
{
    TempProgramFolder tmp;
    writeRecordedRun(tmp, QStringLiteral("proj"), QStringLiteral("20231231_235959late"),
                     "<Write Acquisition Name>\r\nacq_time=5\r\nplate_format=w6\r\n", "0.1 \"A1\" 0\r\n");
    QDir().mkpath(tmp.path(QStringLiteral("reports/proj/20230101_000000")));
    const RunListing listing = ListProjects(tmp.folder(), {QStringLiteral("proj")});
    EXPECT_EQ(texts(listing), (QStringList{QStringLiteral("+ 2023.0101\tproj"),
                                           QStringLiteral("  > 2023.1231\t ACQ23:59 \"<Write Acquisition Name>\"")}));
}

TEST(RunList, ExpandedNameOfAVanishedProjectExpandsNothingElse)
{
    TempProgramFolder tmp;
    writeListFixtureTree(tmp);
    writeRecordedRun(tmp, QStringLiteral("aaa_first"), QStringLiteral("20240101_000000"), "x\r\n", "");
    // A project added in front of the expanded one does not take its fold state.
    const RunListing listing = ListProjects(tmp.folder(), {QStringLiteral("p20240110_ab"), QStringLiteral("gone")});
    EXPECT_EQ(texts(listing).size(), 4);
    EXPECT_EQ(listing.lines[0].text, QStringLiteral("+ 2024.0101\taaa_first"));
    EXPECT_EQ(listing.lines[1].kind, RunListLine::Kind::Project);
}

TEST(SubpjReaders, EachPartOrEmpty)
{
    struct Case {
        const char* name;
        QByteArray file; // empty: no subpj.dat
        const char* firstLine;
        const char* blankList;
        const char* blankLoad;
    };
    const Case cases[] = {
        {"complete", "mice\r\nacq_time=30\r\nplate_format=w6\r\n", "mice", "mice", "30"},
        {"time with letters", "mice\r\nacq_time=30ab\r\nplate_format=w6\r\n", "mice", "", ""},
        {"no time key", "mice\r\n30\r\nplate_format=w6\r\n", "mice", "mice", ""},
        {"one line", "only\r\n", "only", "only", ""},
        {"no file", "", "", "", ""},
    };
    for (const Case& c : cases) {
        TempProgramFolder tmp;
        const QString run = tmp.path(QStringLiteral("reports/p1/20240101_000000"));
        QDir().mkpath(run);
        if (!c.file.isEmpty()) {
            ASSERT_TRUE(writeFile(run + QStringLiteral("/subpj.dat"), c.file));
        }
        EXPECT_EQ(ReadSubpjFirstLine(run), QString::fromLatin1(c.firstLine)) << c.name;
        EXPECT_EQ(ReadSubpjInfoBlankList(run), QString::fromLatin1(c.blankList)) << c.name;
        EXPECT_EQ(ReadSubpjInfoBlankLoad(run), QString::fromLatin1(c.blankLoad)) << c.name;
    }
}

} // namespace
