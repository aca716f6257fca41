#include "analysis/OfflineLayout.h"

#include <gtest/gtest.h>

namespace {

// Units worked out by hand. 1280 x 800: w 1152, h 720, m 64, t 20, c 192, r 35.
TEST(ArrangeOfflineControls, MainWindowOf1280By800)
{
    const std::optional<OfflinePlaces> p = ArrangeOfflineControls({QSize(1280, 800), false});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->margin, 64);
    EXPECT_EQ(p->top, 20);
    EXPECT_EQ(p->column, 192);
    EXPECT_EQ(p->row, 35);
    EXPECT_EQ(p->Shape5, QRect(62, 18, 1156, 686)); // 19.5r + 4 = 686.5, halves to even
    EXPECT_EQ(p->Line5, QLine(64, 71, 1208, 71));
    EXPECT_EQ(p->lbl_status, QRect(98, 30, 96, 23));
    EXPECT_EQ(p->txt_status, QRect(174, 30, 701, -1));
    EXPECT_EQ(p->cmd_closeoffline, QRect(928, 30, 240, 23));
    EXPECT_EQ(p->Frm_report, QRect(448, 125, -1, -1));
    EXPECT_EQ(p->frame_offline, QRect(88, 81, 826, 315));
    EXPECT_EQ(p->Listpj, QRect(10, 35, 816, 228));
    EXPECT_EQ(p->cmd_report, QRect(634, 259, 192, 23));
    EXPECT_EQ(p->Picreal, QRect(280, 388, 634, 280));
    EXPECT_EQ(p->HScroll_time, QRect(280, 671, 518, 18)); // 18.6r = 651, 0.5r = 17.5
    EXPECT_EQ(p->combogrup, QRect(88, 440, 144, 175));
    EXPECT_EQ(p->opt_hetmap_color[2], QRect(10, 52, 96, -1)); // 1.5r = 52.5
}

// 600 x 800 is too narrow: both sizes become 640 x 480. w 576, h 432, m 32, t 12, c 96, r 21.
TEST(ArrangeOfflineControls, SmallMainWindowLaidOutAs640By480)
{
    const std::optional<OfflinePlaces> p = ArrangeOfflineControls({QSize(600, 800), false});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->column, 96);
    EXPECT_EQ(p->row, 21);
    EXPECT_EQ(p->Shape5, QRect(30, 10, 580, 414)); // 413.5 to even
    EXPECT_EQ(p->cmd_closeoffline, QRect(464, 18, 120, 14));
    EXPECT_EQ(p->Picreal, QRect(140, 232, 317, 168)); // 232.5 to even
    EXPECT_EQ(ArrangeOfflineControls({QSize(640, 479), false})->Picreal, p->Picreal);
}

TEST(ArrangeOfflineControls, MinimizedMainWindowPlacesNothing)
{
    EXPECT_FALSE(ArrangeOfflineControls({QSize(1280, 800), true}));
}

} // namespace
