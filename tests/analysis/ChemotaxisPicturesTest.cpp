#include "analysis/sequence/ChemotaxisPictures.h"
#include "core/NumberText.h"
#include "support/TempProgramFolder.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(200, 200, 200);

// A copy of a picture for a look, when VELDO_PICTURES names a folder.
void keep(const PictureCanvas& canvas, const QString& name)
{
    const QString folder = qEnvironmentVariable("VELDO_PICTURES");
    if (!folder.isEmpty())
        canvas.image().save(folder + "/" + name + ".png");
}

QColor at(const PictureCanvas& canvas, double x, double y)
{
    const QPointF p = canvas.toPixel(x, y);
    return canvas.pixel(int(p.x()), int(p.y()));
}

// A well of 8 lines by 6 pixels in a grid of 1.5 times that.
struct Well {
    WellGrid grid;
    Well()
    {
        grid.lines = 13;
        grid.cells = 10;
        grid.values.assign(size_t(grid.lines * grid.cells), 0);
    }
    WellImage image(bool grey = true, bool cross = true) const
    {
        return WellImage{QStringLiteral("A1"), 12.5, 8, 6, &grid, grey, cross};
    }
};

PictureCanvas wellCanvas()
{
    PictureCanvas c(kWellPictureSize.width(), kWellPictureSize.height());
    setUpChemotaxisPicture(c);
    return c;
}

PictureCanvas plotCanvas()
{
    PictureCanvas c(kProgressPictureSize.width(), kProgressPictureSize.height());
    setUpChemotaxisPicture(c);
    return c;
}

TEST(ChemotaxisWellImage, CellColoursReadBack)
{
    Well w;
    w.grid.at(1, 1) = 255;
    w.grid.at(2, 1) = 300;
    w.grid.at(6, 1) = 100;
    w.grid.at(1, 4) = -1;
    w.grid.at(6, 4) = 0;
    PictureCanvas c = wellCanvas();
    drawWellImage(c, w.image());
    keep(c, "well_image");
    EXPECT_EQ(at(c, 1.5, 1.5), kRed);
    EXPECT_EQ(at(c, 2.5, 1.5), kRed);
    EXPECT_EQ(at(c, 6.5, 1.5), QColor(100, 0, 0));
    EXPECT_EQ(at(c, 1.5, 4.5), kGrey);
    EXPECT_EQ(at(c, 6.5, 4.5), kWhite);

    PictureCanvas plain = wellCanvas();
    drawWellImage(plain, w.image(false));
    EXPECT_EQ(at(plain, 1.5, 4.5), kWhite); // outside the mask, no grey
    EXPECT_EQ(at(plain, 6.5, 1.5), QColor(100, 0, 0));
}

TEST(ChemotaxisWellImage, CrossUnderTheCells)
{
    Well w;
    w.grid.at(4, 1) = 100; // on the vertical arm (line 4 = H/2)
    w.grid.at(6, 3) = -1;  // on the horizontal arm (pixel 3 = W/2)
    PictureCanvas c = wellCanvas();
    drawWellImage(c, w.image());
    EXPECT_EQ(at(c, 4.0, 0.5), kRed);   // the cross where no cell lies
    EXPECT_EQ(at(c, 1.5, 3.0), kRed);
    const QPointF vertical = c.toPixel(4.0, 1.5);
    EXPECT_EQ(c.pixel(int(vertical.x()), int(vertical.y())), QColor(100, 0, 0));
    const QPointF horizontal = c.toPixel(6.5, 3.0);
    EXPECT_EQ(c.pixel(int(horizontal.x()), int(horizontal.y())), kGrey);

    PictureCanvas none = wellCanvas();
    drawWellImage(none, Well().image(true, false));
    EXPECT_EQ(at(none, 4.0, 0.5), kWhite);
    EXPECT_EQ(at(none, 1.5, 3.0), kWhite);
}

TEST(ChemotaxisWellImage, CaptionAtTheTopLeft)
{
    PictureCanvas c = wellCanvas();
    drawWellImage(c, Well().image(true, false));
    int dark = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 60; ++x)
            dark += c.pixel(x, y).lightness() < 128;
    EXPECT_GT(dark, 20);
    EXPECT_EQ(systemNumberText(12.5).remove(systemDecimalSeparator()), "125");
    EXPECT_EQ(systemNumberText(14), "14");
}

TEST(ChemotaxisWellImage, ZeroSizedWellDrawsOverOneUnit)
{
    PictureCanvas c = wellCanvas();
    WellGrid empty;
    drawWellImage(c, WellImage{QStringLiteral("B2"), 0, 0, 0, &empty, true, true});
    EXPECT_EQ(c.scaleWidth(), 1);
    EXPECT_EQ(c.scaleHeight(), -1);
}

