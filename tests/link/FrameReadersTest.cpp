#include "FrameReplyBytes.h"
#include "ScriptedLink.h"
#include "link/frames/FrameAcquisition.h"
#include "link/frames/FrameReaders.h"
#include "link/frames/FrameRunReaders.h"

#include <gtest/gtest.h>

// The general reader and the acquisitions on a scripted line, on virtual time.
namespace {

const QByteArray kRequest3Full = makeFrameRequest(3, kFrameModeFull)->toByteArray();

class FrameReadersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.connect();
        boxes.txt_cam = "3";
        boxes.txt_lines = "35";
        boxes.txt_pix = "46";
    }
    FrameRead read(const QByteArray& request, int drawFlag = kDrawFrame)
    {
        FrameWindow window = mainWindowFrames(boxes, image, view, abortRequested);
        return ReadCameraFrame(s.ctx, window, request, drawFlag);
    }

    ScriptedLink s;
    CameraBoxes boxes;
    FrameImage image;
    RecordingFrameView view;
    bool abortRequested = false;
};

TEST_F(FrameReadersTest, AGoodFrameIsSummedUpDumpedPlacedAndDrawn)
{
    const QByteArray reply = fullFrameReply(35, 46, 0, patternValue);
    s.line.script(reply);
    s.console.setLenRx("Len(Rx) = 0", Qt::red); // the main window's reader keeps the label's colour

    const FrameRead r = read(kRequest3Full);

    EXPECT_EQ(r.outcome, FrameReadOutcome::Read);
    EXPECT_TRUE(r.receipt.good());
    const int check = static_cast<quint8>(reply.back());
    EXPECT_EQ(s.console.lenRx(), QString("LEN(Rx) = 1611/1611 CRC: calc=%1(byteinput=%1)").arg(check));
    EXPECT_EQ(s.console.lenRxColour(), QColor(Qt::red));
    // The request went out one byte per write after a flush.
    EXPECT_EQ(s.line.written, kRequest3Full);
    EXPECT_EQ(s.line.writes.size(), 5u);
    EXPECT_EQ(s.line.purges, 1);
    EXPECT_TRUE(s.console.commText().startsWith(QString("%1;%2;").arg(patternValue(0, 1)).arg(patternValue(0, 2))));
    EXPECT_TRUE(s.console.commText().endsWith(QString("\r\n%1;\r\n").arg(check)));
    EXPECT_EQ(image.cell(3, 1, 45), patternValue(0, 1));
    EXPECT_EQ(image.cell(3, 35, 0), patternValue(34, 46));
    EXPECT_EQ(view.shown, (std::vector<RecordingFrameView::Shown>{{3, 35, 46}}));
    // Whole chunks of 32 and no idle poll: 1611 bytes in 51 reads.
    EXPECT_EQ(s.line.reads, 51);
}

TEST_F(FrameReadersTest, DrawingNeedsTheFlagNoStopAndAFullWindowMode)
{
    struct Case {
        const char* name;
        char mode;
        int drawFlag;
        bool abort;
        bool drawn;
    };
    const Case cases[] = {
        {"asked", '+', kDrawFrame, false, true},
        {"flag 0", '+', 0, false, false},
        {"stop requested", '+', kDrawFrame, true, false},
        {"every fifth", 'A', kDrawFrame, false, false},
        {"half size", '-', kDrawFrame, false, true},
    };
    for (const Case& c : cases) {
        view.shown.clear();
        abortRequested = c.abort;
        s.line.script(fullFrameReply(35, 46, 0, patternValue));
        const FrameRead r = read(makeFrameRequest(3, c.mode)->toByteArray(), c.drawFlag);
        EXPECT_EQ(r.drawn, c.drawn) << c.name;
        EXPECT_EQ(view.shown.size(), c.drawn ? 1u : 0u) << c.name;
        EXPECT_TRUE(image.cell(3, 1, 41)) << c.name; // placed all the same
    }
}

TEST_F(FrameReadersTest, SilenceEmptiesTheRectangleAndSaysSo)
{
    image.set(3, 1, 45, 7);
    image.set(3, 36, 0, 7);
    s.line.scriptSilence();
    const FrameRead r = read(kRequest3Full, 0);
    EXPECT_EQ(s.console.lenRx(), "LEN(Rx) = 0/1611 CRC: calc=0(byteinput=-1)");
    EXPECT_FALSE(image.cell(3, 1, 45));
    EXPECT_EQ(image.cell(3, 36, 0), 7);
    EXPECT_EQ(s.line.reads, 10); // ten empty reads before giving up
    EXPECT_FALSE(r.receipt.good());
}

TEST_F(FrameReadersTest, AShortFrameIsShownAndPlacedAsFarAsItCame)
{
    const QByteArray reply = fullFrameReply(35, 46, 0, patternValue);
    s.line.script(reply.left(100));
    read(kRequest3Full);
    EXPECT_TRUE(s.console.lenRx().startsWith("LEN(Rx) = 100/1611 CRC: calc="));
    EXPECT_EQ(image.cell(3, 3, 38), patternValue(2, 8)); // byte 100: line 2, pixel 8
    EXPECT_FALSE(image.cell(3, 3, 37));
    EXPECT_EQ(view.shown.size(), 1u);
}

TEST_F(FrameReadersTest, NothingIsSentWithoutAnOpenPort)
{
    s.globals.portOpen = false;
    image.set(3, 1, 45, 7);
    const FrameRead r = read(kRequest3Full);
    EXPECT_EQ(r.outcome, FrameReadOutcome::PortClosed);
    EXPECT_EQ(s.console.status(), "COMPORT not opened. Click Connect");
    EXPECT_EQ(s.console.lenRx(), "Reading...");
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_EQ(image.cell(3, 1, 45), 7);
}

