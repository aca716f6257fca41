#include "support/MainWindowFrames.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLedRectangles.h"
#include "support/SimulatedLink.h"
#include "calibration/CameraLedAutocalibration.h"
#include "plate/files/DefaultConfigFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

// Whole autocalibrations of one camera against the simulated instrument on
// virtual time. Each LED's light per power step is set, so the level the
// sweep picks and the correction that follows are known in advance.
namespace {

class RecordingView final : public AutocalibrationView {
public:
    void setCaption(const QString& text) override { captions << text; }
    void showProgress(double percent) override { progress.push_back(percent); }
    void focusMainWindow() override { ++focused; }
    QStringList captions;
    std::vector<double> progress;
    int focused = 0;
};


constexpr int kSerial = 12; // generation 1
constexpr int kGeneration = 1;
// Light per power step, LED by LED (index modulo 9).
constexpr std::array<int, 9> kSteps{15, 30, 89, 100, 170, 200, 5, 25, 64};

// The final level for each light per step, worked out by hand from the sweep
// (highest level with level x step <= T1) and one correction against T2.
const std::map<int, int> kFinalW6{{15, 8}, {30, 5}, {89, 1}, {100, 1}, {170, 0}, {200, 2}, {5, 8}, {25, 6}, {64, 2}};
// The levels of the sweep alone (w6, T1 178).
const std::map<int, int> kChoiceW6{{15, 8}, {30, 5}, {89, 2}, {100, 1}, {170, 1}, {200, 0}, {5, 8}, {25, 7}, {64, 2}};
const std::map<int, int> kFinalW24{{15, 7}, {30, 3}, {89, 1}, {100, 1}, {170, 2}, {200, 2}, {5, 8}, {25, 4}, {64, 1}};

int initialPower(int led) { return led % 4; }

class AutocalibrationSimTest : public SimulatedLinkTest<FakeClock, RecordingConsole>, protected MainWindowFrameRig {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(kSerial);
        globals.applySerialNumber(kSerial);
        sim.updateState([](InstrumentState& s) {
            s.frames.plate.wells.clear(); // light only
            for (int led = 0; led < kSimLedCount; ++led)
                s.ledLightPerStep[static_cast<size_t>(led)] = kSteps[static_cast<size_t>(led % 9)];
        });
        ASSERT_TRUE(WriteDefaultLedSetup1(folder.folder(), QStringLiteral("config")));
        ASSERT_TRUE(writeSimulatedLedXyFile(unitFile("ledxy.dat"), kGeneration));
        QByteArray power = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"power\"\r\n";
        for (int led = 0; led < kSimLedCount; ++led)
            power += QByteArray::number(led) + ',' + QByteArray::number(initialPower(led)) + "\r\n";
        QFile f(unitFile("ledpower.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(power) == power.size());
        f.close();
        for (int camera = 0; camera < WellMask::kCameras; ++camera)
            mask.fill(camera, true);
        connect();
    }

    QString unitFile(const char* name) const { return folder.path(QStringLiteral("config_SN12/") + name); }

    AutocalibrationEnd calibrate(int camera, const QString& format)
    {
        boxes.txt_cam = QString::number(camera);
        CameraLedAutocalibration c{ctx, folder.folder(), frames(),
                                   leds, mask, runState, format, view};
        return AutocalibrateCameraLeds(c);
    }

    // The levels of the all-LED commands the instrument got, in order.
    std::vector<int> allLedLevels() const
    {
        std::vector<int> levels;
        for (const SimCommand& c : sim.receivedCommands())
            if (c.letter == 'L' && c.a == 255)
                levels.push_back(c.b);
        return levels;
    }

    // ledpower.dat as it must be after camera `camera` was calibrated.
    QByteArray expectedPowerFile(int camera, const std::map<int, int>& finals, int maskedLed = -1) const
    {
        QByteArray text = "\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n\"led\",\"power\"\r\n";
        for (int led = 0; led < kSimLedCount; ++led) {
            int p = initialPower(led);
            if (simulatedLedRectangle(kGeneration, led)->camera == camera)
                p = led == maskedLed ? 8 : finals.at(kSteps[static_cast<size_t>(led % 9)]);
            text += QByteArray::number(led) + ',' + QByteArray::number(p) + "\r\n";
        }
        return text;
    }

    LedTable leds;
    WellMask mask;
    int runState = 1;
    RecordingView view;
};

const std::vector<int> kAllLevels{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0};

TEST_F(AutocalibrationSimTest, SixWellCameraGetsTheLevelsItsLightGives)
{
    // LED 0 of camera 0 lights no well pixel: it gets 8 and keeps it.
    const SimulatedLedRectangle led0 = *simulatedLedRectangle(kGeneration, 0);
    for (int x = led0.x1; x <= led0.x2; ++x)
        for (int y = led0.y1; y <= led0.y2; ++y)
            mask.set(0, x, y, false);

    EXPECT_EQ(calibrate(0, "w6"), AutocalibrationEnd::Completed);
    EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), expectedPowerFile(0, kFinalW6, 0));
    EXPECT_EQ(allLedLevels(), kAllLevels);
    // The camera's chosen powers went out once, LED by LED, between the two saves.
    EXPECT_EQ(sim.commandCount('L') + sim.commandCount('l') - static_cast<int>(kAllLevels.size()), 72);
    EXPECT_EQ(view.captions, (QStringList{"CAM[0]: zero1", "CAM[0]: zero2"}));
    EXPECT_EQ(view.focused, 1);
    EXPECT_EQ((QStringList{boxes.txt_xini, boxes.txt_xfin, boxes.txt_yini, boxes.txt_yfin, boxes.txt_speed,
                           boxes.txt_exposure}),
              (QStringList{"0", "142", "1", "183", "1", "240"}));
    EXPECT_EQ(sim.state().camera.cameras[0].exposure, 240);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(AutocalibrationSimTest, TwentyFourWellLastCameraEndsItsProgressAt100)
{
    EXPECT_EQ(calibrate(5, "w24"), AutocalibrationEnd::Completed);
    EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), expectedPowerFile(5, kFinalW24));
    EXPECT_EQ(allLedLevels(), kAllLevels);

    QStringList progress;
    for (const QString& s : console.statuses)
        if (s.startsWith("Autocalibration status = "))
            progress << s.mid(25);
    EXPECT_EQ(progress, (QStringList{"83%", "83%", "83%", "85%", "88%", "90%", "92%", "94%", "96%", "98%", "100%",
                                     "[Image Processing...]"}));
    ASSERT_EQ(view.progress.size(), 9u);
    EXPECT_NEAR(view.progress.back(), 100.0, 1e-9);
    EXPECT_EQ(view.captions, (QStringList{"CAM[5]: zero1", "CAM[5]: zero2"}));
}

