#include "link/Bytes.h"
#include "support/FakeClock.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedSerialDevice.h"
#include "support/SimulatedLink.h"
#include "support/TempProgramFolder.h"
#include "advanced/AdvancedFullFrame.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "picture/FramePicture.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

// The full-frame button of the advanced page and its video loop.
namespace {

const QColor kGreen(0, 255, 0);

// The page's frame parts over a scripted port, on 15 March 2024 at 09:30:12.
struct FramePageRig {
    FramePageRig()
    {
        comm.CommOpen(1, QStringLiteral("COM1"), QStringLiteral("baud=1000000 parity=N data=8 stop=1"));
        globals.commPort = 1;
        globals.portOpen = true;
    }
    FullFrameShot take(const FullFrameChoices& choices = {})
    {
        return takeFullFrame(ctx, page, canvas, folder.folder(), choices, random);
    }

    Globals globals;
    FakeClock clock{QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12))};
    ScriptedSerialLine line{clock};
    TempProgramFolder folder;
    ModCOMM comm{globals, PortMapping(folder.folder()), line.factory()};
    RecordingConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, clock, console, prompts};
    CameraBoxes boxes = CameraBoxes::advancedPage();
    QString txt_crc = QStringLiteral("0");
    FrameImage image;
    // Five pixels a unit of the design window (143 by 183).
    PictureCanvas canvas{715, 915};
    FramePicture picture{canvas, boxes, image};
    AdvancedFramePage page{boxes, txt_crc, image, picture};
    QRandomGenerator random{7};
};

// A frame of `lines` lines of `pixels` bytes with its closing check byte, right or wrong.
QByteArray frameReply(int lines, int pixels, bool goodCheck)
{
    QByteArray reply;
    for (int i = 0; i < lines * pixels; ++i)
        reply += static_cast<char>(i % 200);
    reply += static_cast<char>(xorOf(reply) ^ (goodCheck ? 0 : 1));
    return reply;
}

// Green within a pixel of the point (x, y) of the canvas's scale, on `image`.
bool greenNear(const PictureCanvas& canvas, double x, double y, const QImage& image)
{
    const QPoint centre = canvas.toPixel(x, y).toPoint();
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(centre.x() + dx, centre.y() + dy) == kGreen)
                return true;
    return false;
}

bool greenNear(const PictureCanvas& canvas, double x, double y) { return greenNear(canvas, x, y, canvas.image()); }

TEST(AdvancedFullFrame, RequestsOfFullAndHalfFrames)
{
    struct Case {
        bool half;
        QByteArray request;
        const char* lines;
        const char* pixels;
        const char* mode;
    };
    for (const Case& c : {Case{false, bytes({255, 67, 0, 43, 104}), "143", "183", "+"},
                          Case{true, bytes({255, 67, 0, 45, 110}), "72", "92", "-"}}) {
        FramePageRig r;
        r.line.script(frameReply(c.half ? 72 : 143, c.half ? 92 : 183, true));
        EXPECT_TRUE(r.take({c.half, false, false}).taken) << c.mode;
        EXPECT_EQ(r.line.written, c.request) << c.mode;
        EXPECT_EQ(r.boxes.txt_lines, c.lines) << c.mode;
        EXPECT_EQ(r.boxes.txt_pix, c.pixels) << c.mode;
        EXPECT_EQ(r.boxes.txtprogram, c.mode) << c.mode;
        EXPECT_EQ(r.console.lenRxColour(), QColor(Qt::black)) << c.mode;
    }
}

TEST(AdvancedFullFrame, HalfFrameFillsTheUpperLeftQuarter)
{
    FramePageRig r;
    r.globals.dummyMode = 1;
    r.take({true, false, false});
    // The picture keeps the full window's scale: the half frame ends at line 72, pixel 91.
    EXPECT_DOUBLE_EQ(r.canvas.scaleWidth(), 143);
    EXPECT_TRUE(r.image.cell(0, 72, 91).has_value());
    EXPECT_FALSE(r.image.cell(0, 73, 91).has_value());
    EXPECT_FALSE(r.image.cell(0, 72, 92).has_value());
    const QPoint outside = r.canvas.toPixel(100, 150).toPoint();
    EXPECT_EQ(r.canvas.pixel(outside.x(), outside.y()), r.canvas.backColor);
}

