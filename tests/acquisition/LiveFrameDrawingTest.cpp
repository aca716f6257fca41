#include "acquisition/run/LiveFrameDrawing.h"
#include "picture/CameraFrameDrawing.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

// The live picture of a run's window and the camera frame of the redraw timer,
// read back from the canvas.
namespace {

QColor grey(int v) { return QColor(v, v, v); }
const QColor kBefore(0, 0, 255); // what the picture held before
const QColor kWhite(255, 255, 255);
const QColor kBand(200, 200, 200);
const QColor kPale(255, 255, 200);

// A box per pixel exactly in the described order: the picture the faster
// drawing must match.
void boxPerPixel(const LivePicture& lp, int camera, int window, const QByteArray& F, const QByteArray& D, int mode)
{
    PictureCanvas& c = lp.Picact2;
    const int X = lp.boxes.txt_xfin.toInt() - lp.boxes.txt_xini.toInt() + 1;
    const int Y = lp.boxes.txt_yfin.toInt() - lp.boxes.txt_yini.toInt() + 1;
    auto code = [](const QByteArray& t, int p) { return int(static_cast<unsigned char>(t.at(p))); };
    for (int i = 1; i <= Y; ++i)
        for (int j = 0; j <= X; ++j) {
            const int p = j * Y + i;
            if (p >= F.size())
                continue;
            const int g = code(F, p);
            if (mode == 1) {
                const int d0 = code(D, p) - 128;
                std::vector<int> ns;
                if (i >= 2)
                    ns.push_back(p - 1);
                if (j >= 1)
                    ns.push_back(p - Y);
                if (i >= 2 && j >= 1)
                    ns.push_back(p - Y - 1);
                if (i < Y && j >= 1)
                    ns.push_back(p - Y + 1);
                double mean = 0;
                for (int n : ns)
                    mean += code(F, n);
                const double T = ns.empty() ? 0 : 4.0 / 100 * mean / double(ns.size());
                bool active = false;
                for (int n : ns) {
                    const int dn = code(D, n) - 128;
                    active = active || (d0 > 4 && dn > 4 && dn > T && std::abs(d0 + dn) / 2.0 > 4);
                }
                if (active) {
                    const int v = std::min(std::abs(d0) * 5, 200);
                    c.filledBox(i - 1, j, i, j + 1, QColor(255 - v, 255 - v, 200 - v));
                } else if (lp.sampleCount == 1) {
                    c.filledBox(i - 1, j, i, j + 1, kPale);
                }
            } else if (g != 0) {
                c.filledBox(i - 1, j, i, j + 1, grey(g));
            }
        }
    if (mode > 1)
        return;
    const CameraWindowTables& t = lp.tables;
    const WindowPixelList& list = lp.setup.pixels[size_t(camera)][size_t(window)];
    int n = 0, offset = 0;
    const int height = t.rowEnd[camera][window] - t.rowStart[camera][window];
    const int lastK = t.lastColumn[camera] - t.firstColumn[camera];
    for (int k = 0; k <= lastK; ++k) {
        for (int a = 0; a <= t.columnEnd[camera][k] - t.columnStart[camera][k]; ++a)
            for (int r = height; r >= 0; --r) {
                ++n;
                if (!list.inWellAt(n))
                    c.filledBox(r, offset + a, r + 1, offset + a + 1, kWhite);
            }
        if (k < lastK) {
            offset += t.columnEnd[camera][k] - t.columnStart[camera][k];
            c.filledBox(-1, offset - 1, height + 1, offset + 1, kBand);
        }
    }
}

// Camera 1, window 0: two well columns of three lines each (extents 2) and six
// pixels a line; the boxes give X = 4 lines, Y = 6 pixels.
class LiveFrameDrawingTest : public ::testing::Test {
protected:
    LiveFrameDrawingTest()
    {
        boxes.txt_xini = "20";
        boxes.txt_xfin = "23";
        boxes.txt_yini = "10";
        boxes.txt_yfin = "15";
        tables.firstColumn[1] = 0;
        tables.lastColumn[1] = 1;
        tables.columnStart[1] = {0, 2};
        tables.columnEnd[1] = {2, 4};
        tables.rowStart[1] = {0};
        tables.rowEnd[1] = {5};
        inWell().assign(37, 1);
        picture.backColor = kBefore;
        picture.clear();
        reference.backColor = kBefore;
        reference.clear();
    }
    std::vector<char>& inWell() { return setup.pixels[1][0].pixelInWell; }
    LivePicture live(PictureCanvas& canvas, int sample) { return {canvas, boxes, tables, setup, sample}; }
    // Byte p of the frame: 100 + p (byte 0 is never drawn: 7).
    static QByteArray rampFrame()
    {
        QByteArray f(30, 0);
        for (int p = 0; p < f.size(); ++p)
            f[p] = char(100 + p);
        f[0] = 7;
        return f;
    }
    static QByteArray randomText(QRandomGenerator& rng, int length, int low, int high)
    {
        QByteArray t(length, 0);
        for (char& ch : t)
            ch = char(rng.bounded(low, high + 1));
        return t;
    }

