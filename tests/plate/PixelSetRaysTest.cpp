#include "plate/pixelsets/PixelSetBuild.h"
#include "plate/pixelsets/PixelSetFiles.h"
#include "support/TempProgramFolder.h"
#include "picture/PictureCanvas.h"

#include <QFileInfo>

#include <cmath>
#include <gtest/gtest.h>

// The ray search on synthetic frames.
namespace {

// A frame of grey 20 with a disc of grey 200 whose rim may fall off over a
// few pixels; its edge is where the grey is half-way.
struct Disc {
    FramePoint centre;
    double radius;
    double rim = 0;

    double distance(int pixel, int line) const { return std::hypot(pixel - centre.pixel, line - centre.line); }
    bool inside(int pixel, int line) const { return distance(pixel, line) <= radius; }
    FrameGrey grey() const
    {
        return [*this](int pixel, int line) {
            const double d = distance(pixel, line);
            if (d <= radius - rim / 2)
                return 200;
            if (d >= radius + rim / 2)
                return 20;
            return static_cast<int>(200 - 180 * (d - (radius - rim / 2)) / rim);
        };
    }
};

// The frame picture as the main window has it while it shows the default window.
PictureCanvas framePicture()
{
    PictureCanvas canvas(480, 640);
    canvas.setScale(0, 0, 182, 143);
    return canvas;
}

TEST(PixelSetRays, TheOutlineOfABrightDiscLiesOnItsEdge)
{
    // The smoothing sees the drop a few samples early and the edge is the
    // sample before the walk stops, so edges lie just inside the rim: about
    // two pixels for a disc clicked at its centre, up to four for a small disc
    // or a click off the centre.
    struct Case {
        Disc disc;
        FramePoint centre; // where the user clicked
        double within;     // how far inside the rim an edge may lie
    };
    const Case cases[] = {
        {{{90, 70}, 20}, {90, 70}, 2.5},
        {{{90, 70}, 20, 6}, {90, 70}, 2.5}, // a soft rim
        {{{60, 50}, 12}, {60, 50}, 4},
        {{{120, 80}, 25}, {123, 77}, 4},    // a click off the disc's centre
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.disc.radius);
        PictureCanvas canvas = framePicture();
        const RaySearch search = FindPixelSetByRays(canvas, c.disc.grey(), c.centre);
        ASSERT_TRUE(search.complete);
        ASSERT_EQ(search.edges.size(), 25u); // 0, 15, ... 360 degrees
        EXPECT_EQ(search.edges.front(), search.edges.back()); // 360 closes the outline
        for (const FramePoint& e : search.edges) {
            const double d = c.disc.distance(e.pixel, e.line);
            EXPECT_LE(d, c.disc.radius + 0.5) << "edge " << e.pixel << "," << e.line;
            EXPECT_GE(d, c.disc.radius - c.within) << "edge " << e.pixel << "," << e.line;
        }
        // The filled region is the disc but for its rim, and nothing outside it.
        int inDisc = 0;
        for (int line = 0; line < PixelSetRegion::kLines; ++line)
            for (int pixel = 0; pixel < PixelSetRegion::kPixels; ++pixel) {
                if (!search.region.at(line, pixel))
                    continue;
                ++inDisc;
                EXPECT_LE(c.disc.distance(pixel, line), c.disc.radius + 0.5) << pixel << "," << line;
            }
        const double inner = c.disc.radius - c.within;
        EXPECT_GT(inDisc, M_PI * inner * inner);
    }
}

TEST(PixelSetRays, RaysOutlineAndFillAreDrawnInTheirColours)
{
    const Disc disc{{90, 70}, 20};
    PictureCanvas canvas(182 * 4, 143 * 4);
    canvas.setScale(0, 0, 182, 143);
    canvas.backColor = Qt::black;
    canvas.clear();
    FindPixelSetByRays(canvas, disc.grey(), disc.centre);
    const auto colourAt = [&](double x, double y) {
        const QPointF p = canvas.toPixel(x, y);
        return canvas.pixel(int(p.x()), int(p.y()));
    };
    // The fill's blue rows cover the disc; nothing is drawn far outside it.
    EXPECT_EQ(colourAt(90, 70), QColor(Qt::blue));
    EXPECT_EQ(colourAt(30, 20), QColor(Qt::black));
    int green = 0;
    for (int y = 0; y < canvas.heightPx(); ++y)
        for (int x = 0; x < canvas.widthPx(); ++x)
            green += canvas.pixel(x, y) == QColor(Qt::green) ? 1 : 0;
    EXPECT_GT(green, 0); // the outline from edge to edge
}

