#include "plate/pixelsets/PixelFlagFile.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

// The two files of a pixel set, their names and "Reset all".
namespace {

// Lines first to last, pixels first to last.
PixelSetRegion block(int firstLine, int lastLine, int firstPixel, int lastPixel)
{
    PixelSetRegion region;
    for (int line = firstLine; line <= lastLine; ++line)
        for (int pixel = firstPixel; pixel <= lastPixel; ++pixel)
            region.mark(line, pixel);
    return region;
}

TEST(PixelSetFiles, NamesOfASet)
{
    EXPECT_EQ(pixelSetName("C", "7"), "C7");
    EXPECT_EQ(fullSetFileName("C7"), "w96f_c0full__C7.dat");
    EXPECT_EQ(gridSetFileName("H12"), "w96f_c0__H12.dat");
    EXPECT_EQ(setNameOfGridFile("w96f_c0__C7.dat"), "C7");
    EXPECT_EQ(setNameOfGridFile("W96F_C0__h12.DAT"), "h12");
}

TEST(PixelSetFiles, TheFullFileHoldsTheRegionAndTheGridFileItsPointsOnTheFivePixelGrid)
{
    TempProgramFolder folder;
    // Lines 3 to 12, pixels 7 to 16, and cells outside the sensor frame, which no file holds.
    PixelSetRegion region = block(3, 12, 7, 16);
    region.mark(140, 190);
    region.mark(141, 191);
    ASSERT_TRUE(WritePixelSetFiles(folder.folder(), "C7", region));

    const QStringList full = fileLines(folder.path("w96f_c0full__C7.dat"));
    const QStringList grid = fileLines(folder.path("w96f_c0__C7.dat"));
    for (const QStringList& lines : {full, grid}) {
        ASSERT_EQ(lines.size(), 1 + 26600 + 1); // header, rows, nothing after the last CRLF
        EXPECT_EQ(lines.first(), "\"line\",\"pixel\",\"enabled\"");
        EXPECT_EQ(lines.at(1), "0,0,0");
        EXPECT_EQ(lines.at(190), "0,189,0");
        EXPECT_EQ(lines.at(191), "1,0,0");
        EXPECT_EQ(lines.at(26600), "139,189,0");
        EXPECT_TRUE(lines.last().isEmpty());
    }
    const auto row = [](int line, int pixel) { return 1 + line * 190 + pixel; };
    EXPECT_EQ(full.at(row(3, 7)), "3,7,1");
    EXPECT_EQ(full.at(row(12, 16)), "12,16,1");
    EXPECT_EQ(full.at(row(2, 10)), "2,10,0");
    EXPECT_EQ(full.at(row(12, 17)), "12,17,0");
    EXPECT_EQ(full.filter(QRegularExpression(",1$")).size(), 100);

    // Grid points in the region: lines 5 and 10, pixels 10 and 15.
    EXPECT_EQ(grid.filter(QRegularExpression(",1$")),
              QStringList({"5,10,1", "5,15,1", "10,10,1", "10,15,1"}));
}

TEST(PixelSetFiles, GridSubsetStopsAtLine135AndPixel185)
{
    const PixelSetRegion grid = gridSubset(block(0, 141, 0, 191));
    EXPECT_TRUE(grid.at(0, 0));
    EXPECT_TRUE(grid.at(135, 185));
    EXPECT_FALSE(grid.at(140, 185));
    EXPECT_FALSE(grid.at(135, 190));
    EXPECT_FALSE(grid.at(5, 6));
    EXPECT_EQ(grid.count(), 28 * 38);
}

TEST(PixelSetFiles, ResetAllDeletesTheSetFilesAfterTheQuestion)
{
    struct Case {
        const char* name;
        QStringList files;
        PromptAnswer answer;
        QStringList messages;
        QStringList left;
    };
    const QStringList sets{"w96f_c0__A1.dat", "w96f_c0__B2.dat", "W96F_C0__c3.DAT", "w96f_c0full__A1.dat",
                           "w96f_c0full__B2.dat"};
    // Files of the same family that are no set files.
    const QStringList others{"w96f_c0_wells.dat", "w96f_c0_flash.dat", "flash0.dat"};
    const Case cases[] = {
        {"yes", sets + others, PromptAnswer::Yes, {"3 bin files and 2well files deleted"}, others},
        {"no", sets + others, PromptAnswer::No, {}, sets + others},
        {"nothing to delete", others, PromptAnswer::Yes, {"0 bin files and 0well files deleted"}, others},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        for (const QString& f : c.files)
            ASSERT_TRUE(writeBytes(folder.path(f), "x\r\n"));
        ScriptedPrompts prompts;
        prompts.answers = {c.answer};
        const PixelSetReset reset = ResetPixelSets(folder.folder(), prompts);
        EXPECT_EQ(prompts.questions, QStringList({"are you sure to Reinicialize?"}));
        EXPECT_EQ(prompts.messages, c.messages);
        EXPECT_EQ(reset.confirmed, c.answer == PromptAnswer::Yes);
        QStringList left = QDir(folder.path()).entryList(QDir::Files);
        QStringList expected = c.left;
        left.sort();
        expected.sort();
        EXPECT_EQ(left, expected);
    }
}

TEST(PixelFlagFile, RowsThatAreNoThreeNumbersAreSkipped)
{
    TempProgramFolder folder;
    const QString path = folder.path("rows.dat");
    ASSERT_TRUE(writeBytes(path, "\"line\",\"pixel\",\"enabled\"\r\n"
                                 "5,7,1\r\n"
                                 "\r\n"
                                 "5,8\r\n"
                                 "a,8,1\r\n"
                                 "5,8,x\r\n"
                                 "40000,8,1\n"
                                 " 6 , 9 , -1 \r\n"
                                 "7,10,0"));
    QStringList rows;
    ASSERT_TRUE(readPixelFlagRows(path, [&](const PixelFlagRow& r) {
        rows << QStringLiteral("%1/%2/%3").arg(r.line).arg(r.pixel).arg(r.flag);
    }));
    EXPECT_EQ(rows, QStringList({"5/7/1", "6/9/-1", "7/10/0"}));
    EXPECT_FALSE(readPixelFlagRows(folder.path("missing.dat"), [](const PixelFlagRow&) {}));
}

} // namespace
