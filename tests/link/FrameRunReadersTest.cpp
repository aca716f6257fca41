#include "FrameReplyBytes.h"
#include "ScriptedLink.h"
#include "link/frames/FrameRunReaders.h"
#include "link/frames/FrameTransfer.h"

#include <gtest/gtest.h>

// The run's two-try readers on a scripted line, on virtual time.
namespace {

const QByteArray kRequest2 = makeFrameRequest(2, kFrameModeFull)->toByteArray();

class FrameRunReadersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.connect();
        boxes.txt_lines = "10";
        boxes.txt_pix = "6";
    }
    static QByteArray wrongCheck(QByteArray reply)
    {
        reply.back() = static_cast<char>(reply.back() ^ 0x5A);
        return reply;
    }
    int requestsSent() const { return static_cast<int>(s.line.written.size() / 5); }

    ScriptedLink s;
    CameraBoxes boxes;
    const QByteArray good = fullFrameReply(10, 6, 0, patternValue); // 61 bytes
};

TEST_F(FrameRunReadersTest, TwoTriesAtMost)
{
    struct Case {
        const char* name;
        std::vector<QByteArray> replies;
        FrameText::Outcome outcome;
        QByteArray text;
        int requests;
        QColor colour; // of the last summary
    };
    const Case cases[] = {
        {"good at once", {good}, FrameText::Outcome::Frame, good, 1, Qt::black},
        {"wrong check byte, then good", {wrongCheck(good), good}, FrameText::Outcome::Frame, good, 2, Qt::black},
        {"one byte short twice", {good.left(60), good.left(60)}, FrameText::Outcome::Error, "Error", 2,
         Qt::red},
        {"wrong check byte twice", {wrongCheck(good), wrongCheck(good)}, FrameText::Outcome::Error, "Error", 2,
         Qt::red},
        {"silence at first: no second try", {QByteArray()}, FrameText::Outcome::Empty, "", 1, Qt::black},
        {"short, then silence", {good.left(30), QByteArray()}, FrameText::Outcome::Empty, "", 2, Qt::red},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        for (const QByteArray& r : c.replies)
            link.line.script(r);
        const FrameText t = ReadCameraFrameRaw(link.ctx, boxes, 2);
        EXPECT_EQ(t.outcome, c.outcome) << c.name;
        EXPECT_EQ(t.text(), c.text) << c.name;
        EXPECT_EQ(t.failedSample(), c.outcome != FrameText::Outcome::Frame) << c.name;
        EXPECT_EQ(link.line.written, kRequest2.repeated(c.requests)) << c.name;
        EXPECT_EQ(link.console.lenRxColour(), c.colour) << c.name;
    }
}

TEST_F(FrameRunReadersTest, TheLabelShowsEachTrysSummaryColouredByTheCheckAlone)
{
    // A reply one byte short whose last byte happens to be the check of the
    // bytes before it: black although short.
    QByteArray shortButChecked = closedByCheckByte(good.left(59));
    s.line.script(shortButChecked);
    s.line.script(wrongCheck(good));
    QStringList summaries;
    QList<QColor> colours;
    s.clock.onTick = [&] {
        if (summaries.isEmpty() || summaries.back() != s.console.lenRx()) {
            summaries << s.console.lenRx();
            colours << s.console.lenRxColour();
        }
    };
    EXPECT_EQ(ReadCameraFrameRaw(s.ctx, boxes, 2).text(), "Error");
    ASSERT_EQ(summaries.size(), 3);
    EXPECT_EQ(summaries[1], QString("LEN(Rx) = 60/61 CRC: calc=%1(byteinput=%1)").arg(quint8(shortButChecked.back())));
    EXPECT_EQ(colours[1], QColor(Qt::black));
    EXPECT_EQ(colours[2], QColor(Qt::red));
    EXPECT_TRUE(summaries[2].startsWith("LEN(Rx) = 61/61 CRC: calc="));
}

TEST_F(FrameRunReadersTest, NothingIsSentInDummyModeWithoutAPortOrForABadGeometry)
{
    s.globals.dummyMode = 1;
    EXPECT_EQ(ReadCameraFrameRaw(s.ctx, boxes, 2).outcome, FrameText::Outcome::Empty);
    EXPECT_TRUE(s.prompts.messages.isEmpty());

    s.globals.dummyMode = 0;
    s.globals.portOpen = false;
    EXPECT_EQ(ReadCameraFrameCut(s.ctx, boxes, {6, {{0, 10}}}, 2).outcome, FrameText::Outcome::Empty);
    EXPECT_EQ(s.prompts.messages, QStringList{"COMPORT not opened. Click Connect"});

    s.globals.portOpen = true;
    boxes.txt_pix = "200";
    EXPECT_EQ(ReadCameraFrameRaw(s.ctx, boxes, 2).text(), "Error");
    EXPECT_EQ(s.console.status(), "Frame not read: pixels must be 1 to 193, not 200");
    EXPECT_EQ(ReadCameraFrameRaw(s.ctx, {}, 8).text(), "Error");
    EXPECT_EQ(s.console.status(), "Frame not read: camera must be 0 to 5, not 8");
    // Camera 6 is no camera: no run reader asks it.
    EXPECT_EQ(ReadCameraFrameRaw(s.ctx, {}, 6).text(), "Error");
    EXPECT_EQ(s.console.status(), "Frame not read: camera must be 0 to 5, not 6");
    EXPECT_EQ(ReadCameraFrameCut(s.ctx, {}, {6, {{0, 10}}}, 6).text(), "Error");
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 0");
}

TEST_F(FrameRunReadersTest, CutKeepsTheWellBytesOrAnswersErrorWhenTheTablesDoNotFit)
{
    // R = 6 bytes a line; two adjoining well columns over lines 2..6 and 6..9 of the window.
    const FrameCutLayout layout{6, {{2, 6}, {6, 9}}};
    s.line.script(good);
    const FrameText cut = ReadCameraFrameCut(s.ctx, boxes, layout, 2);
    EXPECT_EQ(cut.outcome, FrameText::Outcome::Frame);
    EXPECT_EQ(cut.bytes, good.left(6 * 7)); // R * (last end - first start)

    s.line.script(good);
    const FrameText beyond = ReadCameraFrameCut(s.ctx, boxes, {6, {{2, 6}, {6, 13}}}, 2);
    EXPECT_EQ(beyond.text(), "Error");
    EXPECT_EQ(requestsSent(), 2); // a good frame is not asked for again
}

} // namespace
