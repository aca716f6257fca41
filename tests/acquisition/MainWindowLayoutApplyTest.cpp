#include "acquisition/panels/MainWindowLayoutApply.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

QWidget* named(QWidget* parent, const char* name)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

TEST(MainWindowLayoutApply, PlacesNamedWidgetsInPixelsRelativeToTheirPanel)
{
    QWidget root;
    QWidget* main = named(&root, "frame_main");
    QWidget* picact = named(main, "Picact");
    QWidget* report = named(&root, "Frm_report");
    report->resize(385, 281); // designed 5775 x 4215 twips
    QWidget* rx = named(&root, "lblrx");
    rx->setVisible(true);

    applyMainWindowLayout(root, LayoutMainWindow(12000, 9000));

    // frame_main: 825, 914.5, 7740 x 5910 twips -> 55, 61 (60.97), 516 x 394 pixels.
    EXPECT_EQ(main->geometry(), QRect(55, 61, 516, 394));
    // Picact inside it: 0.925C = 1665, 0.2R = 78.8, 3.3C = 5940, 12.5R = 4925.
    EXPECT_EQ(picact->geometry(), QRect(111, 5, 396, 328));
    // An overlay keeps its designed size: 4200, 1407 twips -> 280, 94.
    EXPECT_EQ(report->geometry(), QRect(280, 94, 385, 281));
    EXPECT_TRUE(rx->isHidden());
}

TEST(MainWindowLayoutApply, TwipsRoundToTheNearestPixel)
{
    EXPECT_EQ(twipsToPixels(914.5), 61);
    EXPECT_EQ(twipsToPixels(22.5), 2); // 1.5 -> even
    EXPECT_EQ(twipsToPixels(37.5), 2); // 2.5 -> even
    EXPECT_EQ(twipsToPixels(60000), 4000);
}

} // namespace
