#include "RunLoopRig.h"

#include "acquisition/run/RunLoopText.h"

#include <gtest/gtest.h>

#include <thread>

// Whole runs of the acquisition loop against the simulated instrument on the
// fake clock: one sample a tick, eleven to a window's evaluation and its rows,
// every window of every camera a scan, the end after camera 5's last window.
namespace {

using RunLoopTest = RunLoopRig;

// What a format's windows give the run files. The counts follow from the
// fixture tables: windowPixels = row height R x (last column end - first
// column start), and a column of width W holds (W + 1) x R positions.
struct FormatCase {
    const char* format;
    int windowsPerScan;   // windows of the six cameras
    int columnsPerWindow; // activity rows per window
    int ticksPerScan;     // eleven a window
    int imageLines;       // image lines of positions 1..windowPixels
    QStringList windowFiles; // "<c><w>" of every window
};

QStringList windowNames(int windows)
{
    QStringList names;
    for (int c = 0; c < 6; ++c)
        for (int w = 0; w < windows; ++w)
            names << QString::number(c) + QString::number(w);
    return names;
}

// w6: one column 5..140 (W 135) and one row 10..165 (R 156): windowPixels
// 156 x 135 = 21060, exactly lines 0..134 of the column.
// w24: columns 5..75 (W 70) and 75..142 (W 67), rows of R 81: windowPixels
// 81 x 137 = 11097 = the first column's 71 lines (5751 positions) and 66 of
// the second column's lines (5346 positions): 137 image lines.
const FormatCase kFormats[] = {
    {"w6", 6, 1, 66, 135, windowNames(1)},
    {"w24", 12, 2, 132, 137, windowNames(2)},
};

class RunLoopFormats : public RunLoopRig, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(RunLoopFormats, TwoScansWriteEveryFileRowByRow)
{
    const FormatCase& f = GetParam();
    prepare(f.format);
    ASSERT_TRUE(begin(30));
    // Arming marks the first window on the plate map, on a cleared live strip.
    ASSERT_EQ(host.activityRows.size(), 1u);
    EXPECT_EQ(host.activityRows[0].camera, 0);
    EXPECT_EQ(host.activityRows[0].window, 0);
    EXPECT_EQ(host.realtimeClears, 1);
    const int ticks = ticksToScan(2);
    EXPECT_EQ(ticks, 2 * f.ticksPerScan);
    EXPECT_TRUE(lastArmed);
    EXPECT_EQ(loop->frameRetryCount(), 0);

    const int windows = 2 * f.windowsPerScan;
    const int rows = windows * f.columnsPerWindow;
    EXPECT_EQ(lineCount(kCurrentActivityFile), 2 + rows);
    EXPECT_EQ(lineCount(kAdjustedActivityFile), 2 + rows);
    EXPECT_EQ(lineCount(kCurrentTemperatureFile), 2 + windows);
    EXPECT_EQ(lineCount(kLightFile), 1 + windows);
    for (const QString& cw : f.windowFiles) {
        SCOPED_TRACE(cw.toStdString());
        // Rewritten each evaluation: the image lines, an empty line and the temperature.
        EXPECT_EQ(lineCount("lastread" + cw + ".csv"), f.imageLines + 2);
        // Appended: per scan the scan and time lines, the image lines and an empty line.
        EXPECT_EQ(lineCount("wellactivity" + cw + ".csv"), 2 * (2 + f.imageLines + 1));
    }
    if (f.windowsPerScan == 6) {
        EXPECT_FALSE(QFile::exists(runFile("lastread01.csv"))); // one window a camera
    }

    // Eleven samples a window and the discarded frame before each window.
    const int perCamera = 2 * (f.windowsPerScan / 6) * 12;
    const std::array<int, 6> requests = frameRequests();
    EXPECT_EQ(requests[0], perCamera + 1); // and the first frame of the next scan
    for (int c = 1; c < 6; ++c)
        EXPECT_EQ(requests[size_t(c)], perCamera) << c;

