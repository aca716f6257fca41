#include "advanced/AdvancedGridOverlay.h"
#include "advanced/AdvancedPageLayout.h"

#include <gtest/gtest.h>

// The page's layout as a function of its size, and the grid overlay.
namespace {

TEST(AdvancedPageLayout, SmallWindowsAreLaidOutAs640By480)
{
    for (QSize size : {QSize(1000, 300), QSize(500, 900), QSize(640, 480)}) {
        const PageUnits u = advancedPageUnits(size);
        EXPECT_EQ(u.width, 640);
        EXPECT_EQ(u.height, 480);
        EXPECT_EQ(u.left, 32);
        EXPECT_EQ(u.top, 12);
        EXPECT_EQ(u.column, 96);
        EXPECT_EQ(u.row, 21); // (432 - 12) / 20
    }
    const auto p = LayoutAdvancedPage(QSize(1000, 300));
    EXPECT_EQ(p.at("Picact"), (PagePlace{89, 4, 317, 262}));       // 12.5 R = 262.5, halves to even
    EXPECT_EQ(p.at("cmd_menu"), (PagePlace{464, 46, 120, 7}));
    EXPECT_EQ(p.at("frame_advanced"), (PagePlace{464, 55, 130, 336}));
    EXPECT_EQ(p.at("lbl_lenrx"), (PagePlace{46, 390, -1, -1}));
    EXPECT_EQ(p.count("lblrx"), 0u);
}

TEST(AdvancedPageLayout, At1280By800)
{
    const PageUnits u = advancedPageUnits(QSize(1280, 800));
    EXPECT_EQ(u.column, 192);
    EXPECT_EQ(u.row, 35);
    const auto p = LayoutAdvancedPage(QSize(1280, 800));
    EXPECT_EQ(p.at("Shape5"), (PagePlace{62, 18, 1156, 686}));    // 19.5 R + 4 = 686.5
    EXPECT_EQ(p.at("Line5"), (PagePlace{64, 71, 1144, 0}));       // 1.4 R + T + 2
    EXPECT_EQ(p.at("txt_status"), (PagePlace{174, 30, 701, -1})); // 0.575 C + L = 174.4, 3.65 C = 700.8
    EXPECT_EQ(p.at("frame_main"), (PagePlace{88, 81, 826, 525}));
    EXPECT_EQ(p.at("Picact2"), (PagePlace{10, 7, 154, 508}));     // 14.5 R = 507.5
    EXPECT_EQ(p.at("Picact"), (PagePlace{178, 7, 634, 438}));
    EXPECT_EQ(p.at("Picrealtime"), (PagePlace{211, 490, 576, 35}));
    EXPECT_EQ(p.at("frame_advanced"), (PagePlace{928, 92, 259, 560}));
    EXPECT_EQ(p.at("txt_in"), (PagePlace{88, 668, 787, -1}));     // 18.5 R + T = 667.5
}

TEST(AdvancedPageLayout, TextSizeFollowsTheRowUnit)
{
    struct Case {
        QSize size;
        int pixels;
    };
    // R: 21 at the minimum (8.4 -> 9), 26 at 800 by 600 (10.4), 35 at 1280 by 800 (14 -> 13).
    for (const Case c : {Case{QSize(1000, 300), 9}, Case{QSize(800, 600), 10}, Case{QSize(1280, 800), 13}})
        EXPECT_EQ(advancedPageFontPixels(advancedPageUnits(c.size)), c.pixels) << c.size.width();
}

QImage drawnGrid(const QString& format, GridOverlay& overlay, PageFrameGeometry& geometry)
{
    PictureCanvas canvas(369, 281); // two pixels a unit of the 184 by 140 frame
    toggleGridOverlay(overlay, geometry, canvas, format, "35", "46", "0");
    return canvas.image();
}

// Blue within a pixel of the point: a line lands on one side of a half pixel.
bool blueAt(const QImage& image, QPointF pixel)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p(qBound(0, qRound(pixel.x()) + dx, image.width() - 1),
                           qBound(0, qRound(pixel.y()) + dy, image.height() - 1));
            if (image.pixelColor(p) == QColor(0, 0, 255))
                return true;
        }
    }
    return false;
}

TEST(AdvancedGridOverlay, W96fGetsFourByFourCells)
{
    GridOverlay overlay;
    PageFrameGeometry geometry;
    PictureCanvas canvas(369, 281);
    toggleGridOverlay(overlay, geometry, canvas, "W96F", "35", "46", "0");
    EXPECT_TRUE(overlay.gridOverlayOn);
    EXPECT_EQ(overlay.caption, "setON");
    EXPECT_EQ(geometry.framePixelCount, 46);
    EXPECT_EQ(geometry.frameLineCount, 35);
    EXPECT_EQ(canvas.scaleWidth(), 184);
    EXPECT_EQ(canvas.scaleHeight(), 140);
    const QImage image = canvas.image();
    // The far lines at 184 and 140 lie on the scale's far edge, one pixel
    // past the image's last; the others fall inside it.
    for (int x : {0, 46, 92, 138})
        EXPECT_TRUE(blueAt(image, canvas.toPixel(x, 17))) << "x " << x;
    for (int y : {0, 35, 70, 105})
        EXPECT_TRUE(blueAt(image, canvas.toPixel(23, y))) << "y " << y;
    EXPECT_GE(canvas.toPixel(184, 140).x(), image.width() - 1);
    EXPECT_FALSE(blueAt(image, canvas.toPixel(23, 17)));
    EXPECT_FALSE(blueAt(image, canvas.toPixel(69, 52)));

    // Off: the grid stays until the picture is next cleared.
    toggleGridOverlay(overlay, geometry, canvas, "w96f", "35", "46", "0");
    EXPECT_FALSE(overlay.gridOverlayOn);
    EXPECT_EQ(overlay.caption, "setOFF");
    EXPECT_EQ(canvas.image(), image);
}

TEST(AdvancedGridOverlay, OtherFormatsAreOnlyClearedAndScaled)
{
    GridOverlay overlay;
    PageFrameGeometry geometry;
    const QImage image = drawnGrid("w96", overlay, geometry);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    bool anyBlue = false;
    for (int x = 0; x < image.width(); ++x)
        anyBlue = anyBlue || image.pixelColor(x, 140) == QColor(0, 0, 255);
    EXPECT_FALSE(anyBlue);
}

TEST(AdvancedGridOverlay, BoxesThatAreNotWholeNumbersAboveZeroLeaveThePicture)
{
    struct Case {
        const char* lines;
        const char* pix;
        const char* crc;
    };
    const Case cases[] = {{"0", "46", "0"}, {"35", "0", "0"}, {"35", "4.5", "0"},
                          {"x", "46", "0"}, {"35", "46", "-1"}, {"", "46", "0"}};
    for (const Case& c : cases) {
        GridOverlay overlay;
        PageFrameGeometry geometry{10, 20, 0};
        PictureCanvas canvas(50, 50);
        canvas.setScale(0, 0, 10, 10);
        canvas.point(5, 5, Qt::red);
        const QImage before = canvas.image();
        toggleGridOverlay(overlay, geometry, canvas, "w96f", c.lines, c.pix, c.crc);
        EXPECT_EQ(overlay.caption, "setON");
        EXPECT_EQ(canvas.image(), before) << c.lines << " " << c.pix << " " << c.crc;
        EXPECT_EQ(canvas.scaleWidth(), 10);
        EXPECT_EQ(geometry.framePixelCount, 20);
    }
}

} // namespace
