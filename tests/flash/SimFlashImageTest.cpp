#include "lib/FlashImage.h"

#include <gtest/gtest.h>

// Seeding and spoiling the simulated instrument's flash.
namespace {

QByteArray run(int size, int first)
{
    QByteArray b;
    for (int i = 0; i < size; ++i)
        b += static_cast<char>(first + i);
    return b;
}

TEST(SimFlashImage, EntriesGoInLineAfterLineAcrossPages)
{
    FlashMemory flash;
    // Two pages and a half from line 4 of bank 3, and a page of bank 1.
    const QByteArray section = run(240, 0);
    ASSERT_TRUE(seedFlash(flash, {{3, 4, section}, {1, 0, run(96, 7)}}));
    EXPECT_EQ(flash.page(3, 4), section.left(96));
    EXPECT_EQ(flash.page(3, 8), section.mid(96, 96));
    EXPECT_EQ(flash.page(3, 12), section.mid(192) + QByteArray(48, FlashMemory::kErased));
    EXPECT_EQ(flash.page(1, 0), run(96, 7));
    EXPECT_EQ(flash.page(3, 0), QByteArray(96, FlashMemory::kErased));

    // A entry reaching past its bank's last line, or into no bank, is not stored at all.
    EXPECT_FALSE(seedFlash(flash, {{0, 254, run(96, 1)}, {FlashMemory::kBanks, 0, run(24, 1)}}));
    EXPECT_EQ(flash.page(0, 252), QByteArray(96, FlashMemory::kErased));
}

TEST(SimFlashImage, PagesErasedOrSpoiledInTheMemory)
{
    FlashMemory flash;
    ASSERT_TRUE(seedFlash(flash, {{2, 4, run(192, 0)}}));

    ASSERT_TRUE(corruptFlashByte(flash, 2, 4, 95));
    QByteArray spoiled = run(96, 0);
    spoiled[95] = static_cast<char>(~95);
    EXPECT_EQ(flash.page(2, 4), spoiled);

    ASSERT_TRUE(eraseFlashPage(flash, 2, 4));
    EXPECT_EQ(flash.page(2, 4), QByteArray(96, FlashMemory::kErased));
    EXPECT_EQ(flash.page(2, 8), run(96, 96)); // the next page is untouched

    EXPECT_FALSE(corruptFlashByte(flash, 2, 4, 96));
    EXPECT_FALSE(eraseFlashPage(flash, -1, 4));
}

} // namespace
