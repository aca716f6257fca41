#include "picture/PictureCanvas.h"
#include "support/FileSizeLimit.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PictureCanvas, UserScaleMapsLogicalUnitsToPixels)
{
    PictureCanvas c(200, 500);
    c.setScale(0, 0, 100, 250);
    EXPECT_EQ(c.toPixel(50, 125), QPointF(100, 250));
    EXPECT_EQ(c.toLogical(QPointF(100, 250)), QPointF(50, 125));
    c.setScale(10, 20, -10, 10); // a flipped axis
    EXPECT_EQ(c.toPixel(5, 25), QPointF(100, 250));
}

TEST(PictureCanvas, FilledBoxAndBoxWithSolidFill)
{
    PictureCanvas c(100, 100);
    c.filledBox(10, 10, 19, 19, Qt::red);
    EXPECT_EQ(c.pixel(10, 10), QColor(Qt::red));
    EXPECT_EQ(c.pixel(19, 19), QColor(Qt::red));
    EXPECT_EQ(c.pixel(20, 20), QColor(Qt::white));

    c.fillStyle = PictureCanvas::FillStyle::Solid;
    c.fillColor = Qt::green;
    c.box(40, 40, 60, 60, Qt::blue);
    EXPECT_EQ(c.pixel(40, 40), QColor(Qt::blue));
    EXPECT_EQ(c.pixel(50, 50), QColor(Qt::green));
    // The fill style persists into the next drawing, as on a picture control.
    c.circle(80, 80, 5, Qt::black);
    EXPECT_EQ(c.pixel(80, 80), QColor(Qt::green));
    EXPECT_EQ(c.pixel(80, 75), QColor(Qt::black));
}

TEST(PictureCanvas, LinePointTextAndClear)
{
    PictureCanvas c(100, 50);
    c.setScale(0, 0, 100, 50);
    c.line(0, 10, 99, 10, Qt::black);
    EXPECT_EQ(c.pixel(50, 10), QColor(Qt::black));
    EXPECT_EQ(c.currentX, 99);
    c.point(3, 3, Qt::red);
    EXPECT_EQ(c.pixel(3, 3), QColor(Qt::red));

    c.currentX = 5;
    c.currentY = 20;
    c.foreColor = Qt::black;
    c.print(QStringLiteral("A1"));
    bool inked = false;
    for (int y = 20; y < 40; ++y)
        for (int x = 5; x < 25; ++x)
            inked = inked || c.pixel(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
    EXPECT_GT(c.currentY, 20);
    EXPECT_EQ(c.currentX, 0);
    EXPECT_GT(c.textWidth(QStringLiteral("A1")), 0);

    c.backColor = Qt::gray;
    c.clear();
    EXPECT_EQ(c.pixel(50, 10), QColor(Qt::gray));
    EXPECT_EQ(c.currentY, 0);
}

TEST(PictureCanvas, SavesBmp)
{
    QTemporaryDir dir;
    PictureCanvas c(16, 8);
    c.filledBox(0, 0, 3, 3, Qt::red);
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_TRUE(c.saveBmp(path));
    QImage back(path);
    ASSERT_EQ(back.size(), QSize(16, 8));
    EXPECT_EQ(back.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(QFile(path).size() > 0 ? QByteArray("BM") : QByteArray(), QByteArray("BM"));
    EXPECT_FALSE(c.saveBmp(dir.filePath(QStringLiteral("no/such/p.bmp"))));
}

TEST(PictureCanvas, SaveOnAFullDiskKeepsTheEarlierImage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    PictureCanvas small(4, 4);
    small.filledBox(0, 0, 3, 3, Qt::red);
    ASSERT_TRUE(small.saveBmp(path));
    // 54 header bytes and 4 rows of 12: the hand count of a 4 x 4 BMP.
    EXPECT_EQ(small.bmpBytes().size(), 54 + 4 * 12);

    PictureCanvas large(200, 200); // 120,054 bytes: past the disk's end
    {
        const FileSizeLimit disk(4096);
        EXPECT_FALSE(large.saveBmp(path));
    }
    const QImage back(path);
    ASSERT_EQ(back.size(), QSize(4, 4));
    EXPECT_EQ(back.pixelColor(1, 1), QColor(Qt::red));
}
