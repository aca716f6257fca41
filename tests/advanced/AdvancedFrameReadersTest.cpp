#include "link/FrameReplyBytes.h"
#include "link/ScriptedLink.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedFrameReaders.h"
#include "lib/SensorImage.h"
#include "picture/FramePicture.h"

#include <gtest/gtest.h>

// The advanced page's frame readers, against the simulated instrument and on
// a scripted line, drawn on the page's own picture.
namespace {

class AdvancedFrameSimTest : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        // Camera 1 looks at lines 0..34 and pixels 40..85 (L 35, P 46), lit by LED 210 (lines 0..14, pixels 47..70).
        sim.updateState([](InstrumentState& s) {
            s.camera.cameras[1] = {15, 23, 7, 0, 34, 40, 85};
            s.ledPower[210] = 6;
        });
        connect(lineSettingsText(1000000));
        boxes.txt_cam = "1";
        boxes.txt_xini = "0";
        boxes.txt_xfin = "34";
        boxes.txt_yini = "40";
        boxes.txt_yfin = "85";
        boxes.txt_lines = "35";
        boxes.txt_pix = "46";
    }
    QColor cellColour(int x, int y) const
    {
        const QPointF p = canvas.toPixel(x + 0.5, y + 0.5);
        return canvas.pixel(int(p.x()), int(p.y()));
    }

    CameraBoxes boxes = CameraBoxes::advancedPage();
    QString txt_crc = "0";
    FrameImage image;
    PictureCanvas canvas{340, 450};
    FramePicture picture{canvas, boxes, image};
    AdvancedFramePage page{boxes, txt_crc, image, picture};
};

TEST_F(AdvancedFrameSimTest, LineCheckBytesWidenEachLineAndShowAsZeroInTheDump)
{
    sim.updateState([](InstrumentState& s) { s.frames.lineCheckBytes = 1; });
    txt_crc = "1";
    const SensorImage sensor(sim.state(), 1, 0);

    const FrameRead r = ReadCameraFrameAdvanced(ctx, page, makeFrameRequest(1, kFrameModeFull)->toByteArray());

    ASSERT_TRUE(r.receipt.good());
    EXPECT_TRUE(console.lenRx().startsWith("LEN(Rx) = 1646/1646 CRC: calc="));
    EXPECT_EQ(console.lenRxColour(), QColor(Qt::black));
    const QStringList dumpLines = console.commText().split("\r\n");
    ASSERT_EQ(dumpLines.size(), 37); // lines 0 to 35 and the end after the last
    const QStringList line0 = dumpLines[0].split(';');
    ASSERT_EQ(line0.size(), 48);
    EXPECT_EQ(line0[46], "0"); // the 47th value: the line's check byte
    EXPECT_EQ(line0[0].toInt(), sensor.grey(0, 40));
    for (int i = 0; i < 35; ++i)
        for (int p = 1; p <= 46; ++p)
            ASSERT_EQ(image.grey(1, i + 1, 46 - p), sensor.grey(i, 40 + p - 1)) << i << "," << p;
    EXPECT_EQ(cellColour(1, 0), QColor(image.grey(1, 1, 0), image.grey(1, 1, 0), image.grey(1, 1, 0)));
}

TEST_F(AdvancedFrameSimTest, AWrongCheckByteTurnsTheLabelRedAndTheFrameIsStillPlacedAndDrawn)
{
    sim.setFault(Fault::garbledCheckByte('C').only(1));
    canvas.filledBox(0, 0, 340, 450, Qt::blue);
    const FrameRead r = ReadCameraFrameAdvanced(ctx, page, makeFrameRequest(1, kFrameModeFull)->toByteArray());
    EXPECT_TRUE(r.receipt.complete());
    EXPECT_FALSE(r.receipt.checkHolds());
    EXPECT_EQ(console.lenRxColour(), QColor(Qt::red));
    EXPECT_TRUE(image.cell(1, 35, 0));
    EXPECT_TRUE(r.drawn);
    EXPECT_NE(cellColour(10, 10), QColor(Qt::blue));
}

TEST_F(AdvancedFrameSimTest, EveryFifthFramesAreDrawnOnThisPageEmptyCellsBlack)
{
    const SensorImage sensor(sim.state(), 1, 0);
    const FrameRead r = AcquireAutoCalibrationFrameAdvanced(ctx, page);
    ASSERT_TRUE(r.receipt.good());
    EXPECT_EQ(boxes.txtprogram, "A");
    EXPECT_EQ(r.receipt.bytes.size(), 80);
    EXPECT_TRUE(r.drawn);
    // A sample of the lit area, and its unsampled neighbour drawn black.
    const int sampled = sensor.grey(5, 40 + 10 - 1); // row 1, sample 2
    ASSERT_GT(sampled, 0);
    EXPECT_EQ(cellColour(6, 36), QColor(sampled, sampled, sampled));
    EXPECT_EQ(cellColour(6, 35), QColor(Qt::black));
}

TEST(AdvancedFrameReaders, TheLabelIsBlackWhileReadingAndRedForAShortFrameWithARightCheck)
{
    ScriptedLink s;
    s.connect();
    CameraBoxes boxes = CameraBoxes::advancedPage();
    boxes.txt_cam = "0";
    boxes.txt_lines = "35";
    boxes.txt_pix = "46";
    const QString crc = "0";
    FrameImage image;
    RecordingFrameView view;
    const AdvancedFramePage page{boxes, crc, image, view};
    s.console.setLenRx("LEN(Rx) = 3/3", Qt::red);
    QList<QColor> readingColours;
    s.clock.onTick = [&] {
        if (s.console.lenRx() == "Reading...")
            readingColours << s.console.lenRxColour();
    };
    s.line.script(closedByCheckByte(fullFrameReply(35, 46, 0, patternValue).left(1609)));

    ReadCameraFrameAdvanced(s.ctx, page, makeFrameRequest(0, kFrameModeFull)->toByteArray());

    ASSERT_FALSE(readingColours.isEmpty());
    EXPECT_EQ(readingColours.front(), QColor(Qt::black));
    EXPECT_TRUE(s.console.lenRx().startsWith("LEN(Rx) = 1610/1611"));
    EXPECT_EQ(s.console.lenRxColour(), QColor(Qt::red));
    EXPECT_EQ(view.shown.size(), 1u);

    s.globals.portOpen = false;
    ReadCameraFrameAdvanced(s.ctx, page, makeFrameRequest(0, kFrameModeFull)->toByteArray());
    EXPECT_EQ(s.console.status(), "COMPORT not opened. Click Connect");
}

} // namespace
