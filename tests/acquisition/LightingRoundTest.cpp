#include "acquisition/run/CameraRunSetup.h"
#include "calibration/LightingRound.h"
#include "picture/PictureCanvas.h"
#include "plate/files/LedFiles.h"
#include "support/MainWindowFrames.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <QDir>

#include <gtest/gtest.h>

// Whole lighting rounds of a run start against the simulated instrument on
// virtual time, for a format without targets (stored powers only).
namespace {

class RecordingRoundView final : public LightingRoundView {
public:
    void prepareLivePicture() override { events << "live"; }
    void showCameraButtons(int grey) override { events << "grey " + QString::number(grey); }
    void whitenCameraButton(int button) override
    {
        events << "white " + QString::number(button);
        if (stopAtFirstFrame)
            *stopAtFirstFrame = 0; // Stop clicked while the first frame is shown
    }
    void redrawPlate() override { events << "plate"; }
    void hideCalibrationPanel() override { events << "hide"; }
    QStringList events;
    int* stopAtFirstFrame = nullptr;
};

class NoAutocalibrationView final : public AutocalibrationView {
public:
    void setCaption(const QString&) override {}
    void showProgress(double) override {}
    void focusMainWindow() override {}
};


// The run's record behind the round's tables.
class RecordTables final : public RunWindowTables {
public:
    explicit RecordTables(RunRecord& run) : run_(run) {}
    WindowPixelTables pixels(int camera, int window) const override
    {
        const WindowPixelList& l = run_.setup.pixels[size_t(camera)][size_t(window)];
        return {l.pixelWellIndex, l.pixelX, l.pixelY};
    }
    void resetRunCounters() override { ++resets; }
    void sizeWindowBuffers(int windowPixels) override
    {
        run_.window.reset(windowPixels);
        sized.push_back(windowPixels);
    }
    int resets = 0;
    std::vector<int> sized;

private:
    RunRecord& run_;
};

// "w96f" (12 x 8): camera 0 sees columns 0 and 1 of rows 0 and 1, each well
// 30 lines by 40 pixels; no other camera sees a well.
PlateGeometry w96fCameraZero()
{
    PlateGeometry g;
    g.firstColumn[0] = 0;
    g.lastColumn[0] = 1;
    g.firstRow[0] = 0;
    g.lastRow[0] = 1;
    for (int k = 0; k < 2; ++k) {
        g.columnStart[0][size_t(k)] = 10 + 30 * k;
        g.columnEnd[0][size_t(k)] = 40 + 30 * k;
        g.rowStart[0][size_t(k)] = 20 + 40 * k;
        g.rowEnd[0][size_t(k)] = 60 + 40 * k;
    }
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 2; ++r) {
            g.spcDataIndex[0][size_t(c)][size_t(r)] = c * 8 + r;
            g.spcWellName[0][size_t(c)][size_t(r)] = QString(QChar('A' + r)) + QString::number(c + 1);
            g.spcColEnd[0][size_t(c)][size_t(r)] = 100;
            g.spcRowEnd[0][size_t(c)][size_t(r)] = 100;
        }
    return g;
}

constexpr int kSerial = 57;

class LightingRoundSim : public SimulatedLinkTest<FakeClock, RecordingConsole>, protected MainWindowFrameRig {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(kSerial);
        globals.applySerialNumber(kSerial);
        ScriptedPrompts setupPrompts;
        ASSERT_EQ(ConfigureCamerasForFormat({geometry, globals.hardwareGeneration, globals.exposureUnit, "30"}, run,
                                            console, setupPrompts),
                  1);
        // Twelve LEDs, two per camera, at power 5; the file is what gets sent.
        QByteArray power = kLedFileTitle.toLatin1() + "\r\n" + kLedPowerColumns.toLatin1() + "\r\n";
        for (int led = 0; led < 12; ++led) {
            leds.ledCamera[size_t(led)] = led / 2;
            leds.ledPower[size_t(led)] = 5;
            power += QByteArray::number(led) + ",5\r\n";
        }
        ASSERT_TRUE(QDir().mkpath(folder.path("config_SN57")));
        ASSERT_TRUE(writeBytes(powerFile(), power));
        storedPowerFile = power;
        enabled.fill(true);
        connect();
    }

    QString powerFile() const { return ledPowerFilePath(folder.folder(), kSerial); }

    LightingRound round()
    {
        return LightingRound{ctx,     folder.folder(), frames(),
                             leds,    mask,            runState,
                             "w96f",  enabled,         run.cameraSpeed,
                             run.cameraExposure,       geometry,
                             tables,  plate,           autocalibrationView,
                             view,    [] { return 0.5; }};
    }

    int commands(char letter, int b = -1) const
    {
        int n = 0;
        for (const SimCommand& c : sim.receivedCommands())
            if (c.letter == quint8(letter) && (b < 0 || c.b == b))
                ++n;
        return n;
    }

    PlateGeometry geometry = w96fCameraZero();
    RunRecord run;
    RecordTables tables{run};
    LedTable leds;
    WellMask mask;
    int runState = 1;
    CameraFlags enabled{};
    PictureCanvas plate{100, 250};
    NoAutocalibrationView autocalibrationView;
    RecordingRoundView view;
    QByteArray storedPowerFile;
};

