#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "lib/SimulatedInstrument.h"
#include "link/frames/FrameRunReaders.h"
#include "link/frames/FrameTransfer.h"
#include "link/port/ModCOMM.h"
#include "link/port/PortNames.h"
#include "link/port/QtSerialDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include "PacedSimulatorLink.h"
#include "SilentSeams.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

// Full sensor frames (140 lines of 190 pixels, 26601 bytes) read by the run's
// reader from the simulated instrument, which paces its output to the baud
// rate. Reported: the bytes per second achieved against the wire rate (ten
// bits a byte) and the reader's own CPU time per frame; a reader that waits
// without spinning spends a small share of the frame's time on the CPU.
namespace {

constexpr int kLines = 140;
constexpr int kPixels = 190;

void BM_ReadFullFrame(benchmark::State& state)
{
    const int baud = static_cast<int>(state.range(0));
    PacedSimulatorLink line;
    if (const char* failure = line.open(baud, [](InstrumentState& s) {
            s.camera.cameras[0] = {15, 23, 7, 0, kLines - 1, 0, kPixels - 1};
        })) {
        state.SkipWithError(failure);
        return;
    }
    SystemClock clock;
    MemoryConsole console;
    NoPrompts prompts;
    LinkContext ctx{line.globals, *line.comm, clock, console, prompts};
    CameraBoxes boxes;
    boxes.txt_lines = QString::number(kLines);
    boxes.txt_pix = QString::number(kPixels);
    const qint64 frameBytes = expectedFrameLength(kFrameModeFull, {kLines, kPixels, 0});

    qint64 bytes = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        const FrameText frame = ReadCameraFrameRaw(ctx, boxes, 0);
        cpuSeconds += threadCpuSeconds() - cpuStart;
        wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        if (frame.outcome != FrameText::Outcome::Frame || frame.bytes.size() != frameBytes) {
            state.SkipWithError("frame not read");
            return;
        }
        bytes += frame.bytes.size();
    }
    const double wireRate = baud / 10.0;
    const double achieved = double(bytes) / wallSeconds;
    const auto frames = double(state.iterations());
    state.counters["wire_B/s"] = wireRate;
    state.counters["achieved_B/s"] = achieved;
    state.counters["of_wire_%"] = 100.0 * achieved / wireRate;
    state.counters["reader_cpu_ms/frame"] = 1000.0 * cpuSeconds / frames;
    state.counters["reader_cpu_%_of_wall"] = 100.0 * cpuSeconds / wallSeconds;
}

BENCHMARK(BM_ReadFullFrame)->Arg(115200)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFullFrame)->Arg(1000000)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the reader lets window events run between request bytes
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
