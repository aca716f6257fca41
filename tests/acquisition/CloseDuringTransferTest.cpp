#include "FirstStartBench.h"

#include "flash/PixelMaskUpload.h"
#include "plate/pixelsets/PixelMask.h"

#include <gtest/gtest.h>

// Closing the main window while a mask upload runs: the upload ends at a block
// boundary, then the drives go off and the port closes.
namespace {

TEST(CloseDuringTransfer, TheUploadEndsAtABlockThenTheWindowCloses)
{
    FirstStartBench b;
    ASSERT_TRUE(makeFolder(b.folder.path(QStringLiteral("config_SN57"))));
    ASSERT_TRUE(b.startInstrument());
    b.sim->setSerialNumber(57);
    b.sim->setPacing(115200);
    auto window = std::make_unique<Frm_acquire>(
        AppContext{b.globals, b.folder.folder(), b.clock, b.prompts, b.opener, b.comm});
    window->Form_Load();
    ASSERT_TRUE(b.globals.portOpen);
    const size_t before = b.sim->receivedCommands().size();

    PixelMask mask;
    for (int line = 0; line < PixelMask::kSensorLines; ++line)
        mask.set(1, line % PixelMask::kSensorPixels, line, true);

    bool closed = false;
    b.clock.onTick = [&] {
        // Some blocks in, the user closes the window.
        if (!closed && b.sim->totalCommandCount() >= static_cast<int>(before) + 9) {
            closed = true;
            window->close();
            // Nothing of closing has happened yet: the upload still holds the port.
            EXPECT_TRUE(b.comm.isOpen(1));
        }
    };
    LinkContext link{b.globals, b.comm, b.clock, b.console, b.prompts};
    EXPECT_EQ(SendPixelMaskToFlash(link, mask, 1), -1);
    b.clock.onTick = nullptr;
    ASSERT_TRUE(closed);

    // Whole blocks in line order, then the drives off and no camera.
    const std::vector<SimCommand> all = b.sim->receivedCommands();
    size_t i = before;
    int line = 0;
    while (i < all.size() && all[i].letter == 'F') {
        ASSERT_LT(i + 1, all.size());
        EXPECT_EQ(all[i].b, line);
        EXPECT_TRUE(all[i].payload.isEmpty());
        EXPECT_EQ(all[i + 1].letter, 'F');
        EXPECT_EQ(all[i + 1].payload, PixelMaskBlock(mask, 1, line));
        i += 2;
        line += 4;
    }
    EXPECT_GE(line, 20);
    EXPECT_LT(line, 144); // ended before the last block
    std::vector<std::array<int, 3>> closing;
    for (; i < all.size(); ++i)
        closing.push_back({all[i].letter, all[i].a, all[i].b});
    const std::vector<std::array<int, 3>> drivesOff{{'T', 1, 0}, {'T', 2, 0}, {'T', 15, 0}, {'C', 6, 0}};
    EXPECT_EQ(closing, drivesOff);
    EXPECT_FALSE(b.globals.portOpen);
    EXPECT_FALSE(b.comm.isOpen(1));
    EXPECT_FALSE(b.comm.guard().held());
}

} // namespace
