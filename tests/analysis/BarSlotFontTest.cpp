// The bar plot's labels and totals stay in their bars' slots, whatever the
// picture's size: each in a font that keeps the widest inside the slot.
#include "analysis/barplot/BarSlotFont.h"
#include "analysis/barplot/GroupBarPlot.h"
#include "picture/PictureCanvas.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

// The picture's sizes on the saved-data page: the 800 x 600 window of old,
// and the windows that fill a 1280 x 1024 and a 1920 x 1080 screen.
const QSize kPictureSizes[] = {QSize(396, 210), QSize(634, 358), QSize(950, 378)};

const QStringList kSlotTexts{QStringLiteral("002_Contro"), QStringLiteral("005_Attrac"), QStringLiteral("15929"),
                             QStringLiteral("1594")};

TEST(BarSlotFont, KeepsTheWidestTextInsideItsSlotAndNeverGrows)
{
    // The sizes the page opens with: every text whole, in a font that fits.
    for (const QSize size : {kPictureSizes[1], kPictureSizes[2]}) {
        PictureCanvas canvas(size.width(), size.height());
        canvas.setScale(0, 60, 120, -67);
        const QFont font = barSlotFont(canvas, kSlotTexts, 9);
        EXPECT_LE(font.pointSizeF(), canvas.font.pointSizeF()) << size.width();
        const QFontMetricsF metrics(font, &canvas.image());
        for (const QString& text : kSlotTexts)
            EXPECT_LE(metrics.horizontalAdvance(text) * 120.0 / size.width(), 9.0) << size.width() << " " << text.toStdString();
        for (const QString& text : kSlotTexts)
            EXPECT_EQ(fittedToSlot(canvas, font, text, 9), text);
    }
    // Too small a picture for the smallest font: a label is cut to its slot.
    PictureCanvas small(kPictureSizes[0].width(), kPictureSizes[0].height());
    small.setScale(0, 60, 120, -67);
    const QFont smallest = barSlotFont(small, kSlotTexts, 9);
    const QString cut = fittedToSlot(small, smallest, QStringLiteral("002_Contro"), 9);
    EXPECT_TRUE(cut.startsWith(QStringLiteral("002"))) << cut.toStdString();
    EXPECT_LE(QFontMetricsF(smallest, &small.image()).horizontalAdvance(cut) * 120.0 / small.widthPx(), 9.0);
    // Short texts in a wide picture keep the picture's own font.
    PictureCanvas wide(950, 378);
    wide.setScale(0, 60, 120, -67);
    EXPECT_EQ(barSlotFont(wide, {QStringLiteral("12")}, 9), wide.font);
}

TEST(BarSlotFont, ABarPlotsLabelsLeaveTheGapsBetweenSlotsClear)
{
    // Ten groups with names longer than the ten characters shown, each of one
    // well whose activity gives a five-digit total.
    RunResults run;
    run.wellsPerScan = 24;
    run.addScan(0);
    std::array<int, kWellSlots> groups;
    groups.fill(-1);
    GroupBarPlotInput input;
    for (int g = 0; g < 10; ++g) {
        run.wellActivity[run.slot(g, 0)] = 15929 - g;
        groups[size_t(g)] = g;
        input.groupList << QStringLiteral("%1_Attractant").arg(g, 3, 10, QLatin1Char('0'));
    }
    for (const QSize size : kPictureSizes) {
        PictureCanvas canvas(size.width(), size.height());
        DrawGroupBarPlot(canvas, run, groups, input);
        // Between a label's slot end (10k + 12) and the next label (10k + 13), below the axis.
        const int firstRow = int(canvas.toPixel(0, -2).y()) + 2;
        for (int k = 1; k < 10; ++k) {
            const int x = int(canvas.toPixel(10.0 * k + 12.5, 0).x());
            for (int y = firstRow; y < canvas.heightPx(); ++y)
                ASSERT_GT(canvas.pixel(x, y).lightness(), 128) << size.width() << ": slot " << k << " row " << y;
        }
    }
}

} // namespace
