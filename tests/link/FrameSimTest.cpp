#include "FrameReplyBytes.h"
#include "RawTerminal.h"
#include "SimulatedPorts.h"
#include "support/ScriptedPrompts.h"
#include "core/Console.h"
#include "lib/FrameReplies.h"
#include "lib/LedLighting.h"
#include "lib/SensorImage.h"
#include "link/frames/FrameAcquisition.h"
#include "link/frames/FrameRunReaders.h"
#include "link/frames/FrameTransfer.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <functional>

// The simulated instrument's frames, and the readers against it on a
// pseudo-terminal. Pauses run on the fake clock; only the instrument's
// answers take real time.
namespace {

// The instrument's reply for a window, from a sensor whose point (l, p) is l + 2p.
TEST(SimFrameReplies, EveryModeHasItsLayoutAndCheckByte)
{
    const SimCameraSettings w{15, 23, 7, 10, 19, 3, 14}; // lines 10..19 (L 10), pixels 3..14 (P 12)
    const SensorGrey grey = [](int l, int p) { return l + 2 * p; };

    const QByteArray full = frameReply('+', w, 0, grey);
    ASSERT_EQ(full.size(), expectedFrameLength('+', {10, 12, 0}));
    EXPECT_EQ(quint8(full.at(0)), 10 + 2 * 3);
    EXPECT_EQ(quint8(full.at(12 * 9 + 11)), 19 + 2 * 14);
    EXPECT_EQ(xorOf(full), 0); // the last byte is the exclusive-or of the others

    const QByteArray checked = frameReply('+', w, 2, grey);
    ASSERT_EQ(checked.size(), expectedFrameLength('+', {10, 12, 2}));
    EXPECT_EQ(checked.mid(14, 12), full.mid(12, 12)); // line 1 after line 0's two check bytes
    EXPECT_EQ(quint8(checked.at(12)), xorOf(full.left(12)));

    const QByteArray fifth = frameReply('A', w, 0, grey);
    ASSERT_EQ(fifth.size(), expectedFrameLength('A', {10, 12, 0})); // (2 + 2) * 2 + 3
    EXPECT_EQ(quint8(fifth.at(0)), 2);
    EXPECT_EQ(quint8(fifth.at(2)), 10 + 2 * (3 + 4));      // row 0, sample 1: pixel 5 of line 0
    EXPECT_EQ(quint8(fifth.at(4 + 3)), 15 + 2 * (3 + 9));  // row 1, sample 2: pixel 10 of line 5
    EXPECT_EQ(xorOf(fifth), 0);

    const QByteArray half = frameReply('-', w, 0, grey);
    ASSERT_EQ(half.size(), expectedFrameLength('-', {5, 6, 0}));
    EXPECT_EQ(quint8(half.at(0)), (10 + 2 * 3 + 11 + 2 * 3 + 10 + 2 * 4 + 11 + 2 * 4) / 4);

    const QByteArray counted = frameReply('0', w, 0, grey);
    ASSERT_EQ(counted.size(), 120 + 2);
    EXPECT_EQ(counted.left(2), QByteArray("\x00\x78", 2));
    EXPECT_EQ(counted.mid(2), full.left(120));
}

TEST(SimSensorImage, StillWellsKeepStillMovingOnesMoveAndLedsLight)
{
    InstrumentState state;
    state.frames.plate.wells = {{1, 10, 60, 20, 80, 0}, {1, 70, 130, 20, 80, 4}};
    const auto wellDiffers = [&](const SimWell& w, const SensorImage& a, const SensorImage& b) {
        for (int l = w.firstLine; l <= w.lastLine; ++l)
            for (int p = w.firstPixel; p <= w.lastPixel; ++p)
                if (a.grey(l, p) != b.grey(l, p))
                    return true;
        return false;
    };
    const SensorImage first(state, 1, 0);
    const SensorImage second(state, 1, 1);
    EXPECT_FALSE(wellDiffers(state.frames.plate.wells[0], first, second));
    EXPECT_TRUE(wellDiffers(state.frames.plate.wells[1], first, second));
    EXPECT_EQ(first.grey(0, 0), 0); // dark with every LED off
    int bright = 0;
    for (int l = 10; l <= 60; ++l)
        for (int p = 20; p <= 80; ++p)
            bright += first.grey(l, p) == kSimOrganismGrey;
    EXPECT_EQ(bright, kSimOrganismsPerWell * kSimOrganismSize * kSimOrganismSize);

    // Generation 1, LED 208 lights the first spot of camera 1.
    state.ledPower[208] = 5;
    const SensorImage lit(state, 1, 0);
    const std::optional<LedSpot> spot = ledSpot(1, 208);
    ASSERT_TRUE(spot && spot->camera == 1);
    EXPECT_EQ(lit.grey(spot->firstLine, spot->lastPixel), 5 * kSimLightPerPowerStep);
    EXPECT_EQ(lit.grey(kSimSensorLines, 0), 0); // beyond the sensor
}

TEST(SimFramePacing, FramesGoOutAtTheBaudRateWhenAsked)
{
    SimulatedInstrument sim;
    ASSERT_TRUE(sim.isReady());
    sim.updateState([](InstrumentState& s) { s.camera.cameras[0] = {15, 23, 7, 0, 9, 0, 19}; }); // 201 bytes
    sim.setPacing(115200);
    sim.start();
    RawTerminal term(sim.devicePath());
    QElapsedTimer timer;
    timer.start();
    term.write(makeFrameRequest(0, kFrameModeFull)->toByteArray());
    EXPECT_EQ(term.read(201, 2000).size(), 201);
    EXPECT_GE(timer.elapsed(), 201 * 10 * 1000 / 115200); // 17 ms on the wire
}

class FrameSimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim = &ports.addInstrument(1, 12);
        ASSERT_EQ(comm.CommOpen(1, QStringLiteral("COM1"), QStringLiteral("baud=115200 parity=N data=8 stop=1")), 0);
        globals.commPort = 1;
        globals.portOpen = true;
    }
    // Camera `camera` looks at lines first..last and pixels first..last, in the instrument and the boxes.
    void setWindow(int camera, int firstLine, int lastLine, int firstPixel, int lastPixel)
    {
        sim->updateState([=](InstrumentState& s) {
            SimCameraSettings& c = s.camera.cameras[static_cast<size_t>(camera)];
            c.firstLine = firstLine;
            c.lastLine = lastLine;
            c.firstPixel = firstPixel;
            c.lastPixel = lastPixel;
        });
        boxes.txt_cam = QString::number(camera);
        boxes.txt_xini = QString::number(firstLine);
        boxes.txt_xfin = QString::number(lastLine);
        boxes.txt_yini = QString::number(firstPixel);
        boxes.txt_yfin = QString::number(lastPixel);
        boxes.txt_lines = QString::number(lastLine - firstLine + 1);
        boxes.txt_pix = QString::number(lastPixel - firstPixel + 1);
    }

    SimulatedPorts ports;
    SimulatedInstrument* sim = nullptr;
    Globals globals;
    ModCOMM comm{globals, PortMapping(ports.folder.folder()), ports.factory()};
    MemoryConsole console;
    ScriptedPrompts prompts;
    LinkContext ctx{globals, comm, ports.clock, console, prompts};
    CameraBoxes boxes;
    FrameImage image;
    RecordingFrameView view;
    bool abortRequested = false;
};

