#include "acquisition/run/CameraRunSetup.h"
#include "acquisition/run/RunFiles.h"
#include "acquisition/run/RunLoop.h"
#include "acquisition/run/RunLoopHost.h"
#include "acquisition/run/RunPhase.h"
#include "acquisition/temperature/LightSchedule.h"
#include "acquisition/temperature/SendersTemperatureLink.h"
#include "acquisition/temperature/TemperatureControl.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "lib/SimulatedInstrument.h"
#include "link/frames/FrameTransfer.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"
#include "link/protocol/LinkState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "PacedSimulatorLink.h"
#include "SilentSeams.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <map>
#include <unistd.h>
#include <thread>

// The acquisition loop over whole runs.
// - A run of 2,000 scans on virtual time with instant (dummy) frames: the
//   time it takes and the memory it holds after 500, 1,000 and 2,000 scans,
//   which should grow no faster than the per-scan tables.
// - A w6 run against the simulated instrument paced at 115200 baud on the
//   system clock, three scans: the measured scan period against the bound of
//   its ticks at 200 ms, the waits the senders asked for and each frame's
//   bytes at ten bits a byte; and the loop's CPU time per scan.
namespace {

class QuietHost final : public RunLoopHost {
public:
    explicit QuietHost(RunPhase& phase) : phase_(phase) {}
    LightBoxes lightBoxes() const override { return {}; }
    bool saveRawData() const override { return false; }
    void showElapsedTime(const QString&) override {}
    void showCameraBoxes() override {}
    void showCameraButtons(int) override {}
    void drawMaskedImageWithWellGrid(int, int, const QByteArray&, const QByteArray&, int) override {}
    void drawScanProgressMark(int) override {}
    void clearRealtime() override {}
    void drawWellValueMap(double, int, int, int) override {}
    void drawLivePlateValues(int, int) override {}
    void drawWellActivityRow(int, int) override {}
    void showTemperature() override {}
    void StopAcquisition() override { phase_.apply(RunPhase::Event::Stop); }
    void showRunStoppedByError() override {}
    void showRunDone() override {}
    void cmdreport_Click() override {}
    void EvaluateBlankRun(const QString&, const QString&, double) override {}

private:
    RunPhase& phase_;
};

class NoTemperature final : public TemperatureLink {
public:
    double readTemperature(int) override { return 25.0; }
    double lastReading() const override { return 25.0; }
    void peltierHeat(int) override {}
    void peltierCool(int) override {}
    void peltierOff() override {}
    void fanLevel(int) override {}
    void lightPulse(int) override {}
};

// Virtual time: a sleep advances it at once.
class VirtualClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 14), QTime(9, 0)).addMSecs(ms_); }
    qint64 elapsedMs() const override { return ms_; }
    void sleepMs(int ms) override { ms_ += std::max(ms, 0); }
    void processEvents() override {}
    void advance(int ms) { ms_ += ms; }

private:
    qint64 ms_ = 0;
};

// The system clock, summing the waits asked of it.
class CountingClock final : public Clock {
public:
    QDateTime now() const override { return clock_.now(); }
    qint64 elapsedMs() const override { return clock_.elapsedMs(); }
    void sleepMs(int ms) override
    {
        sleptMs += std::max(ms, 0);
        clock_.sleepMs(ms);
    }
    void processEvents() override { clock_.processEvents(); }
    qint64 sleptMs = 0;

private:
    SystemClock clock_;
};

// Every camera sees one well in one window: lines start..end, row pixels rowStart..rowEnd.
PlateGeometry oneWellPerCamera(int lineStart, int lineEnd, int rowStart, int rowEnd)
{
    PlateGeometry g;
    for (size_t c = 0; c < 6; ++c) {
        g.firstColumn[c] = g.lastColumn[c] = int(c / 2);
        g.firstRow[c] = g.lastRow[c] = int(c % 2);
        g.columnStart[c][0] = lineStart;
        g.columnEnd[c][0] = lineEnd;
        g.rowStart[c][0] = rowStart;
        g.rowEnd[c][0] = rowEnd;
        g.columnLabel[c][0] = QString::number(c / 2 + 1);
        g.rowLabel[c][0] = c % 2 ? QStringLiteral("B") : QStringLiteral("A");
        g.spcDataIndex[c][0][0] = int(c);
        g.spcWellName[c][0][0] = g.rowLabel[c][0] + g.columnLabel[c][0];
        g.spcColEnd[c][0][0] = 100;
        g.spcRowEnd[c][0][0] = 100;
    }
    return g;
}

// Resident memory now, in MiB.
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