TEST(AdvancedFullFrame, DummyFramesAreGreyUpToHundredAndSendNothing)
{
    FramePageRig r;
    r.globals.dummyMode = 1;
    r.boxes.txt_cam = "3";
    EXPECT_TRUE(r.take().taken);
    EXPECT_TRUE(r.line.written.isEmpty());
    int highest = 0;
    int lowest = 255;
    for (int x = 1; x <= 143; ++x) {
        for (int y = 0; y < 183; ++y) {
            const std::optional<quint8> v = r.image.cell(3, x, y);
            ASSERT_TRUE(v.has_value());
            highest = std::max<int>(highest, *v);
            lowest = std::min<int>(lowest, *v);
        }
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 100);
    // Drawn: a cell's grey on the picture.
    const int grey = r.image.grey(3, 50, 60);
    const QPoint cell = r.canvas.toPixel(50.5, 60.5).toPoint();
    EXPECT_EQ(r.canvas.pixel(cell.x(), cell.y()), QColor(grey, grey, grey));
    // The made-up frame did not touch the received-length label.
    EXPECT_EQ(r.console.lenRx(), "Len(Rx) = 0");
}

TEST(AdvancedFullFrame, GreenCrossThroughTheCentre)
{
    FramePageRig r;
    r.globals.dummyMode = 1;
    r.take({false, true, false});
    // From (42.9, 91.5) to (100.1, 91.5) and from (71.5, 54.9) to (71.5, 128.1).
    EXPECT_TRUE(greenNear(r.canvas, 71.5, 91.5));
    EXPECT_TRUE(greenNear(r.canvas, 43.5, 91.5));
    EXPECT_TRUE(greenNear(r.canvas, 99.5, 91.5));
    EXPECT_FALSE(greenNear(r.canvas, 42.3, 91.5));
    EXPECT_FALSE(greenNear(r.canvas, 100.7, 91.5));
    EXPECT_TRUE(greenNear(r.canvas, 71.5, 55.5));
    EXPECT_TRUE(greenNear(r.canvas, 71.5, 127.5));
    EXPECT_FALSE(greenNear(r.canvas, 71.5, 54.3));
    EXPECT_FALSE(greenNear(r.canvas, 71.5, 128.7));
    EXPECT_FALSE(greenNear(r.canvas, 60, 70));
}

TEST(AdvancedFullFrame, ExportsAreNamedByCameraTimeAndTheLastCheck)
{
    FramePageRig r;
    r.boxes.txt_cam = "2";
    const FullFrameChoices exporting{false, true, true};

    // A good frame; the export folder is made when missing.
    r.line.script(frameReply(143, 183, true));
    const QString good = r.take(exporting).exportedFile;
    EXPECT_EQ(good, r.folder.path("bmp_exp/c2_20240315093012.bmp"));
    const QImage saved(good);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(715, 915));
    EXPECT_TRUE(greenNear(r.canvas, 71.5, 91.5, saved));

    // A frame that failed its check is still drawn, crossed and saved, as "b.bmp".
    r.line.script(frameReply(143, 183, false));
    EXPECT_EQ(r.take(exporting).exportedFile, r.folder.path("bmp_exp/c2_20240315093012b.bmp"));
    EXPECT_EQ(r.console.lenRxColour(), QColor(255, 0, 0));
    EXPECT_TRUE(greenNear(r.canvas, 71.5, 91.5));

    // A made-up frame goes by the last real frame's check.
    r.globals.dummyMode = 1;
    r.clock.advance(2000);
    EXPECT_EQ(r.take(exporting).exportedFile, r.folder.path("bmp_exp/c2_20240315093014b.bmp"));
}