    CameraBoxes boxes;
    CameraWindowTables tables;
    RunSetup setup;
    PictureCanvas picture{12, 10};
    PictureCanvas reference{12, 10};
};

TEST_F(LiveFrameDrawingTest, TheGreyImageShowsByteJTimesYPlusIAtPixelIMinus1LineJ)
{
    QByteArray f = rampFrame();
    f[8] = 0; // grey 0 is not drawn: the box above it shows through
    DrawMaskedImageWithWellGrid(live(picture, 0), 1, 0, f, {}, 2);
    EXPECT_EQ(picture.pixel(0, 0), grey(101));
    EXPECT_EQ(picture.pixel(5, 0), grey(106));
    EXPECT_EQ(picture.pixel(0, 1), grey(107));
    EXPECT_EQ(picture.pixel(0, 4), grey(125));
    EXPECT_EQ(picture.pixel(1, 1), grey(102));
    // A box reaches one pixel past its cell to the right and below; later boxes cover it.
    EXPECT_EQ(picture.pixel(6, 0), grey(106));
    EXPECT_EQ(picture.pixel(6, 1), grey(112));
    EXPECT_EQ(picture.pixel(0, 5), grey(125));
    EXPECT_EQ(picture.pixel(5, 4), grey(124)); // offset 30 is past the text
    EXPECT_EQ(picture.pixel(7, 0), kBefore);
    EXPECT_EQ(picture.pixel(0, 6), kBefore);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_NE(picture.pixel(x, y), grey(7)) << x << "," << y;
}

TEST_F(LiveFrameDrawingTest, DifferenceSamplesColourThePixelsThatMovedWithANeighbour)
{
    const QByteArray f(30, char(100));
    QByteArray d(30, char(128));
    d[9] = char(138); // cell (2, 1) up by 10 with its left neighbour
    d[8] = char(138);
    d[20] = char(140); // alone: not active
    d[26] = char(118); // darker, with its left neighbour: never active
    d[25] = char(118);
    tables.lastColumn[1] = 0; // one well column, every pixel in its well: no white, no band

    DrawMaskedImageWithWellGrid(live(picture, 1), 1, 0, f, d, 1);
    EXPECT_EQ(picture.pixel(2, 1), QColor(205, 205, 150));
    EXPECT_EQ(picture.pixel(1, 1), kPale); // 8's own neighbours stood still
    EXPECT_EQ(picture.pixel(3, 1), kPale);
    EXPECT_EQ(picture.pixel(1, 3), kPale);
    EXPECT_EQ(picture.pixel(1, 4), kPale);

    // Later samples draw only what moved, over what is there; a change of 41 or more is darkest.
    picture.clear();
    d[9] = char(128 + 41);
    DrawMaskedImageWithWellGrid(live(picture, 4), 1, 0, f, d, 1);
    for (auto [x, y] : {std::pair{2, 1}, {3, 1}, {2, 2}, {3, 2}})
        EXPECT_EQ(picture.pixel(x, y), QColor(55, 55, 0)) << x << "," << y;
    EXPECT_EQ(picture.pixel(1, 1), kBefore);
    EXPECT_EQ(picture.pixel(4, 1), kBefore);
    EXPECT_EQ(picture.pixel(1, 4), kBefore);

    // Nothing above 4: only the pale background of sample 1.
    picture.clear();
    DrawMaskedImageWithWellGrid(live(picture, 1), 1, 0, f, QByteArray(30, char(132)), 1);
    EXPECT_EQ(picture.pixel(3, 3), kPale);
}

TEST_F(LiveFrameDrawingTest, OutsideTheMasksIsWhiteAndColumnsAreSeparatedByBands)
{
    // Position 1 (column 0, line 0, pixel 5), the whole line 2 of column 0
    // (positions 13..18) and position 19 (column 1, line 0, pixel 5) are outside.
    inWell()[1] = 0;
    for (int n = 13; n <= 19; ++n)
        inWell()[size_t(n)] = 0;
    DrawMaskedImageWithWellGrid(live(picture, 0), 1, 0, rampFrame(), {}, 0);
    EXPECT_EQ(picture.pixel(5, 0), kWhite);
    EXPECT_EQ(picture.pixel(6, 0), kWhite);
    EXPECT_EQ(picture.pixel(4, 0), grey(105)); // inside: the grey image
    // The band after column 0 (lines 1 to 3) covers column 0's last line...
    EXPECT_EQ(picture.pixel(0, 1), kBand);
    EXPECT_EQ(picture.pixel(3, 2), kBand);
    EXPECT_EQ(picture.pixel(6, 1), kBand);
    // ... and column 1's outside pixels are drawn over the band.
    EXPECT_EQ(picture.pixel(5, 2), kWhite);
    EXPECT_EQ(picture.pixel(6, 3), kWhite);
    EXPECT_EQ(picture.pixel(6, 2), kWhite);
    EXPECT_EQ(picture.pixel(4, 2), kBand);
    EXPECT_EQ(picture.pixel(2, 4), grey(127));
}

TEST_F(LiveFrameDrawingTest, TheDrawingMatchesABoxPerPixelAtAnyScale)
{
    QRandomGenerator rng(27);
    const QByteArray f = randomText(rng, 28, 0, 60); // a short text with some grey 0
    const QByteArray d = randomText(rng, 28, 110, 150);
    for (int n = 1; n <= 36; ++n)
        inWell()[size_t(n)] = char(rng.bounded(2));
    struct Case {
        int width, height; // picture pixels
        double left, top, scaleWidth, scaleHeight;
    };
    for (const Case& s : {Case{12, 10, 0, 0, 12, 10}, Case{12, 10, -1, 2, 12, 10}, Case{53, 71, 0, 0, 7, 5}}) {
        for (int mode : {0, 1, 2})
            for (int sample : {1, 3}) {
                for (PictureCanvas* c : {&picture, &reference}) {
                    c->resize(s.width, s.height);
                    c->backColor = kBefore;
                    c->setScale(s.left, s.top, s.scaleWidth, s.scaleHeight);
                    c->clear();
                    c->filledBox(2, 2, 4, 4, Qt::green);
                }
                DrawMaskedImageWithWellGrid(live(picture, sample), 1, 0, f, d, mode);
                boxPerPixel(live(reference, sample), 1, 0, f, d, mode);
                EXPECT_EQ(picture.image(), reference.image())
                    << s.width << "x" << s.height << " mode " << mode << " sample " << sample;
            }
    }
}

TEST(ScanProgressMarkTest, SamplesZeroToNineFillTheStripAndTenLiesBeyondIt)
{
    PictureCanvas strip(200, 50);
    strip.setScale(0, 0, 100, 100);
    strip.clear();
    const QImage empty = strip.image();
    DrawScanProgressMark(strip, 10);
    EXPECT_EQ(strip.image(), empty);

    DrawScanProgressMark(strip, 0); // x 1 to 10, y 10 to 85
    const QColor mark(240, 240, 220);
    EXPECT_EQ(strip.pixel(2, 5), mark);
    EXPECT_EQ(strip.pixel(20, 42), mark);
    EXPECT_EQ(strip.pixel(1, 20), QColor(Qt::white));
    EXPECT_EQ(strip.pixel(10, 4), QColor(Qt::white));
    EXPECT_EQ(strip.pixel(10, 43), QColor(Qt::white));
    EXPECT_EQ(strip.pixel(21, 20), QColor(Qt::white));
    DrawScanProgressMark(strip, 9);
    EXPECT_EQ(strip.pixel(199, 20), mark);
}

TEST(CameraFrameTest, ModeTwoDrawsTheBoxesWindowOfTheCamerasPlane)
{
    // Four lines by three pixels on an 80 by 60 picture: a cell is 20 points.
    CameraBoxes boxes;
    boxes.txt_cam = "2";
    boxes.txt_lines = "4";
    boxes.txt_pix = "3";
    FrameImage image;
    image.set(2, 0, 0, 40);
    image.set(2, 1, 0, 40);
    image.set(2, 3, 2, 77);
    image.set(3, 2, 1, 99); // another plane
    PictureCanvas picture(80, 60);
    picture.setScale(0, 0, 4, 3);
    picture.clear();

    DrawCameraFrame(picture, boxes, image, 1); // no such mode
    EXPECT_EQ(picture.pixel(10, 10), QColor(Qt::white));

    DrawCameraFrame(picture, boxes, image, kCameraFrameWindow);
    EXPECT_EQ(picture.pixel(10, 10), grey(40)); // line 0 is drawn here
    EXPECT_EQ(picture.pixel(30, 10), grey(40));
    EXPECT_EQ(picture.pixel(70, 50), grey(77));
    EXPECT_EQ(picture.pixel(50, 30), grey(0)); // empty in this plane

    // Against a box per cell on a random plane.
    QRandomGenerator rng(6);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            if (rng.bounded(3))
                image.set(2, x, y, quint8(rng.bounded(4) * 60));
    PictureCanvas reference(80, 60);
    reference.setScale(0, 0, 4, 3);
    reference.clear();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            reference.filledBox(x, y, x + 1, y + 1, grey(image.grey(2, x, y)));
    DrawCameraFrame(picture, boxes, image, kCameraFrameWindow);
    EXPECT_EQ(picture.image(), reference.image());
}

// A window like one of w24 (two columns of 70 lines, 81 pixels a line) with a
// well in each column, dark background, a bright plate and three small bright
// organisms that move: the grey sample, then ten difference samples.
TEST(LivePictureRenderTest, AWindowsActivityShowsInColourInsideTheWells)
{
    CameraBoxes boxes;
    boxes.txt_xini = "5";
    boxes.txt_xfin = "145";  // X = 141 lines
    boxes.txt_yini = "13";
    boxes.txt_yfin = "93";   // Y = 81 pixels
    CameraWindowTables tables;
    tables.firstColumn[3] = 2;
    tables.lastColumn[3] = 3;
    tables.columnStart[3] = {5, 75};
    tables.columnEnd[3] = {75, 145};
    tables.rowStart[3] = {90};
    tables.rowEnd[3] = {170};
    RunSetup setup;
    const int height = 80;
    // The same well in both columns: an ellipse 4 pixels inside its rectangle.
    auto insideWell = [](int a, int y) {
        const double dx = (a - 35) / 31.0, dy = (y - 40) / 36.0;
        return dx * dx + dy * dy <= 1.0;
    };
    std::vector<char>& flags = setup.pixels[3][0].pixelInWell;
    flags.assign(1, 0);
    for (int k = 0; k < 2; ++k)
        for (int a = 0; a <= 70; ++a)
            for (int y = height; y >= 0; --y)
                flags.push_back(insideWell(a, y) ? 1 : 0);

    const int X = 141, Y = 81;
    auto frameAt = [&](int sample) {
        QByteArray f(X * Y, 0);
        for (int j = 0; j < X; ++j)
            for (int i = 0; i < Y; ++i) {
                const int a = j % 70;
                const bool plate = insideWell(a, i);
                int g = plate ? 120 : 40;
                // Organisms of 3 by 3 that step 2 lines a sample.
                for (auto [oj, oi] : {std::pair{20, 30}, {35, 50}, {100, 40}}) {
                    const int cj = oj + 2 * (sample % 5);
                    if (std::abs(j - cj) <= 1 && std::abs(i - oi) <= 1)
                        g = 230;
                }
                f[j * Y + i] = char(g);
            }
        return f;
    };

    PictureCanvas Picact2(Y + 1, X + 2);
    Picact2.backColor = QColor(Qt::black);
    Picact2.clear();
    LivePicture greyPicture{Picact2, boxes, tables, setup, 0};
    DrawMaskedImageWithWellGrid(greyPicture, 3, 0, frameAt(0), {}, 0);
    const QImage greyImage = Picact2.image();
    QByteArray previous = frameAt(0);
    for (int s = 1; s <= 10; ++s) {
        const QByteArray f = frameAt(s);
        QByteArray d(f.size(), 0);
        for (int p = 0; p < f.size(); ++p)
            d[p] = char(std::clamp(int(static_cast<unsigned char>(f[p])) - int(static_cast<unsigned char>(previous[p])) + 128, 0, 255));
        LivePicture sample{Picact2, boxes, tables, setup, s};
        DrawMaskedImageWithWellGrid(sample, 3, 0, f, d, 1);
        previous = f;
    }
    const QByteArray dir = qgetenv("VELDO_PICTURE_DIR");
    if (!dir.isEmpty()) {
        greyImage.scaled(greyImage.size() * 4).save(QDir(QString::fromUtf8(dir)).filePath("live_grey.png"));
        Picact2.image().scaled(Picact2.image().size() * 4).save(QDir(QString::fromUtf8(dir)).filePath("live_activity.png"));
    }

    // The plate's middle is grey 120 on the grey sample, white at a corner outside the well,
    // band grey between the columns.
    EXPECT_EQ(greyImage.pixelColor(40, 35), grey(120));
    EXPECT_EQ(greyImage.pixelColor(2, 2), kWhite);
    EXPECT_EQ(greyImage.pixelColor(40, 69), kBand);
    // After the differences: pale where nothing moved, the organisms' leading edges coloured.
    EXPECT_EQ(Picact2.pixel(60, 110), kPale);
    int coloured = 0;
    for (int y = 0; y < Picact2.heightPx(); ++y)
        for (int x = 0; x < Picact2.widthPx(); ++x) {
            const QColor c = Picact2.pixel(x, y);
            coloured += (c != kPale && c != kWhite && c != kBand && c.blue() < 200 && c.red() == c.green()) ? 1 : 0;
        }
    EXPECT_GT(coloured, 20);
    EXPECT_EQ(Picact2.pixel(2, 2), kWhite);
}

} // namespace
