#include "core/Console.h"
#include "plate/pixelsets/ApplyPixelSet.h"
#include "plate/pixelsets/PixelMask.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "plate/pixelsets/PixelSetMerge.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

// "Apply to all": the grid sets merged, the merged files, mask 0 and the hand-over to flash.
namespace {

PixelSetRegion block(int first, int last)
{
    PixelSetRegion region;
    for (int line = first; line <= last; ++line)
        for (int pixel = first; pixel <= last; ++pixel)
            region.mark(line, pixel);
    return region;
}

int row(int line, int pixel) { return 1 + line * 190 + pixel; }

int enabledCount(const PixelMask& mask)
{
    int n = 0;
    for (int pixel = 0; pixel < PixelMask::kCells; ++pixel)
        for (int line = 0; line < PixelMask::kCells; ++line)
            n += mask.enabled(0, pixel, line) ? 1 : 0;
    return n;
}

struct ApplyBench {
    // Two overlapping sets: "a2" over lines and pixels 0 to 20, "B1" over 10 to 30.
    // Without regard to case "a2" comes first, so "B1" takes the pixels they share.
    void writeTwoSets()
    {
        ASSERT_TRUE(WritePixelSetFiles(folder.folder(), "a2", block(0, 20)));
        ASSERT_TRUE(WritePixelSetFiles(folder.folder(), "B1", block(10, 30)));
    }
    PixelSetApply apply(std::initializer_list<PromptAnswer> answers)
    {
        prompts.answers = answers;
        return ApplyPixelSets(folder.folder(), prompts, console, mask, [this] { ++sends; });
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    MemoryConsole console;
    PixelMask mask;
    int sends = 0;
};

TEST(PixelSetMerge, ALaterSetInNameOrderTakesThePixelsTwoSetsShare)
{
    ApplyBench b;
    b.writeTwoSets();
    const PixelSetMerge merge = MergePixelSets(b.folder.folder());
    EXPECT_EQ(merge.setNames(), QStringList({"a2", "B1"}));
    EXPECT_EQ(merge.label(5, 5), "a2");
    EXPECT_EQ(merge.label(15, 15), "B1"); // in both
    EXPECT_EQ(merge.label(25, 30), "B1");
    EXPECT_EQ(merge.label(6, 5), "0"); // in a2, but off the grid
    EXPECT_EQ(merge.label(35, 35), "0");
}

TEST(ApplyPixelSets, MergesWritesSetsMaskZeroAndHandsItOn)
{
    ApplyBench b;
    b.writeTwoSets();
    b.mask.set(0, 1, 1, true); // an earlier mask is replaced
    b.mask.set(1, 1, 1, true); // other slots are not touched

    const PixelSetApply apply = b.apply({PromptAnswer::Yes, PromptAnswer::Yes});

    EXPECT_EQ(b.prompts.questions,
              QStringList({"are you sure to Apply configuration?", "2 files integrated. Send to Flash?"}));
    // 25 grid points in each set, 9 of them shared.
    EXPECT_EQ(apply.activatedChannels, 41);
    EXPECT_EQ(b.prompts.messages, QStringList({"Number of activated channels=41"}));
    EXPECT_EQ(b.console.status(), "Sending to flash...");
    EXPECT_EQ(b.sends, 1);
    EXPECT_EQ(enabledCount(b.mask), 41);
    EXPECT_TRUE(b.mask.enabled(0, 15, 15));
    EXPECT_TRUE(b.mask.enabled(0, 30, 25));
    EXPECT_FALSE(b.mask.enabled(0, 1, 1));
    EXPECT_TRUE(b.mask.enabled(1, 1, 1));

    const QStringList wells = fileLines(b.folder.path("w96f_c0_wells.dat"));
    const QStringList flash = fileLines(b.folder.path("w96f_c0_flash.dat"));
    ASSERT_EQ(wells.size(), 26602);
    ASSERT_EQ(flash.size(), 26602);
    EXPECT_EQ(wells.first(), "\"line\",\"pixel\",\"enabled\"");
    EXPECT_EQ(flash.first(), "\"line\",\"pixel\",\"enabled\"");
    EXPECT_EQ(wells.at(row(5, 5)), "5,5,a2");
    EXPECT_EQ(wells.at(row(15, 15)), "15,15,B1");
    EXPECT_EQ(wells.at(row(5, 6)), "5,6,0");
    EXPECT_EQ(flash.at(row(15, 15)), "15,15,1");
    EXPECT_EQ(flash.at(row(5, 6)), "5,6,0");
    EXPECT_EQ(flash.filter(QRegularExpression(",1$")).size(), 41);
}

TEST(ApplyPixelSets, EachNoStopsWhereItIsAnswered)
{
    struct Case {
        const char* name;
        std::initializer_list<PromptAnswer> answers;
        bool mergedFiles;
    };
    const Case cases[] = {
        {"no to applying", {PromptAnswer::No}, false},
        {"no to sending", {PromptAnswer::Yes, PromptAnswer::No}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ApplyBench b;
        b.writeTwoSets();
        b.mask.set(0, 1, 1, true);
        const PixelSetApply apply = b.apply(c.answers);
        EXPECT_FALSE(apply.sent);
        EXPECT_EQ(b.sends, 0);
        EXPECT_EQ(enabledCount(b.mask), 1); // mask 0 as it was
        EXPECT_TRUE(b.prompts.messages.isEmpty());
        EXPECT_TRUE(b.console.status().isEmpty());
        EXPECT_EQ(QFileInfo::exists(b.folder.path("w96f_c0_wells.dat")), c.mergedFiles);
        EXPECT_EQ(QFileInfo::exists(b.folder.path("w96f_c0_flash.dat")), c.mergedFiles);
    }
}

TEST(ApplyPixelSets, NoSetFileOffersAnEmptyMask)
{
    ApplyBench b;
    b.mask.set(0, 1, 1, true);
    const PixelSetApply apply = b.apply({PromptAnswer::Yes, PromptAnswer::Yes});
    EXPECT_EQ(apply.files, 0);
    EXPECT_EQ(b.prompts.questions.last(), "0 files integrated. Send to Flash?");
    EXPECT_EQ(b.prompts.messages, QStringList({"Number of activated channels=0"}));
    EXPECT_FALSE(QFileInfo::exists(b.folder.path("w96f_c0_wells.dat")));
    EXPECT_FALSE(QFileInfo::exists(b.folder.path("w96f_c0_flash.dat")));
    EXPECT_EQ(enabledCount(b.mask), 0);
    EXPECT_EQ(b.sends, 1);
}

TEST(ApplyPixelSets, RowsOutsideTheGridAreSkipped)
{
    ApplyBench b;
    ASSERT_TRUE(writeBytes(b.folder.path("w96f_c0__C3.dat"), "\"line\",\"pixel\",\"enabled\"\r\n"
                                                             "300,5,1\r\n"
                                                             "5,-3,1\r\n"
                                                             "191,0,1\r\n"
                                                             "139,189,1\r\n"
                                                             "140,0,1\r\n")); // beyond the sensor frame
    const PixelSetApply apply = b.apply({PromptAnswer::Yes, PromptAnswer::Yes});
    EXPECT_EQ(apply.files, 1);
    EXPECT_EQ(apply.activatedChannels, 1);
    EXPECT_EQ(b.prompts.messages, QStringList{"Number of activated channels=1"});
    EXPECT_TRUE(b.mask.enabled(0, 189, 139));
    EXPECT_EQ(fileLines(b.folder.path("w96f_c0_wells.dat")).at(row(139, 189)), "139,189,C3");
}

} // namespace