TEST(ChemotaxisPlot, FrameAxesAndTitle)
{
    PictureCanvas c = plotCanvas();
    DrawProgressPlotFrame(c, "A1[CI_XR] G-001_Free", 8);
    EXPECT_DOUBLE_EQ(c.scaleLeft(), -1.6);
    EXPECT_DOUBLE_EQ(c.scaleTop(), 1.4);
    EXPECT_NEAR(c.scaleWidth(), 9.92, 1e-12);
    EXPECT_DOUBLE_EQ(c.scaleHeight(), -2.8);
    EXPECT_EQ(at(c, 0, 0.5), kRed);  // y axis
    EXPECT_EQ(at(c, 0, -0.5), kRed);
    EXPECT_EQ(at(c, 5, 0), kRed);    // x axis
    EXPECT_EQ(at(c, 8.25, 0), kWhite); // ends at N
    EXPECT_EQ(c.foreColor, kRed);    // kept for the tick labels
    EXPECT_EQ(c.font.pointSize(), 5);
}

TEST(ChemotaxisPlot, CurveSegmentsAndTicks)
{
    struct Case {
        int n;
        std::vector<int> ticks;
        std::vector<int> plain;
    };
    const Case cases[] = {{2, {0, 1, 2}, {}}, {8, {2, 4, 6, 8}, {1, 3, 5, 7}}, {9, {2, 4, 6, 9}, {1, 3, 5, 7, 8}}};
    for (const Case& k : cases) {
        for (int t = 0; t <= k.n; ++t)
            EXPECT_EQ(isTickScan(t, k.n), std::find(k.ticks.begin(), k.ticks.end(), t) != k.ticks.end())
                << k.n << " " << t;
        PictureCanvas c = plotCanvas();
        DrawCiPlotFrame(c, "B1[CiXright] G002_Control", k.n);
        std::vector<double> index(size_t(k.n + 1), 0.5);
        std::vector<double> minutes(size_t(k.n + 1), 1.0);
        drawIndexCurve(c, k.n, index, minutes);
        keep(c, QStringLiteral("index_plot_%1").arg(k.n));
        for (int t : k.ticks)
            EXPECT_EQ(at(c, t, 0.035), kRed) << k.n << " tick " << t;
        for (int t : k.plain)
            EXPECT_EQ(at(c, t, 0.035), kWhite) << k.n << " no tick " << t;
        EXPECT_EQ(at(c, 0.5, 0.5), kBlack) << k.n; // the curve at 0.5
    }
}

TEST(ChemotaxisPlot, ProgressCurveGrowsScanByScan)
{
    PictureCanvas c = plotCanvas();
    DrawProgressPlotFrame(c, "A1", 4);
    extendIndexCurve(c, 4, 0, 0, -0.5, 12.5);
    EXPECT_EQ(at(c, 0.5, -0.5), kWhite); // no segment before scan 1
    extendIndexCurve(c, 4, 1, -0.5, -0.5, 13.5);
    EXPECT_EQ(at(c, 0.5, -0.5), kBlack);
    EXPECT_EQ(at(c, 1.5, -0.5), kWhite);
}

TEST(ChemotaxisPlot, OneScanRunDrawsOverOneUnit)
{
    PictureCanvas c = plotCanvas();
    DrawCiPlotFrame(c, "A1", 0);
    drawIndexCurve(c, 0, {0.2}, {0.0});
    EXPECT_NEAR(c.scaleWidth(), 1.24, 1e-12);
    EXPECT_EQ(at(c, 0, 0.5), kRed);
}

TEST(ChemotaxisSaves, NamesAndDesignSizes)
{
    TempProgramFolder tmp;
    QDir().mkpath(tmp.path("run/1scans_images"));
    const QString folder = tmp.path("run/1scans_images");
    Well w;
    w.grid.at(3, 2) = 180;
    PictureCanvas well = wellCanvas();
    drawWellImage(well, w.image());
    PictureCanvas plot = plotCanvas();
    DrawProgressPlotFrame(plot, "B2[CI_QR] G-001_Free", 3);
    ASSERT_TRUE(saveWellImage(well, folder, "B2", 0));
    ASSERT_TRUE(saveWellImage(well, folder, "B2", 12345));
    ASSERT_TRUE(saveIndexPlot(plot, folder, "CI_QR", "B2"));
    const QImage a(folder + "/B2_0000.bmp");
    EXPECT_EQ(a.size(), kWellPictureSize);
    EXPECT_TRUE(QFileInfo::exists(folder + "/B2_12345.bmp"));
    const QImage b(folder + "/CI_QR_b2.bmp");
    EXPECT_EQ(b.size(), kProgressPictureSize);
    const QPointF cell = well.toPixel(3.5, 2.5);
    EXPECT_EQ(a.pixelColor(int(cell.x()), int(cell.y())), QColor(180, 0, 0));
}

} // namespace