TEST_F(AutocalibrationSimTest, StopDuringTheSweepWritesAndSendsNothingMore)
{
    const QByteArray before = fileBytes(unitFile("ledpower.dat"));
    // Stop once the set-up's level and levels 0 and 1 have gone out.
    clock.onTick = [this] {
        if (sim.commandCount('L') >= 3)
            runState = 0;
    };
    EXPECT_EQ(calibrate(2, "w6"), AutocalibrationEnd::Stopped);
    EXPECT_EQ(allLedLevels(), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(sim.commandCount('l'), 0);
    EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), before);
}

TEST_F(AutocalibrationSimTest, StopDuringTheCorrectionKeepsTheChoiceInTheFile)
{
    clock.onTick = [this] {
        if (console.status().endsWith("[Image Processing...]"))
            runState = 0;
    };
    EXPECT_EQ(calibrate(3, "w6"), AutocalibrationEnd::Stopped);
    EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), expectedPowerFile(3, kChoiceW6));
    EXPECT_EQ(allLedLevels(), kAllLevels);
}

// Started from the main window (runState -1) the chosen powers are not sent,
// so the verification frame is dark and every LED goes up two levels.
TEST_F(AutocalibrationSimTest, ACalibrationOutsideARunVerifiesInTheDark)
{
    runState = -1;
    std::map<int, int> raised;
    for (const auto& [step, level] : kChoiceW6)
        raised[step] = std::min(8, level + 2);
    EXPECT_EQ(calibrate(4, "p35"), AutocalibrationEnd::Completed);
    EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), expectedPowerFile(4, raised));
    EXPECT_EQ(sim.commandCount('L') + sim.commandCount('l'), static_cast<int>(kAllLevels.size()));
}

TEST_F(AutocalibrationSimTest, FormatWithoutTargetsSendsAndWritesNothing)
{
    const QByteArray before = fileBytes(unitFile("ledpower.dat"));
    for (const char* format : {"w96f", "w48"}) {
        EXPECT_EQ(calibrate(1, format), AutocalibrationEnd::NoTargets) << format;
        EXPECT_EQ(sim.totalCommandCount(), 0) << format;
        EXPECT_EQ(fileBytes(unitFile("ledpower.dat")), before) << format;
        EXPECT_EQ(clock.elapsedMs(), 0) << format;
    }
}

} // namespace