TEST_F(FrameSimTest, FramesOfEveryModeLandWhereTheSensorSawThem)
{
    setWindow(2, 5, 39, 100, 145); // L 35, P 46
    // LED 76 lights lines 0..16, pixels 95..117 of camera 2.
    sim->updateState([](InstrumentState& s) { s.ledPower[76] = 3; });
    const InstrumentState before = sim->state();
    const SensorImage sensor(before, 2, 0);
    FrameWindow window = mainWindowFrames(boxes, image, view, abortRequested);

    const FrameRead full = AcquireCameraFrame(ctx, window, kDrawFrame);
    ASSERT_TRUE(full.receipt.good()) << console.lenRx().toStdString();
    int lit = 0;
    for (int i = 0; i < 35; ++i)
        for (int p = 1; p <= 46; ++p) {
            ASSERT_EQ(image.grey(2, i + 1, 46 - p), sensor.grey(5 + i, 100 + p - 1)) << i << "," << p;
            lit += image.grey(2, i + 1, 46 - p) > 0;
        }
    EXPECT_GT(lit, 0);
    EXPECT_EQ(view.shown.size(), 1u);

    const SensorImage next(before, 2, 1); // the organisms moved on by one frame
    const FrameRead fifth = AcquireAutoCalibrationFrame(ctx, window);
    ASSERT_TRUE(fifth.receipt.good());
    EXPECT_EQ(fifth.receipt.bytes.size(), 80);
    for (int i = 0; i < 7; ++i)
        for (int k = 1; k <= 9; ++k)
            ASSERT_EQ(image.grey(2, 5 * i + 1, 46 - 5 * k), next.grey(5 + 5 * i, 100 + 5 * k - 1)) << i << "," << k;
    EXPECT_EQ(boxes.txtprogram, "A");
    EXPECT_EQ(sim->commandCount('C'), 2);
    EXPECT_EQ(sim->state().camera.selected, 2);
}

