#include "plate/pixelsets/PixelMask.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

// The mask files flash0.dat to flash5.dat read into the camera masks.
namespace {

int enabledCount(const PixelMask& mask, int slot)
{
    int n = 0;
    for (int pixel = 0; pixel < PixelMask::kCells; ++pixel)
        for (int line = 0; line < PixelMask::kCells; ++line)
            n += mask.enabled(slot, pixel, line) ? 1 : 0;
    return n;
}

TEST(PixelMask, GridBoundsReadDisabledAndTakeNoWrite)
{
    PixelMask mask;
    mask.set(6, 192, 192, true);
    EXPECT_EQ(mask.flag(6, 192, 192), -1);
    mask.set(7, 0, 0, true);
    mask.set(0, 193, 0, true);
    mask.set(0, 0, -1, true);
    EXPECT_EQ(mask.flag(7, 0, 0), 0);
    EXPECT_EQ(mask.flag(0, 193, 0), 0);
    EXPECT_EQ(enabledCount(mask, 0), 0);
    EXPECT_EQ(flashMaskFileName(0), "flash0.dat");
    EXPECT_EQ(flashMaskFileName(5), "flash5.dat");
}

TEST(LoadFlashPixelMasks, EachFileSetsTheCellsItNamesAndAMissingFileDisablesItsCamera)
{
    TempProgramFolder folder;
    ASSERT_TRUE(writeBytes(folder.path("flash0.dat"), "\"line\",\"pixel\",\"enabled\"\r\n"
                                                      "5,7,1\r\n"   // pixel 7 of line 5
                                                      "6,7,1\r\n"
                                                      "6,7,0\r\n"   // a later row wins
                                                      "8,9,-1\r\n"  // any flag but 0 enables
                                                      "3,4\r\n"     // no flag
                                                      "\r\n"
                                                      "200,4,1\r\n" // outside the grid
                                                      "4,-2,1\r\n"
                                                      "x,4,1\r\n"
                                                      "192,192,1\r\n"));
    PixelMask mask;
    // Cells the file does not name keep their value; other cameras' cells are cleared.
    mask.set(0, 100, 100, true);
    mask.set(0, 6 + 1, 3, true);
    for (int slot = 1; slot <= 5; ++slot)
        mask.set(slot, 10, 10, true);
    mask.set(6, 10, 10, true); // no file names slot 6

    LoadFlashPixelMasks(mask, folder.folder());

    EXPECT_TRUE(mask.enabled(0, 7, 5));
    EXPECT_FALSE(mask.enabled(0, 7, 6));
    EXPECT_TRUE(mask.enabled(0, 9, 8));
    EXPECT_TRUE(mask.enabled(0, 192, 192));
    EXPECT_TRUE(mask.enabled(0, 100, 100));
    EXPECT_TRUE(mask.enabled(0, 7, 3));
    EXPECT_EQ(enabledCount(mask, 0), 5);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(enabledCount(mask, slot), 0) << slot;
    EXPECT_TRUE(mask.enabled(6, 10, 10));
}

} // namespace
