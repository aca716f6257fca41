#include "advanced/AdvancedPixelSets.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <QFileInfo>

#include <cmath>
#include <gtest/gtest.h>

// The advanced page's pixel sets: its two build modes and "Apply to all"
// into its own mask, sent to the simulated instrument.
namespace {

PictureCanvas pagePicture()
{
    PictureCanvas canvas(182 * 3, 143 * 3);
    canvas.setScale(0, 0, 182, 143);
    return canvas;
}

// Plane 1 of the page's buffer: a bright disc around pixel 60, line 50.
FrameImage discFrame()
{
    FrameImage image;
    for (int x = 1; x <= 183; ++x)
        for (int y = 0; y < 144; ++y)
            image.set(1, x, y, std::hypot(x - 60, y - 50) <= 15 ? 220 : 30);
    return image;
}

TEST(AdvancedPixelSets, Frame8SwitchesBetweenRectangleAndRaySearch)
{
    AdvancedPixelSets sets;
    EXPECT_EQ(selectionIndicatorFill(sets.selectionMode), PictureCanvas::FillStyle::Solid); // rectangle mode at load
    EXPECT_EQ(advanced::switchPixelSetMode(sets), PictureCanvas::FillStyle::Transparent);
    EXPECT_EQ(sets.selectionMode, kCircleSelection);
    EXPECT_EQ(advanced::switchPixelSetMode(sets), PictureCanvas::FillStyle::Solid);
    EXPECT_EQ(sets.selectionMode, 0);
}

TEST(AdvancedPixelSets, EachModeBuildsFromWhatThePictureGave)
{
    struct Case {
        const char* name;
        int mode;
        QPointF press;
        QPointF release;
        QString inRow;  // a row of the full file inside the set
        QString outRow; // and one outside
    };
    const Case cases[] = {
        // Cells 10,20 to 30,28: centre 20,24, 20 wide, 8 high.
        {"rectangle", 0, {10.2, 20.7}, {30.9, 28.1}, "\r\n24,12,1\r\n", "\r\n24,9,0\r\n"},
        {"ray search", kCircleSelection, {60.5, 50.5}, {60.5, 50.5}, "\r\n50,60,1\r\n", "\r\n50,80,0\r\n"},
    };
    const FrameImage frame = discFrame();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        PictureCanvas picture = pagePicture();
        AdvancedPixelSets sets;
        sets.selectionMode = c.mode;
        // Before anything was picked on the picture, "set" builds nothing.
        EXPECT_FALSE(advanced::buildPixelSet(sets, picture, frame, "1", folder.folder(), "E", "5"));

        advanced::takePixelSetDrag(sets, c.press, c.release);
        EXPECT_EQ(advanced::buildPixelSet(sets, picture, frame, "1", folder.folder(), "E", "5"),
                  PixelSetBuildOutcome::Written);
        const QByteArray full = fileBytes(folder.path("w96f_c0full__E5.dat"));
        EXPECT_TRUE(full.contains(c.inRow.toLatin1()));
        EXPECT_TRUE(full.contains(c.outRow.toLatin1()));
        EXPECT_TRUE(QFileInfo::exists(folder.path("w96f_c0__E5.dat")));
    }
}

TEST(AdvancedPixelSets, TheRaySearchNeedsACameraWithAFrame)
{
    TempProgramFolder folder;
    PictureCanvas picture = pagePicture();
    AdvancedPixelSets sets;
    sets.selectionMode = kCircleSelection;
    advanced::takePixelSetDrag(sets, {60.5, 50.5}, {60.5, 50.5});
    EXPECT_FALSE(advanced::buildPixelSet(sets, picture, discFrame(), "7", folder.folder(), "A", "1"));
    EXPECT_FALSE(QFileInfo::exists(folder.path("w96f_c0__A1.dat")));
}

using AdvancedApplySim = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST_F(AdvancedApplySim, ApplyToAllSendsThePagesMaskToTheInstrument)
{
    connect();
    PictureCanvas picture = pagePicture();
    AdvancedPixelSets sets;
    advanced::takePixelSetDrag(sets, {10.2, 20.7}, {30.9, 28.1});
    ASSERT_EQ(advanced::buildPixelSet(sets, picture, FrameImage(), "0", folder.folder(), "B", "2"),
              PixelSetBuildOutcome::Written);

    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    const PixelSetApply apply = advanced::applyPixelSets(ctx, folder.folder(), sets);

    // The rectangle's points on the 5-pixel grid: line 25 at pixels 10 to 30,
    // and line 20 at pixel 20 only, its corners being cut.
    EXPECT_EQ(apply.activatedChannels, 6);
    EXPECT_EQ(prompts.messages, QStringList({"Number of activated channels=6", "quantity activated=6"}));
    EXPECT_TRUE(sets.setPixelMask.enabled(0, 20, 25));
    const SimPixelMasks kept = sim.state().pixelMasks;
    EXPECT_EQ(kept.enabledCount(0), 6);
    EXPECT_TRUE(kept.enabled(0, 25, 10));
    EXPECT_TRUE(kept.enabled(0, 25, 30));
    EXPECT_TRUE(kept.enabled(0, 20, 20));
    EXPECT_FALSE(kept.enabled(0, 20, 15));
    EXPECT_TRUE(fileBytes(folder.path("flash0.dat")).contains("\r\n25,20,1\r\n"));
    EXPECT_EQ(console.commText(), "rcv(140):70/70");
    EXPECT_FALSE(globals.flashBusy);
}

TEST_F(AdvancedApplySim, ApplyToAllDoesNothingWhileAFlashTransferRuns)
{
    connect();
    AdvancedPixelSets sets;
    globals.flashBusy = true;
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    const PixelSetApply apply = advanced::applyPixelSets(ctx, folder.folder(), sets);
    EXPECT_FALSE(apply.confirmed);
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_EQ(prompts.answers.size(), 2u); // the Yes answers were never asked for
    prompts.answers.clear();
    EXPECT_EQ(sim.totalCommandCount(), 0);
    EXPECT_TRUE(globals.flashBusy);
}

} // namespace