    // Rows of a scan come camera by camera, window by window; the scan's rows share its number.
    const QStringList light = lines(kLightFile);
    EXPECT_EQ(light[0], "\"#scan\",\"time[m]\",\"light power[0=off]\"");
    EXPECT_TRUE(light[1].startsWith("0,\""));
    EXPECT_TRUE(light[windows].startsWith("1,\""));
    EXPECT_EQ(run.results.scanCount(), 3);
    EXPECT_EQ(run.results.scanTime[0], 0);
    EXPECT_GT(run.results.scanTime[1], 13); // at least eleven ticks of 200 ms a window
    // The stage was read every third sample: each scan has a temperature.
    EXPECT_GT(run.results.scanTemperature[0], 0);
    EXPECT_GT(run.results.scanTemperature[1], 0);
    EXPECT_EQ(host.badDifferences, 0);
}

INSTANTIATE_TEST_SUITE_P(W6AndW24, RunLoopFormats, ::testing::ValuesIn(kFormats),
                         [](const auto& param) { return std::string(param.param.format); });

TEST_F(RunLoopTest, EachTickTakesOneSampleShowsItAndEvaluatesTheEleventh)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    EXPECT_EQ(boxes.txt_cam, "0");
    for (int t = 0; t < 10; ++t)
        ASSERT_TRUE(tickOnce());
    EXPECT_EQ(loop->sampleCount(), 10);
    EXPECT_EQ(host.elapsedTexts.front(), "[00] 00:00.00");
    EXPECT_EQ(console.status(), "[Scan1_C1.0] Frame #9/10");
    EXPECT_EQ(console.commText(), "21060bytes"); // 156 pixels x 135 lines of the w6 window
    // The first sample of a window is drawn without a difference, the others with one.
    EXPECT_EQ(host.drawModes, (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(host.progressMarks, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(lineCount(kCurrentActivityFile), 2);

    ASSERT_TRUE(tickOnce());
    EXPECT_TRUE(console.statuses.contains("[Scan1_C1.0] Frame #10/10"));
    EXPECT_EQ(lineCount(kCurrentActivityFile), 3);
    // Evaluated: the map shows the results, then marks the next window.
    ASSERT_GE(host.mapCalls.size(), 2u);
    EXPECT_EQ(host.mapCalls[0].mode, 0);
    EXPECT_EQ(host.mapCalls[0].camera, 0);
    EXPECT_EQ(host.mapCalls[1].mode, 1);
    EXPECT_EQ(host.mapCalls[1].camera, 1);
    EXPECT_EQ(run.currentCamera, 1);
    EXPECT_EQ(boxes.txt_cam, "1");
    EXPECT_EQ(host.buttonCameras.back(), 1);
    EXPECT_EQ(loop->sampleCount(), 0);
    // The well's read time is the evaluation's second.
    EXPECT_EQ(run.results.readTime(geometry.spcDataIndex[0][0][0], 0), int(std::nearbyint(loop->elapsedSeconds())));
    EXPECT_GE(loop->elapsedSeconds(), 2.0); // ten ticks of 200 ms before it
}

TEST_F(RunLoopTest, StillWellsMeasureNothingAndMovingWellsMoreThanNothing)
{
    // The simulator's plate: in each camera the well of its first column and
    // window moves, the other three keep still.
    prepare("w24");
    ASSERT_TRUE(begin(30));
    ticksToScan(1);
    const QStringList rows = lines(kCurrentActivityFile).mid(2);
    ASSERT_EQ(rows.size(), 24);
    int moving = 0;
    for (int c = 0; c < 6; ++c)
        for (int w = 0; w < 2; ++w)
            for (int k = 0; k < 2; ++k) {
                const QString name = geometry.rowLabel[size_t(c)][size_t(w)] + geometry.columnLabel[size_t(c)][size_t(k)];
                const QString row = rows[c * 4 + w * 2 + k];
                SCOPED_TRACE(row.toStdString());
                ASSERT_TRUE(row.contains("\"" + name + "\""));
                const double value = row.section(' ', 2).toDouble();
                if (w == 0 && k == 0) {
                    EXPECT_GT(value, 0);
                    ++moving;
                } else {
                    EXPECT_EQ(row.section(' ', 2), "0");
                }
            }
    EXPECT_EQ(moving, 6);
}

TEST_F(RunLoopTest, ACameraNotInUseTakesElevenTicksAWindowWithoutFramesOrFiles)
{
    prepare("w6");
    ASSERT_TRUE(begin(30, {true, true, false, true, true, true}));
    EXPECT_EQ(ticksToScan(1), 66);
    EXPECT_EQ(frameRequests()[2], 0);
    EXPECT_FALSE(QFile::exists(runFile("lastread20.csv")));
    EXPECT_FALSE(QFile::exists(runFile("wellactivity20.csv")));
    EXPECT_TRUE(QFile::exists(runFile("lastread10.csv")));
    // Its well still gets its rows, with 0.
    const QStringList rows = lines(kCurrentActivityFile).mid(2);
    ASSERT_EQ(rows.size(), 6);
    const QString name = geometry.rowLabel[2][0] + geometry.columnLabel[2][0];
    EXPECT_TRUE(rows[2].endsWith("\"" + name + "\" 0")) << rows[2].toStdString();
    EXPECT_EQ(lines(kAdjustedActivityFile).mid(2)[2].section(' ', 1), "\"" + name + "\" 0");
    EXPECT_EQ(lineCount(kCurrentTemperatureFile), 2 + 6);
    EXPECT_EQ(lineCount(kLightFile), 1 + 6);
    EXPECT_EQ(host.drawModes.size(), 5u * 11u); // nothing drawn for it
    EXPECT_EQ(host.mapCalls.size(), 5u + 6u);     // results of five windows, six windows marked
}

TEST_F(RunLoopTest, TwoFailedSamplesResendTheSettingsOnceAndAGoodOneStartsTheCountAgain)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    // Each failed sample is two short replies: the reader tries twice.
    sim.setFault(Fault::shortFrame('C').only(2));
    const int gains = sim.commandCount('G');
    ASSERT_TRUE(loop->tick());
    EXPECT_EQ(loop->frameRetryCount(), 1);
    EXPECT_EQ(console.commText(), "5bytes"); // "Error"
    ASSERT_TRUE(loop->tick());
    EXPECT_EQ(loop->sampleCount(), 1);
    EXPECT_EQ(loop->frameRetryCount(), 0);
    sim.setFault(Fault::shortFrame('C').only(2));
    ASSERT_TRUE(loop->tick());
    EXPECT_EQ(loop->frameRetryCount(), 1);
    EXPECT_EQ(sim.commandCount('G'), gains); // a streak of one resends nothing

    sim.setFault(Fault::shortFrame('C').only(4));
    ASSERT_TRUE(loop->tick());
    ASSERT_TRUE(loop->tick());
    EXPECT_EQ(loop->frameRetryCount(), 3);
    EXPECT_EQ(sim.commandCount('G'), gains + 1);
    ASSERT_TRUE(loop->tick());
    EXPECT_EQ(loop->frameRetryCount(), 0);
    EXPECT_EQ(loop->sampleCount(), 2);
    EXPECT_EQ(sim.commandCount('G'), gains + 1);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(RunLoopTest, TheTwentyFirstFailureInARowStopsTheRunAndSendsNothingMore)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    tickWhile([&] { return run.currentCamera == 0; }); // camera 0's window is evaluated
    // Each frame's check byte spoilt: whole replies, so no read waits out a gap.
    sim.setFault(Fault::garbledCheckByte('C'));
    for (int t = 1; t <= 20; ++t) {
        ASSERT_TRUE(loop->tick()) << t;
        // Each failed exchange shows as it happens, not only when the run gives up.
        EXPECT_EQ(console.status(), QStringLiteral("No answer from the instrument (%1 of 21)").arg(t));
    }
    EXPECT_EQ(loop->frameRetryCount(), 20);
    EXPECT_TRUE(prompts.messages.isEmpty());
    sim.resetCounts();

    EXPECT_FALSE(loop->tick());
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(host.errorStops, 1);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], communicationErrorText(1, loop->elapsedSeconds()));
    EXPECT_TRUE(prompts.messages[0].startsWith("Communication Error CAM1 [00] 00:"));
    // The failed tick's frame requests, and after the stop no temperature read or anything else.
    ASSERT_TRUE(sim.waitForCommandCount(2, 2000));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (const SimCommand& c : sim.receivedCommands())
        EXPECT_TRUE(c.letter == 'C' && c.b == '+') << char(c.letter);
    EXPECT_FALSE(loop->tick()); // the next tick does nothing
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(sim.totalCommandCount(), 2);