TEST_F(FrameSimTest, RawRetriesAfterAWrongCheckByteOrAShortFrame)
{
    setWindow(0, 0, 19, 0, 29); // 601 bytes
    struct Case {
        const char* name;
        Fault fault;
        FrameText::Outcome outcome;
    };
    const Case cases[] = {
        {"wrong check byte, then a good one", Fault::garbledCheckByte('C').only(1), FrameText::Outcome::Frame},
        {"one byte short, then a good one", Fault::shortFrame('C').only(1), FrameText::Outcome::Frame},
        {"one byte short twice", Fault::shortFrame('C').only(2), FrameText::Outcome::Error},
        {"wrong check byte twice", Fault::garbledCheckByte('C').only(2), FrameText::Outcome::Error},
    };
    for (const Case& c : cases) {
        sim->resetCounts();
        sim->setFault(c.fault);
        const FrameText t = ReadCameraFrameRaw(ctx, boxes, 0);
        EXPECT_EQ(t.outcome, c.outcome) << c.name;
        EXPECT_EQ(sim->commandCount('C'), 2) << c.name;
        if (c.outcome == FrameText::Outcome::Frame) {
            EXPECT_EQ(t.bytes.size(), 601) << c.name;
            EXPECT_EQ(console.lenRx().left(19), "LEN(Rx) = 601/601 C") << c.name;
            EXPECT_EQ(console.lenRxColour(), QColor(Qt::black)) << c.name;
        }
    }
}

TEST_F(FrameSimTest, FrameFaultsGiveTheReadersFailureTexts)
{
    // 601 bytes, the last the exclusive-or of the others; LED 76 lights part of them.
    setWindow(2, 0, 19, 90, 119);
    sim->updateState([](InstrumentState& s) { s.ledPower[76] = 3; });
    struct Case {
        const char* name;
        Fault fault;
        // What arrives of the sound frame on the second try.
        std::function<QByteArray(QByteArray)> arrives;
    };
    const auto inverted = [](QByteArray b, qsizetype at) {
        b[at] = static_cast<char>(~b.at(at));
        return b;
    };
    const Case cases[] = {
        {"short frame", Fault::shortFrame('C'), [](QByteArray b) { return b.left(600); }},
        {"garbled check byte", Fault::garbledCheckByte('C'), [&](QByteArray b) { return inverted(b, 600); }},
        {"wrong frame check", Fault::wrongFrameCheck('C'), [&](QByteArray b) { return inverted(b, 300); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim->resetCounts();
        sim->setFault(c.fault.only(2));
        const InstrumentState before = sim->state();
        const SensorImage second(before, 2, before.frames.framesTaken[2] + 1);
        const QByteArray sound = frameReply('+', before.camera.cameras[2], 0,
                                            [&](int l, int p) { return second.grey(l, p); });
        ASSERT_EQ(sound.size(), 601);
        ASSERT_NE(sound.back(), '\0'); // so a frame one byte short fails its check too
        const QByteArray got = c.arrives(sound);

        const FrameText t = ReadCameraFrameRaw(ctx, boxes, 2);
        EXPECT_EQ(t.outcome, FrameText::Outcome::Error);
        EXPECT_EQ(t.text(), "Error");
        EXPECT_EQ(sim->commandCount('C'), 2);
        EXPECT_EQ(sim->faultCount(c.fault.kind, 'C'), 2);
        EXPECT_EQ(console.lenRx(), QStringLiteral("LEN(Rx) = %1/601 CRC: calc=%2(byteinput=%3)")
                                       .arg(got.size())
                                       .arg(xorOf(got.left(got.size() - 1)))
                                       .arg(quint8(got.back())));
        EXPECT_EQ(console.lenRxColour(), QColor(Qt::red));
    }

    // Spent after two frames: the next read is sound.
    EXPECT_EQ(ReadCameraFrameRaw(ctx, boxes, 2).outcome, FrameText::Outcome::Frame);
    EXPECT_EQ(console.lenRxColour(), QColor(Qt::black));
}

TEST_F(FrameSimTest, CutOfAStillRowIsTheSameFrameAfterFrame)
{
    // The default w24 tables, camera 3, its first row of wells: lines 5..142,
    // pixels 183 - 90 .. 183 - 10. The still wells give the same bytes every time.
    setWindow(3, 5, 142, 93, 173);
    sim->updateState([](InstrumentState& s) {
        for (SimWell& w : s.frames.plate.wells)
            w.movement = 0;
    });
    const FrameCutLayout layout{81, {{5, 75}, {75, 142}}};
    const FrameText first = ReadCameraFrameCut(ctx, boxes, layout, 3);
    ASSERT_EQ(first.outcome, FrameText::Outcome::Frame);
    EXPECT_EQ(first.bytes.size(), 81 * (142 - 5));
    EXPECT_EQ(ReadCameraFrameCut(ctx, boxes, layout, 3).bytes, first.bytes);
}

} // namespace
