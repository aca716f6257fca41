#include "acquisition/layout/MainWindowLayout.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    const char* name;
    double left, top, width, height;
};

void expectBox(const MainWindowLayout& layout, const Box& b)
{
    SCOPED_TRACE(b.name);
    const ControlPlacement* p = layout.find(b.name);
    ASSERT_NE(p, nullptr);
    EXPECT_DOUBLE_EQ(p->left, b.left);
    EXPECT_DOUBLE_EQ(p->top, b.top);
    ASSERT_TRUE(p->width && p->height);
    EXPECT_DOUBLE_EQ(*p->width, b.width);
    EXPECT_DOUBLE_EQ(*p->height, b.height);
}

TEST(MainWindowLayout, TwelveThousandByNineThousandTwips)
{
    const MainWindowLayout layout = LayoutMainWindow(12000, 9000);
    EXPECT_EQ(layout.units.marginLeft, 600);
    EXPECT_EQ(layout.units.marginTop, 225);
    EXPECT_EQ(layout.units.columnUnit, 1800);
    EXPECT_EQ(layout.units.rowUnit, 394); // 393.75
    expectBox(layout, {"frame_main", 825, 914.5, 7740, 5910});
    expectBox(layout, {"Frame_menu", 8700, 914.5, 2250, 5910});
    expectBox(layout, {"Shape5", 598, 223, 10804, 7687});
    // Placed from the window's corner, without the margins.
    expectBox(layout, {"frameblank", 3060, 1654.8, 4860, 2856.5});
    expectBox(layout, {"Frame_tcycle", 936, 5988.8, 1512, 1536.6});
    // Overlays keep their designed size.
    const ControlPlacement* report = layout.find("Frm_report");
    ASSERT_NE(report, nullptr);
    EXPECT_DOUBLE_EQ(report->left, 4200);
    EXPECT_DOUBLE_EQ(report->top, 1407);
    EXPECT_FALSE(report->width.has_value());
    EXPECT_FALSE(report->height.has_value());
    const ControlPlacement* calibrate = layout.find("frm_calibrate");
    ASSERT_NE(calibrate, nullptr);
    EXPECT_DOUBLE_EQ(calibrate->left, 3600);
    EXPECT_DOUBLE_EQ(calibrate->top, 5653.9);
    // Only the width of the status line is the rule's.
    const ControlPlacement* status = layout.find("txt_status");
    ASSERT_NE(status, nullptr);
    EXPECT_DOUBLE_EQ(*status->width, 5850);
    EXPECT_FALSE(status->height.has_value());
    ASSERT_FALSE(layout.lines.empty());
    EXPECT_EQ(layout.lines[0].name, "Line5");
    EXPECT_DOUBLE_EQ(layout.lines[0].x1, 600);
    EXPECT_DOUBLE_EQ(layout.lines[0].x2, 11392);
    EXPECT_DOUBLE_EQ(layout.lines[0].y, 225 + 1.4 * 394 + 2);
}

TEST(MainWindowLayout, TooSmallInEitherDirectionIsTakenAsTheMinimum)
{
    const MainWindowLayout minimum = LayoutMainWindow(640, 480);
    EXPECT_EQ(minimum.units.layoutWidth, 640);
    EXPECT_EQ(minimum.units.layoutHeight, 480);
    EXPECT_EQ(minimum.units.marginLeft, 32);
    EXPECT_EQ(minimum.units.marginTop, 12);
    EXPECT_EQ(minimum.units.columnUnit, 96);
    EXPECT_EQ(minimum.units.rowUnit, 21);

    for (const auto& [w, h] : {std::pair{20000.0, 400.0}, {639.0, 9000.0}, {100.0, 100.0}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        const MainWindowLayout layout = LayoutMainWindow(w, h);
        EXPECT_EQ(layout.units.layoutWidth, 640);
        EXPECT_EQ(layout.units.layoutHeight, 480);
        ASSERT_EQ(layout.controls.size(), minimum.controls.size());
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            EXPECT_EQ(layout.controls[i].left, minimum.controls[i].left) << layout.controls[i].name;
            EXPECT_EQ(layout.controls[i].top, minimum.controls[i].top) << layout.controls[i].name;
            EXPECT_EQ(layout.controls[i].width, minimum.controls[i].width) << layout.controls[i].name;
        }
    }
    // 640 by 480 exactly is its own size, and a fraction rounds to the nearest twip first.
    EXPECT_EQ(ComputeLayoutUnits(640.4, 479.6).layoutHeight, 480);
    EXPECT_EQ(ComputeLayoutUnits(640.4, 479.4).layoutWidth, 640);
    EXPECT_EQ(ComputeLayoutUnits(700, 479.4).layoutWidth, 640);
}

TEST(MainWindowLayout, HalvesGoToTheEvenNeighbour)
{
    // (nearest(0.9 x 9200) - 230) / 20 = 402.5; (nearest(0.9 x 9223) - 231) / 20 = 403.5.
    EXPECT_EQ(ComputeLayoutUnits(12000, 9200).rowUnit, 402);
    EXPECT_EQ(ComputeLayoutUnits(12000, 9223).rowUnit, 404);
    // nearest(0.9 x 13350) / 6 = 12015 / 6 = 2002.5.
    EXPECT_EQ(ComputeLayoutUnits(13350, 9000).columnUnit, 2002);
}

TEST(MainWindowLayout, VeryLargeWindowDoesNotOverflow)
{
    // 4000 x 3000 pixels: 6C + mL and 18R + mT are beyond 16 bits.
    const MainWindowLayout layout = LayoutMainWindow(60000, 45000);
    EXPECT_EQ(layout.units.columnUnit, 9000);
    EXPECT_EQ(layout.units.rowUnit, 1969); // (40500 - 1125) / 20 = 1968.75
    expectBox(layout, {"Shape5", 2998, 1123, 54004, 38399.5});
    const ControlPlacement* txtIn = layout.find("txt_in");
    ASSERT_NE(txtIn, nullptr);
    EXPECT_DOUBLE_EQ(txtIn->top, 1125 + 18.5 * 1969);
    EXPECT_GT(txtIn->top, 32767);
}

TEST(MainWindowLayout, PlateRedrawOnlyWhenIdleWithTheCommandColumnAndPlateShown)
{
    EXPECT_TRUE(layoutRedrawsPlate(0, false, true, true));
    EXPECT_FALSE(layoutRedrawsPlate(1, false, true, true));
    EXPECT_FALSE(layoutRedrawsPlate(-1, false, true, true));
    EXPECT_FALSE(layoutRedrawsPlate(0, true, true, true));
    EXPECT_FALSE(layoutRedrawsPlate(0, false, false, true));
    EXPECT_FALSE(layoutRedrawsPlate(0, false, true, false));
}

TEST(MainWindowLayout, RedrawAllWellsGoesRowByRow)
{
    const std::vector<int> order = redrawAllWellsOrder(8, 12);
    ASSERT_EQ(order.size(), 96U);
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[1], 8);
    EXPECT_EQ(order[11], 88);  // A12
    EXPECT_EQ(order[12], 1);   // B1
    EXPECT_EQ(order[95], 95);  // H12
    EXPECT_TRUE(redrawAllWellsOrder(0, 0).empty());
}

} // namespace