    // The files hold the one evaluated window, each line complete.
    EXPECT_EQ(lineCount(kCurrentActivityFile), 3);
    EXPECT_EQ(lineCount(kCurrentTemperatureFile), 3);
    EXPECT_EQ(lineCount(kLightFile), 2);
    for (const QString& name : {kCurrentActivityFile, kAdjustedActivityFile, kCurrentTemperatureFile, kLightFile,
                                QString("lastread00.csv"), QString("wellactivity00.csv")})
        EXPECT_TRUE(fileBytes(runFile(name)).endsWith("\r\n")) << name.toStdString();
    EXPECT_FALSE(QFile::exists(runFile("lastread10.csv")));
}

struct EndCase {
    const char* format;
    CameraFlags enabled;
    int ticks;
    int camera5Frames;
    int rows;
};

const EndCase kEnds[] = {
    {"w24", {true, true, true, true, true, true}, 132, 24, 24},
    {"w6", {true, true, true, true, true, false}, 66, 0, 6}, // camera 5 not in use still passes
};

class RunLoopEnd : public RunLoopRig, public ::testing::WithParamInterface<EndCase> {};

TEST_P(RunLoopEnd, OnlyAfterCameraFivesLastWindowOnceTheTimeIsOver)
{
    const EndCase& c = GetParam();
    prepare(c.format);
    // The time is over within the first window; the scan still goes on to its end.
    ASSERT_TRUE(begin(0.01, c.enabled));
    EXPECT_EQ(ticksToEnd(), c.ticks);
    EXPECT_FALSE(lastArmed);
    EXPECT_TRUE(loop->timeOver());
    EXPECT_EQ(runState, 0);
    EXPECT_EQ(console.status(), "DONE!");
    EXPECT_EQ(host.doneShows, 1);
    EXPECT_EQ(host.reports, 1);
    EXPECT_TRUE(host.blankEvaluations.isEmpty());
    EXPECT_EQ(boxes.txt_cam, "6");
    EXPECT_EQ(run.currentCamera, 5);
    EXPECT_EQ(run.results.scanCount(), 1);
    EXPECT_EQ(frameRequests()[5], c.camera5Frames);
    // The run's last exchanges: the fan at 128, then no camera.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::vector<SimCommand> log = sim.receivedCommands();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back().letter, 'C');
    EXPECT_EQ(log.back().a, 6);
    EXPECT_EQ(log.back().b, 0);
    EXPECT_EQ(log[log.size() - 2].letter, 'T');
    // Every window of the scan has its rows; the ending window's wells keep no read time.
    EXPECT_EQ(lineCount(kCurrentActivityFile) - 2, c.rows);
    const int lastWindow = geometry.lastRow[5] - geometry.firstRow[5];
    EXPECT_EQ(run.results.readTime(geometry.spcDataIndex[5][0][size_t(lastWindow)], 0), 0);
    EXPECT_GT(run.results.readTime(geometry.spcDataIndex[4][0][0], 0), 0);
    const int sent = sim.totalCommandCount();
    EXPECT_FALSE(loop->tick());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(sim.totalCommandCount(), sent);
}