TEST(PixelSetRays, ARayLeavingTheFrameNearTheCentreEndsTheBuild)
{
    const Disc disc{{90, 70}, 20};
    struct Case {
        FramePoint centre;
        bool complete;
        size_t edges;
        int smoothing;
    };
    const Case cases[] = {
        {{90, 139}, false, 0, 1},  // 0 degrees runs to higher lines: out at radius 1
        {{90, 140}, false, 0, 0},  // outside the usable area
        {{0, 70}, false, 0, 0},
        {{185, 70}, false, 2, 1},  // 0 and 15 degrees stay in; 30 degrees leaves at radius 1
        {{90, 137}, true, 25, 3},  // out at radius 3: the smoothing narrows to 3, the build goes on
        {{90, 70}, true, 25, 5},
    };
    for (const Case& c : cases) {
        PictureCanvas canvas = framePicture();
        TempProgramFolder folder;
        const PixelSetBuildOutcome outcome =
            BuildPixelSetByRays(canvas, disc.grey(), c.centre, folder.folder(), QStringLiteral("A1"));
        EXPECT_EQ(outcome == PixelSetBuildOutcome::Written, c.complete) << c.centre.pixel << "," << c.centre.line;
        EXPECT_EQ(QFileInfo::exists(folder.path(gridSetFileName("A1"))), c.complete);
        EXPECT_EQ(QFileInfo::exists(folder.path(fullSetFileName("A1"))), c.complete);
        const RaySearch search = FindPixelSetByRays(canvas, disc.grey(), c.centre);
        EXPECT_EQ(search.edges.size(), c.edges);
        EXPECT_EQ(search.smoothing, c.smoothing);
    }
}

TEST(PixelSetRays, EveryEdgeStaysInsideTheUsableArea)
{
    // A frame bright everywhere: no ray finds an edge before it leaves the frame.
    PictureCanvas canvas = framePicture();
    const RaySearch search = FindPixelSetByRays(canvas, [](int, int) { return 255; }, {170, 120});
    ASSERT_TRUE(search.complete);
    for (const FramePoint& e : search.edges) {
        EXPECT_GE(e.pixel, 1);
        EXPECT_LE(e.pixel, 185);
        EXPECT_GE(e.line, 1);
        EXPECT_LE(e.line, 139);
    }
}

} // namespace

namespace {

// A fixed synthetic frame and its search, worked out apart from the program
// from the steps of the search: a bright cone around pixel 90, line 70,
// stretched along the pixels, with a small ripple. The edges and the filled
// count depend on every detail of the profile statistics: the steps counted
// from radius 2, the mean taken over a samples, the noise over a - 1.
TEST(PixelSetRays, APinnedSearchGivesItsExactEdgesAndFill)
{
    const FrameGrey grey = [](int pixel, int line) {
        const double d = std::hypot((pixel - 90) / 1.4, line - 70);
        return std::min(255, std::max(30, 230 - static_cast<int>(4 * d)) + (pixel * 7 + line * 13) % 5);
    };
    PictureCanvas canvas = framePicture();
    const RaySearch search = FindPixelSetByRays(canvas, grey, {88, 72});

    ASSERT_TRUE(search.complete);
    const std::vector<FramePoint> edges{
        {88, 76}, {89, 76}, {106, 103}, {114, 98}, {120, 90}, {124, 82}, {88, 72}, {88, 72}, {120, 53},
        {88, 72}, {88, 72}, {88, 72},   {88, 72},  {79, 37},  {88, 72},  {88, 72}, {56, 54}, {52, 62},
        {50, 72}, {52, 82}, {56, 91},   {62, 98},  {70, 103}, {87, 76},  {88, 76},
    };
    EXPECT_EQ(search.edges, edges);
    EXPECT_EQ(search.region.count(), 3338);
    EXPECT_EQ(search.smoothing, 5);
}

} // namespace
