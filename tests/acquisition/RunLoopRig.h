#pragma once

#include "acquisition/run/CameraRunSetup.h"
#include "acquisition/run/RunFiles.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/run/RunLoopHost.h"
#include "RunPhaseSteps.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "link/protocol/LinkState.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/WellSpecFile.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <QDir>

#include <memory>
#include <vector>

// A whole run's rig: the simulated instrument on the fake clock, a format's
// tables from the fixtures, the camera set-up, a run folder with its headers,
// and a window that records what the loop asks of it.
class RecordingRunHost final : public RunLoopHost {
public:
    explicit RecordingRunHost(RunPhase& phase) : phase_(phase) {}

    LightBoxes lightBoxes() const override { return light; }
    bool saveRawData() const override { return saveRaw; }
    void showElapsedTime(const QString& text) override { elapsedTexts << text; }
    void showCameraBoxes() override { ++cameraBoxShows; }
    void showCameraButtons(int currentCamera) override { buttonCameras.push_back(currentCamera); }
    void drawMaskedImageWithWellGrid(int, int, const QByteArray& frame, const QByteArray& difference,
                                     int mode) override
    {
        drawModes.push_back(mode);
        if (mode == 1 && difference.size() != frame.size())
            ++badDifferences;
    }
    void drawScanProgressMark(int sample) override { progressMarks.push_back(sample); }
    void clearRealtime() override { ++realtimeClears; }
    void drawWellValueMap(double, int camera, int window, int mode) override
    {
        mapCalls.push_back({camera, window, mode});
    }
    void drawLivePlateValues(int camera, int window) override { liveViews.push_back({camera, window, -1}); }
    void drawWellActivityRow(int camera, int window) override { activityRows.push_back({camera, window, 1}); }
    void showTemperature() override { ++temperatureShows; }
    void StopAcquisition() override
    {
        ++stops;
        phase_.apply(RunPhase::Event::Stop);
        if (onStop)
            onStop();
    }
    void showRunStoppedByError() override { ++errorStops; }
    void showRunDone() override
    {
        ++doneShows;
        phase_.apply(RunPhase::Event::End);
    }
    void cmdreport_Click() override { ++reports; }
    void EvaluateBlankRun(const QString& runFolder, const QString& format, double minutes) override
    {
        blankEvaluations << runFolder + "|" + format;
        blankMinutes = minutes;
    }

    struct Call {
        int camera, window, mode;
    };
    LightBoxes light;
    bool saveRaw = false;
    QStringList elapsedTexts;
    int cameraBoxShows = 0;
    std::vector<int> buttonCameras;
    std::vector<int> drawModes;
    int badDifferences = 0;
    std::vector<int> progressMarks;
    int realtimeClears = 0;
    std::vector<Call> mapCalls;
    std::vector<Call> liveViews;
    std::vector<Call> activityRows;
    int temperatureShows = 0;
    int stops = 0;
    std::function<void()> onStop;
    int errorStops = 0;
    int doneShows = 0;
    int reports = 0;
    QStringList blankEvaluations;
    double blankMinutes = -1;

private:
    RunPhase& phase_;
};

class RunLoopRig : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    static constexpr int kSerial = 12;
    static constexpr int kTickMs = 200;

    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(kSerial);
        globals.applySerialNumber(kSerial);
    }

    // The format's tables and the run's camera set-up; the run folder with its headers.
    void prepare(const QString& code, bool withInstrument = true)
    {
        format = code;
        ASSERT_TRUE(copyFormatFixtures(code, folder.path("config"), folder.path("config_SN12")));
        ReadWellSpecFile(folder.folder(), code, geometry);
        ReadWellFormatFiles(folder.folder(), kSerial, code, geometry);
        ASSERT_EQ(ConfigureCamerasForFormat({geometry, globals.hardwareGeneration, globals.exposureUnit, "30"}, run,
                                            console, prompts),
                  1);
        runFolder = folder.path("reports/default_project/20260314_092653");
        ASSERT_TRUE(QDir().mkpath(runFolder));
        ASSERT_TRUE(writeRunFileHeaders(runFolder, clock.now()));
        if (withInstrument)
            connect();
    }

    // Arms the run as the run start does once its folder is written.
    bool begin(double minutes, CameraFlags enabled = {true, true, true, true, true, true})
    {
        bringToPhase(phase, RunPhase::Phase::Running);
        loop = std::make_unique<RunLoop>(
            RunLoopParts{run, ctx, boxes, geometry, temperature, lightLink, pulse,
                         hostInstead ? *hostInstead : static_cast<RunLoopHost&>(host), runState});
        return loop->begin({runFolder, format, minutes, enabled});
    }

    // Timer2 firing 200 ms after each re-armed tick; gives the ticks run.
    int tickWhile(const std::function<bool()>& goOn, int most = 100000)
    {
        int ticks = 0;
        bool armed = true;
        while (armed && ticks < most && goOn()) {
            clock.advance(kTickMs);
            armed = loop->tick();
            ++ticks;
        }
        lastArmed = armed;
        return ticks;
    }
    bool tickOnce()
    {
        clock.advance(kTickMs);
        return loop->tick();
    }
    int ticksToEnd() { return tickWhile([] { return true; }); }
    int ticksToScan(int scan) { return tickWhile([&] { return loop->scanIndex() < scan; }); }

    QString runFile(const QString& name) const { return QDir(runFolder).filePath(name); }
    // Lines of a CRLF file, the empty text after the last CRLF left out.
    QStringList lines(const QString& name) const
    {
        QStringList l = fileLines(runFile(name));
        if (!l.isEmpty() && l.back().isEmpty())
            l.removeLast();
        return l;
    }
    int lineCount(const QString& name) const { return int(lines(name).size()); }

    // Frame requests ("C", camera, "+") the instrument received, per camera.
    std::array<int, 6> frameRequests() const
    {
        std::array<int, 6> n{};
        for (const SimCommand& c : sim.receivedCommands())
            if (c.letter == 'C' && c.b == '+' && c.a < 6)
                ++n[c.a];
        return n;
    }

    QString format;
    PlateGeometry geometry;
    RunRecord run;
    QString runFolder;
    CameraBoxes boxes;
    LinkState linkState;
    int pulseSecondsLeft = 0;
    SendersTemperatureLink lightLink{ctx, linkState, pulseSecondsLeft};
    RunPhase phase;
    const int& runState = phase.runState();
    TemperatureControl temperature{lightLink, clock, phase};
    PulseState pulse;
    RecordingRunHost host{phase};
    RunLoopHost* hostInstead = nullptr; // a window of the test's own, else the recording one
    std::unique_ptr<RunLoop> loop;
    bool lastArmed = true;
};