void BM_LongRunVirtualTime(benchmark::State& state)
{
    const int scans = int(state.range(0));
    for (auto _ : state) {
        QTemporaryDir dir;
        Globals globals;
        globals.dummyMode = 1;
        ModCOMM comm(globals, PortMapping(ProgramFolder(dir.path())), QtSerialDevice::factory());
        VirtualClock clock;
        MemoryConsole console;
        NoPrompts prompts;
        LinkContext ctx{globals, comm, clock, console, prompts};
        // A small window (21 lines of 21 pixels), so the files stay small and the loop itself is measured.
        const PlateGeometry geometry = oneWellPerCamera(5, 25, 10, 30);
        RunRecord run;
        if (ConfigureCamerasForFormat({geometry, 1, 20, QStringLiteral("30")}, run, console, prompts) != 1) {
            state.SkipWithError("camera set-up failed");
            return;
        }
        const QString runFolder = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(runFolder);
        writeRunFileHeaders(runFolder, clock.now());
        CameraBoxes boxes;
        NoTemperature link;
        // The run as PLAY arms it: the confirmation opened, then confirmed.
        RunPhase phase;
        phase.apply(RunPhase::Event::OpenConfirmation);
        phase.apply(RunPhase::Event::Confirm);
        TemperatureControl temperature(link, clock, phase);
        PulseState pulse;
        QuietHost host(phase);
        RunLoop loop({run, ctx, boxes, geometry, temperature, link, pulse, host, phase.runState()});
        loop.begin({runFolder, QStringLiteral("w6"), 1e9, {true, true, true, true, true, true}});

        const double before = residentMiB();
        std::map<int, double> memoryAt;
        const auto start = std::chrono::steady_clock::now();
        while (loop.scanIndex() < scans) {
            clock.advance(200);
            if (!loop.tick())
                break;
            const int scan = loop.scanIndex();
            if ((scan == 500 || scan == 1000 || scan == 2000) && !memoryAt.count(scan))
                memoryAt[scan] = residentMiB();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.counters["scans"] = loop.scanIndex();
        state.counters["s_per_1000_scans"] = seconds / std::max(loop.scanIndex(), 1) * 1000;
        state.counters["MiB_at_start"] = before;
        for (const auto& [scan, mib] : memoryAt)
            state.counters["MiB_at_" + std::to_string(scan)] = mib;
        state.counters["table_MiB"] =
            double(run.results.wellActivity.size() * 12 + run.results.scanTime.size() * 12) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_LongRunVirtualTime)->Arg(2000)->Iterations(1)->Unit(benchmark::kSecond);

void BM_PacedScanPeriod(benchmark::State& state)
{
    const int baud = 115200;
    const int scans = int(state.range(0));
    for (auto _ : state) {
        PacedSimulatorLink line;
        if (const char* failure = line.open(baud)) {
            state.SkipWithError(failure);
            return;
        }
        QTemporaryDir& dir = line.dir;
        CountingClock clock;
        MemoryConsole console;
        NoPrompts prompts;
        LinkContext ctx{line.globals, *line.comm, clock, console, prompts};
        // The w6 tables: lines 5..140, row pixels 10..165 of every camera.
        const PlateGeometry geometry = oneWellPerCamera(5, 140, 10, 165);
        RunRecord run;
        ConfigureCamerasForFormat({geometry, 1, 20, QStringLiteral("30")}, run, console, prompts);
        const QString runFolder = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(runFolder);
        writeRunFileHeaders(runFolder, clock.now());
        CameraBoxes boxes;
        LinkState linkState;
        int pulseSecondsLeft = 0;
        SendersTemperatureLink link(ctx, linkState, pulseSecondsLeft);
        // The run as PLAY arms it: the confirmation opened, then confirmed.
        RunPhase phase;
        phase.apply(RunPhase::Event::OpenConfirmation);
        phase.apply(RunPhase::Event::Confirm);
        TemperatureControl temperature(link, clock, phase);
        PulseState pulse;
        QuietHost host(phase);
        RunLoop loop({run, ctx, boxes, geometry, temperature, link, pulse, host, phase.runState()});
        loop.begin({runFolder, QStringLiteral("w6"), 1e9, {true, true, true, true, true, true}});

        // Measured from the first scan change on, so every scan measured is whole.
        const qint64 frameBytes = expectedFrameLength(kFrameModeFull, {136, 156, 0});
        int ticks = 0;
        qint64 slept = 0;
        double cpu = 0;
        auto from = std::chrono::steady_clock::now();
        bool measuring = false;
        while (loop.scanIndex() <= scans) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the timer's interval
            const int scanBefore = loop.scanIndex();
            const double cpuBefore = threadCpuSeconds();
            if (!loop.tick())
                break;
            if (measuring) {
                cpu += threadCpuSeconds() - cpuBefore;
                ++ticks;
            }
            if (loop.scanIndex() != scanBefore && !measuring) {
                measuring = true;
                from = std::chrono::steady_clock::now();
                clock.sleptMs = 0;
            }
        }
        const double measured = std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
        slept = clock.sleptMs;
        // Each window: eleven samples and the discarded frame.
        const double frames = double(scans) * 6 * 12;
        const double bound = ticks * 0.2 + double(slept) / 1000.0 + frames * double(frameBytes) * 10.0 / baud;
        state.counters["scans"] = scans;
        state.counters["scan_period_s"] = measured / scans;
        state.counters["bound_s"] = bound / scans;
        state.counters["over_bound_pct"] = (measured / bound - 1) * 100;
        state.counters["cpu_s_per_scan"] = cpu / scans;
        line.sim.stop();
    }
}
BENCHMARK(BM_PacedScanPeriod)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