INSTANTIATE_TEST_SUITE_P(W24AndW6WithoutCamera5, RunLoopEnd, ::testing::ValuesIn(kEnds),
                         [](const auto& param) { return std::string(param.param.format); });

class RunLoopDummy : public RunLoopRig, public ::testing::WithParamInterface<bool> {};

TEST_P(RunLoopDummy, MakesItsOwnFramesAsksTheInstrumentNothingAndEndsWithItsCall)
{
    const bool blank = GetParam();
    prepare("w6", false);
    globals.dummyMode = 1;
    run.blankRun = blank;
    ASSERT_TRUE(begin(0.01));
    EXPECT_EQ(ticksToEnd(), 66);
    EXPECT_EQ(console.status(), "DONE!");
    EXPECT_EQ(sim.totalCommandCount(), 0);
    // (140 - 5) lines x (173 - 18) pixels of the window boxes, made up.
    EXPECT_TRUE(console.commTexts.contains("20925bytes"));
    EXPECT_EQ(lineCount(kCurrentActivityFile), 2 + 6);
    EXPECT_EQ(lineCount("lastread50.csv"), 135 + 2);
    EXPECT_EQ(lineCount("wellactivity50.csv"), 2 + 135 + 1);
    if (blank) {
        EXPECT_EQ(host.reports, 0);
        EXPECT_EQ(host.blankEvaluations, QStringList{runFolder + "|w6"});
        EXPECT_GT(host.blankMinutes, 0.2);
        EXPECT_FALSE(run.blankRun);
    } else {
        EXPECT_EQ(host.reports, 1);
        EXPECT_TRUE(host.blankEvaluations.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(RunAndBlankRun, RunLoopDummy, ::testing::Bool(),
                         [](const auto& param) { return std::string(param.param ? "Blank" : "Run"); });

TEST_F(RunLoopTest, EveryWriteGoesToTheRunFolderCapturedAtTheStart)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    // Opening a recorded run elsewhere moves the shared run folder.
    const QString elsewhere = folder.path("reports/default_project/20250101_000000");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    globals.runFolder = elsewhere;
    ticksToScan(1);
    EXPECT_TRUE(QDir(elsewhere).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(lineCount(kCurrentActivityFile), 2 + 6);
}

} // namespace

namespace {

TEST_F(RunLoopTest, LightRowsShowThePowerTheLastEvaluationLeft)
{
    prepare("w6");
    // One scheduled cycle with no off time: the light is on from the first evaluation on.
    host.light.enabled = true;
    host.light.power = "2";
    host.light.pulseOn = "1000";
    host.light.pulseOff = "0";
    host.light.pulseTimes = "1";
    ASSERT_TRUE(begin(30));
    ticksToScan(1);
    const QStringList rows = lines(kLightFile).mid(1);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_TRUE(rows[0].startsWith("0,\"0.0\",") || rows[0].startsWith("0,\"0.1\","));
    EXPECT_TRUE(rows[0].endsWith(",0")); // the first row is written before the light goes on
    for (int r = 1; r < 6; ++r)
        EXPECT_TRUE(rows[r].endsWith(",2")) << rows[r].toStdString();
    EXPECT_TRUE(pulse.pulseOn);
    EXPECT_EQ(pulse.pulseEndSeconds, 60000);
}

} // namespace

namespace {

TEST_F(RunLoopTest, TheStageIsReadEveryThirdSampleAndTheLightSentAfterEachEvaluation)
{
    prepare("w6");
    ASSERT_TRUE(begin(30));
    sim.resetCounts();
    // A failed first sample (count 0) reads the stage too.
    sim.setFault(Fault::garbledCheckByte('C').only(2));
    ASSERT_TRUE(tickOnce());
    ASSERT_EQ(loop->frameRetryCount(), 1);
    tickWhile([&] { return run.currentCamera == 0; });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<int> subCommands;
    for (const SimCommand& c : sim.receivedCommands())
        if (c.letter == 'T')
            subCommands.push_back(c.a);
    // Reads at counts 0 (failed), 3, 6 and 9; then the light off after the evaluation.
    EXPECT_EQ(subCommands, (std::vector<int>{255, 255, 255, 255, 15}));
    EXPECT_GT(loop->regulationTemperature(), 0);
    EXPECT_EQ(run.results.scanTemperature[0], loop->regulationTemperature());
}

} // namespace