TEST(AdvancedFullFrame, WindowsBeyondTheFrameBufferAreRefused)
{
    struct Case {
        const char* box;
        const char* value;
        bool half;
    };
    const Case cases[] = {
        {"xfin", "192", false}, // 193 lines
        {"yfin", "194", false}, // 194 pixels
        {"xfin", "2.5", false}, {"cam", "7", false}, {"cam", "x", false}, {"yini", "200", false},
    };
    for (const Case& c : cases) {
        FramePageRig r;
        QString& box = QLatin1String(c.box) == "xfin"   ? r.boxes.txt_xfin
                       : QLatin1String(c.box) == "yfin" ? r.boxes.txt_yfin
                       : QLatin1String(c.box) == "yini" ? r.boxes.txt_yini
                                                        : r.boxes.txt_cam;
        box = QString::fromLatin1(c.value);
        EXPECT_FALSE(r.take({c.half, true, true}).taken) << c.box << "=" << c.value;
        EXPECT_TRUE(r.line.written.isEmpty()) << c.box << "=" << c.value;
        EXPECT_TRUE(r.console.status().startsWith("Frame not read: ")) << c.box << "=" << c.value;
        EXPECT_EQ(r.boxes.txt_lines, "35") << c.box << "=" << c.value;
        EXPECT_FALSE(QFileInfo::exists(r.folder.path("bmp_exp"))) << c.box << "=" << c.value;
    }

    // Half of 193 lines fits.
    FramePageRig half;
    half.globals.dummyMode = 1;
    half.boxes.txt_xfin = "192";
    EXPECT_TRUE(half.take({true, false, false}).taken);
    EXPECT_EQ(half.boxes.txt_lines, "97");
}

TEST(AdvancedFullFrame, VideoRepeatsUntilTheBoxIsUntickedOrThePageCloses)
{
    struct Case {
        const char* name;
        bool closePage; // else the box is unticked
        int framesTaken;
    };
    // Unticked during the third pause's events: the frame after it is still taken.
    for (const Case& c : {Case{"unticked", false, 4}, Case{"page closed", true, 3}}) {
        FramePageRig r;
        r.globals.dummyMode = 1;
        bool video = true;
        bool stop = false;
        QStringList captions;
        int shown = 0;
        r.clock.onTick = [&] {
            if (r.clock.pumpCount() != 3)
                return;
            if (c.closePage)
                stop = true;
            else
                video = false;
        };
        const FullFrameLoop loop{[] { return FullFrameChoices{}; }, [&] { return video; },
                                 [&](const QString& caption) { captions << caption; }, [&] { ++shown; }, stop};
        const qint64 before = r.clock.elapsedMs();
        EXPECT_EQ(runFullFrames(r.ctx, r.page, r.canvas, r.folder.folder(), r.random, loop), c.framesTaken) << c.name;
        EXPECT_EQ(shown, c.framesTaken) << c.name;
        EXPECT_EQ(captions, QStringList(3, "Video=ON")) << c.name;
        EXPECT_EQ(r.clock.elapsedMs() - before, 300) << c.name;
    }

    // Without video mode: one frame, no pause.
    FramePageRig once;
    once.globals.dummyMode = 1;
    const bool stop = false;
    const FullFrameLoop single{[] { return FullFrameChoices{}; }, [] { return false; }, [](const QString&) {}, {},
                               stop};
    EXPECT_EQ(runFullFrames(once.ctx, once.page, once.canvas, once.folder.folder(), once.random, single), 1);
    EXPECT_EQ(once.clock.elapsedMs(), 0);
}

using FullFrameSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST_F(FullFrameSim, FullAndHalfFramesFromTheInstrumentPassTheirCheck)
{
    connect();
    CameraBoxes boxes = CameraBoxes::advancedPage();
    const QString txt_crc = QStringLiteral("0");
    FrameImage image;
    PictureCanvas canvas{143, 183};
    FramePicture picture{canvas, boxes, image};
    const AdvancedFramePage page{boxes, txt_crc, image, picture};
    QRandomGenerator random{1};
    struct Case {
        bool half;
        const char* summary;
    };
    for (const Case& c : {Case{false, "LEN(Rx) = 26170/26170"}, Case{true, "LEN(Rx) = 6625/6625"}}) {
        EXPECT_TRUE(takeFullFrame(ctx, page, canvas, folder.folder(), {c.half, true, false}, random).taken);
        EXPECT_TRUE(console.lenRx().startsWith(c.summary)) << console.lenRx().toStdString();
        EXPECT_EQ(console.lenRxColour(), QColor(Qt::black)) << c.summary;
    }
    EXPECT_EQ(sim.commandCount('C'), 2);
    EXPECT_EQ(sim.rejectedFrameCount(), 0);
}

} // namespace
