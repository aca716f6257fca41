#include "calibration/WellPositionCalibration.h"
#include "plate/files/FormatFiles.h"
#include "support/MainWindowFrames.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class RecordingWindow final : public WellCalibrationWindow {
public:
    void stopRunAndCycle() override { events << "stop run"; }
    void clearPlatePicture() override { events << "clear"; }
    void drawPlate(const QString& format) override { events << "plate " + format; }
    void setMainFormat(const QString& format) override { events << "format " + format; }
    void focusMainFormat() override { events << "focus format"; }
    void drawOverlay() override { events << "overlay"; }
    void armRedraw() override { ++arms; }
    void disarmRedraw() override { ++disarms; }
    QStringList events;
    int arms = 0;
    int disarms = 0;
};


class WellCalibrationSim : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.applySerialNumber(12);
        ASSERT_TRUE(copyFormatFixtures("w6", folder.path("config"), folder.path("config_SN12")));
        connect();
    }

    std::vector<SimCommand> sent() const { return sim.receivedCommands(); }

    CameraBoxes boxes = CameraBoxes::mainWindow();
    FrameImage image;
    NoFrameView frameView;
    bool abortRequested = true;
    PlateGeometry geometry;
    QString plateFormat = "w24";
    RecordingWindow window;
    WellPositionCalibration cal{ctx, folder.folder(), mainWindowFrames(boxes, image, frameView, abortRequested),
                                geometry, plateFormat, abortRequested, window};
};

TEST_F(WellCalibrationSim, OpeningSetsCameraZeroUpAndShowsItsBounds)
{
    cal.open("w6");
    EXPECT_FALSE(abortRequested);
    EXPECT_EQ(window.events, (QStringList{"stop run", "clear", "overlay"}));
    EXPECT_TRUE(cal.view.open);
    EXPECT_TRUE(cal.view.plateBoxLocked);
    EXPECT_EQ(plateFormat, "w6");
    EXPECT_EQ(cal.view.greyCameraButton, 0);
    EXPECT_EQ(cal.view.columnItems, QStringList{"1"});
    EXPECT_EQ(cal.view.rowItems, QStringList{"A"});
    EXPECT_EQ(cal.view.columnStart, "5");
    EXPECT_EQ(cal.view.columnEnd, "140");
    EXPECT_EQ(cal.view.rowStart, "10");
    EXPECT_EQ(cal.view.rowEnd, "165");
    EXPECT_TRUE(cal.view.wellPercent.startsWith("w6\r\nWell(A1)="));
    EXPECT_EQ(console.status(), "Ready");
    EXPECT_TRUE(console.statuses.contains("Selecting camera number=0"));

    // The set-up on the wire: all LEDs at 7, camera 0, gain 2 x default, exposure
    // 2 x unit (generation 1), speed, the window, two frames, all LEDs off.
    QList<char> letters;
    for (const SimCommand& c : sent())
        letters << char(c.letter);
    const std::vector<SimCommand> s = sent();
    const auto first = [&](char letter) {
        for (const SimCommand& c : s)
            if (c.letter == quint8(letter))
                return c;
        return SimCommand{};
    };
    EXPECT_EQ(first('L').a, 255);
    EXPECT_EQ(first('L').b, 7);
    EXPECT_EQ(first('G').a * 256 + first('G').b, 2 * globals.defaultGain);
    EXPECT_EQ(first('E').a * 256 + first('E').b, 40);
    EXPECT_EQ(s.back().letter, 'L');
    EXPECT_EQ(s.back().b, 0);
    int frames = 0;
    for (const SimCommand& c : s)
        frames += c.letter == 'C' && c.b == '+' ? 1 : 0;
    EXPECT_EQ(frames, 2);
}

TEST_F(WellCalibrationSim, AMoveIsDroppedByAnotherCameraAndKeptBySave)
{
    cal.open("w6");
    boxes.txt_lines = "143";
    cal.moveBound(BoundaryAxis::Column, BoundaryMove::EndUp);
    EXPECT_EQ(cal.view.columnEnd, "141");
    EXPECT_EQ(window.arms, 1);
    cal.selectCamera(1);
    cal.selectCamera(0);
    EXPECT_EQ(cal.view.columnEnd, "140") << "reloaded from the files";

    cal.moveBound(BoundaryAxis::Column, BoundaryMove::EndUp);
    cal.saveAndNext();
    EXPECT_EQ(cal.currentCamera, 1);
    // Written with bare commas between the quoted header words.
    EXPECT_EQ(fileBytes(folder.path("config_SN12/w6_col.dat")),
              QByteArray("\"w6 column format\"\r\n\"camera\",\"column\",\"start\",\"end\"\r\n"
                         "0,0,5,141\r\n1,0,5,140\r\n2,1,5,140\r\n3,1,5,140\r\n4,2,5,140\r\n5,2,5,140\r\n"));
    EXPECT_EQ(fileBytes(folder.path("config_SN12/w6_row.dat")),
              QByteArray("\"w6 row format\"\r\n\"camera\",\"row\",\"start\",\"end\"\r\n"
                         "0,0,10,165\r\n1,1,10,165\r\n2,0,10,165\r\n3,1,10,165\r\n4,0,10,165\r\n"
                         "5,1,10,165\r\n"));

    cal.selectCamera(5);
    cal.saveAndNext();
    EXPECT_EQ(cal.currentCamera, 0) << "5 wraps to 0";
}

TEST_F(WellCalibrationSim, SaveRefusesAnEndBeforeItsStart)
{
    cal.open("w6");
    boxes.txt_pix = "184";
    for (int i = 0; i < 156; ++i)
        cal.moveBound(BoundaryAxis::Row, BoundaryMove::EndDown);
    EXPECT_EQ(cal.view.rowEnd, "9");
    const QByteArray before = fileBytes(folder.path("config_SN12/w6_row.dat"));
    cal.saveAndNext();
    EXPECT_EQ(prompts.messages.last(), "End before start: C0 row A");
    EXPECT_EQ(cal.currentCamera, 0);
    EXPECT_EQ(fileBytes(folder.path("config_SN12/w6_row.dat")), before);
}

TEST_F(WellCalibrationSim, RefusalsAndClose)
{
    globals.portOpen = false;
    cal.open("w6");
    EXPECT_EQ(prompts.messages, QStringList{"Operation not possible in OFFLINE Mode"});
    globals.portOpen = true;
    cal.open("w96u");
    EXPECT_EQ(prompts.messages.last(), "Microplate format error");
    EXPECT_EQ(window.events, QStringList{"focus format"});
    EXPECT_EQ(sim.totalCommandCount(), 0);

    cal.open("w6");
    cal.close();
    EXPECT_TRUE(abortRequested);
    EXPECT_FALSE(cal.view.open);
    EXPECT_FALSE(cal.view.plateBoxLocked);
    EXPECT_EQ(window.events.last(), "plate w6");
}

TEST_F(WellCalibrationSim, SecondGenerationExposureIsOneAndAHalfUnits)
{
    for (const int serial : {57, 90}) {
        sim.resetCounts();
        sim.setSerialNumber(serial);
        globals.applySerialNumber(serial);
        globals.serialNumber = 12; // the files stay where the fixture put them
        cal.open("w6");
        int exposure = -1;
        for (const SimCommand& c : sim.receivedCommands())
            if (c.letter == 'E')
                exposure = c.a * 256 + c.b;
        EXPECT_EQ(exposure, int(std::nearbyint(globals.exposureUnit * 1.5))) << serial;
        EXPECT_EQ(window.events.first(), "stop run") << "a run or cycle stops on opening";
        window.events.clear();
    }
}

} // namespace