TEST_F(FrameReadersTest, APortClosedWhileSendingEndsTheReadAtOnce)
{
    s.line.script(fullFrameReply(35, 46, 0, patternValue));
    s.clock.onTick = [this] {
        if (s.line.written.size() == 2)
            s.globals.portOpen = false;
    };
    const FrameRead r = read(kRequest3Full);
    EXPECT_EQ(r.outcome, FrameReadOutcome::ClosedSending);
    EXPECT_EQ(s.line.written, kRequest3Full.left(2));
    EXPECT_EQ(s.line.reads, 0);
    EXPECT_EQ(s.console.lenRx(), "Reading...");
    EXPECT_FALSE(image.cell(3, 1, 45));
}

TEST_F(FrameReadersTest, AGeometryOutsideTheBufferSendsNothingAndSaysWhy)
{
    struct Case {
        QString cam, lines, pix;
        const char* status;
    };
    const Case cases[] = {
        {"3", "193", "46", "Frame not read: lines must be 1 to 192, not 193"},
        {"3", "35", "500", "Frame not read: pixels must be 1 to 193, not 500"},
        {"3", "x", "46", "Frame not read: lines must be 1 to 192, not 0"},
        {"9", "35", "46", "Frame not read: camera must be 0 to 6, not 9"},
    };
    for (const Case& c : cases) {
        boxes.txt_cam = c.cam;
        boxes.txt_lines = c.lines;
        boxes.txt_pix = c.pix;
        const FrameRead r = read(kRequest3Full);
        EXPECT_EQ(r.outcome, FrameReadOutcome::BadSetup);
        EXPECT_EQ(s.console.status(), c.status);
        EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 0");
    }
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_TRUE(view.shown.empty());
}

TEST_F(FrameReadersTest, AcquisitionsWriteTheBoxesAndAskForTheirMode)
{
    struct Case {
        const char* name;
        std::function<FrameRead(LinkContext&, FrameWindow&)> acquire;
        char mode;
        bool drawn;
    };
    const Case cases[] = {
        {"camera frame, no drawing", [](LinkContext& c, FrameWindow& w) { return AcquireCameraFrame(c, w, 0); }, '+',
         false},
        {"camera frame, drawn", [](LinkContext& c, FrameWindow& w) { return AcquireCameraFrame(c, w, kDrawFrame); },
         '+', true},
        {"calibration frame", AcquireCalibrationFrame, '+', true},
        {"autocalibration frame", AcquireAutoCalibrationFrame, 'A', false},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        CameraBoxes b; // design values: 1..183 by 0..143
        b.txt_cam = "3";
        RecordingFrameView v;
        FrameWindow window = mainWindowFrames(b, image, v, abortRequested);
        link.line.script(c.mode == 'A' ? closedByCheckByte(QByteArray(30 * 36 + 2, '\x11'))
                                       : fullFrameReply(183, 144, 0, patternValue));
        c.acquire(link.ctx, window);
        EXPECT_EQ(b.txt_lines, "183") << c.name;
        EXPECT_EQ(b.txt_pix, "144") << c.name;
        EXPECT_EQ(b.txtprogram, QString(QLatin1Char(c.mode))) << c.name;
        EXPECT_EQ(link.line.written, makeFrameRequest(3, c.mode)->toByteArray()) << c.name;
        EXPECT_TRUE(link.console.lenRx().startsWith(c.mode == 'A' ? "LEN(Rx) = 1083/1083" : "LEN(Rx) = 26353/26353"))
            << c.name;
        EXPECT_EQ(v.shown.size(), c.drawn ? 1u : 0u) << c.name;
    }
}

TEST_F(FrameReadersTest, DummyFramesAreRandomZeroToHundredAndAlwaysDrawn)
{
    s.globals.dummyMode = 1;
    boxes.txt_xini = "10";
    boxes.txt_xfin = "19"; // L 10
    boxes.txt_yini = "0";
    boxes.txt_yfin = "7";  // P 8
    image.set(3, 11, 0, 200);
    image.set(3, 1, 8, 200);
    FrameWindow window = mainWindowFrames(boxes, image, view, abortRequested);
    AcquireAutoCalibrationFrame(s.ctx, window); // "A" too: full, not sampled, and drawn

    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_EQ(boxes.txtprogram, "A");
    EXPECT_EQ(view.shown, (std::vector<RecordingFrameView::Shown>{{3, 10, 8}}));
    int total = 0;
    for (int x = 1; x <= 10; ++x)
        for (int y = 0; y < 8; ++y) {
            const auto v = image.cell(3, x, y);
            ASSERT_TRUE(v) << x << "," << y;
            EXPECT_LE(*v, 100);
            total += *v;
        }
    EXPECT_GT(total, 0);
    EXPECT_EQ(image.cell(3, 11, 0), 200); // outside the rectangle
    EXPECT_EQ(image.cell(3, 1, 8), 200);

    // A window the buffer cannot hold is refused here too.
    boxes.txt_xfin = "300";
    EXPECT_EQ(AcquireCalibrationFrame(s.ctx, window).outcome, FrameReadOutcome::BadSetup);
    EXPECT_EQ(s.console.status(), "Frame not read: lines must be 1 to 192, not 291");
    EXPECT_EQ(view.shown.size(), 1u);
}

} // namespace