TEST_F(LightingRoundSim, FormatWithoutTargetsSendsTheStoredPowersAndDrawsEachWindow)
{
    plate.setScale(0, 0, 100, 250);
    plate.clear();
    LightingRound r = round();
    const qint64 start = clock.elapsedMs();
    RunAutoreferenceRound(r);

    EXPECT_EQ(fileBytes(powerFile()), storedPowerFile) << "nothing calibrated, nothing written";
    // Camera 0's two LEDs: once before the windows and once after each of its two windows.
    EXPECT_EQ(commands('L'), 6);
    // Two frames before the balance and a fresh one after, per window.
    EXPECT_EQ(commands('C', '+'), 6);
    EXPECT_EQ(tables.resets, 1);
    // 41 pixels a line, lines 10 to 70: 41 x 60.
    EXPECT_EQ(tables.sized, (std::vector<int>{2460, 2460}));
    EXPECT_EQ(r.windowPixels, 2460);
    EXPECT_EQ(r.currentCamera, 6);
    // The second window: rows 60 to 100 mirrored about 183.
    EXPECT_EQ(boxes.txt_xini, "10");
    EXPECT_EQ(boxes.txt_xfin, "70");
    EXPECT_EQ(boxes.txt_yini, "83");
    EXPECT_EQ(boxes.txt_yfin, "123");
    EXPECT_EQ(boxes.txt_lines, "61");
    EXPECT_EQ(boxes.txt_pix, "41");
    EXPECT_EQ(view.events.first(), "live");
    EXPECT_EQ(view.events.last(), "hide");
    EXPECT_EQ(view.events.count("white 0"), 2);
    EXPECT_GE(clock.elapsedMs() - start, 1500);

    // The simulator's frames land in the four wells' cells: each well's cell
    // (8.33 wide, 31.25 high) holds drawn pixels, the cells beside it none.
    const auto drawnIn = [&](double x1, double y1, double x2, double y2) {
        const QPointF a = plate.toPixel(x1, y1);
        const QPointF b = plate.toPixel(x2, y2);
        int drawn = 0;
        for (int x = int(a.x()); x <= int(b.x()); ++x)
            for (int y = int(a.y()); y <= int(b.y()); ++y)
                drawn += plate.pixel(x, y) != QColor(Qt::white) ? 1 : 0;
        return drawn;
    };
    EXPECT_GT(drawnIn(0, 0, 8, 31), 0);
    EXPECT_GT(drawnIn(8.5, 31.5, 16, 62), 0);
    EXPECT_EQ(drawnIn(17, 0, 99, 249), 0);
    EXPECT_TRUE(plate.image().save(QDir::temp().filePath(QStringLiteral("lighting_round_plate.png"))));
}

TEST_F(LightingRoundSim, AStopDuringTheRoundEndsItWhereItStands)
{
    LightingRound r = round();
    view.stopAtFirstFrame = &runState;
    RunAutoreferenceRound(r);
    EXPECT_EQ(commands('C', '+'), 1) << "no second frame after the stop";
    EXPECT_FALSE(view.events.contains("hide"));
    EXPECT_EQ(r.currentCamera, 0);
}

TEST_F(LightingRoundSim, DummyModeSendsNothingAndDrawsRandomFrames)
{
    globals.dummyMode = 1;
    plate.setScale(0, 0, 100, 250);
    plate.clear();
    LightingRound r = round(); // the random source gives 0.5: grey 127.5, to even 128
    RunAutoreferenceRound(r);
    EXPECT_EQ(sim.totalCommandCount(), 0);
    EXPECT_EQ(fileBytes(powerFile()), storedPowerFile);
    // The frame holds (61 - 1) x (41 - 1) = 2400 of the window's 2460 pixels.
    int grey = 0, other = 0;
    for (int x = 0; x < 17; ++x)
        for (int y = 0; y < 63; ++y) {
            const QColor c = plate.pixel(x, y);
            grey += c == QColor(128, 128, 128) ? 1 : 0;
            other += c != QColor(128, 128, 128) && c != QColor(Qt::white) ? 1 : 0;
        }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(view.events.count("white 0"), 2);
}

TEST_F(LightingRoundSim, NoEnabledCameraResetsRedrawsAndWaits)
{
    enabled.fill(false);
    LightingRound r = round();
    const qint64 start = clock.elapsedMs();
    RunAutoreferenceRound(r);
    EXPECT_EQ(sim.totalCommandCount(), 0);
    EXPECT_EQ(tables.resets, 1);
    EXPECT_EQ(view.events, (QStringList{"live", "grey 0", "plate", "hide"}));
    EXPECT_EQ(clock.elapsedMs() - start, 1500);
}

} // namespace
