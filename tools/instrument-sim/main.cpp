#include "factory/SimFactoryFlash.h"
#include "lib/SimOptions.h"
#include "lib/SimulatedInstrument.h"

#include <QTextStream>

#include <csignal>
#include <pthread.h>

// The simulated instrument for trying the program without hardware: serves
// the protocol on a pseudo-terminal until stopped. `--help` lists the options.
int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments += QString::fromLocal8Bit(argv[i]);
    const SimOptionsParse parsed = parseSimOptions(arguments);
    if (!parsed.options) {
        QTextStream(stderr) << "instrument-sim: " << parsed.error << "\n"
                            << "usage: instrument-sim [<link path>] [options]; --help lists them\n";
        return 2;
    }
    const SimOptions& options = *parsed.options;
    if (options.help) {
        QTextStream(stdout) << simOptionsHelp();
        return 0;
    }

    // The signals are taken by sigwait below, never by the serving thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    SimulatedInstrument instrument;
    if (!instrument.isReady()) {
        QTextStream(stderr) << "instrument-sim: cannot open a pseudo-terminal\n";
        return 1;
    }
    instrument.setSerialNumber(options.serialNumber);
    instrument.updateState([&](InstrumentState& s) { s.stage.controller = options.controller; });
    instrument.setPacing(options.pacingBaud);
    for (const Fault& f : options.faults)
        instrument.addFault(f);
    // A unit as it leaves the factory; a flash file that is there replaces it below.
    if (!options.erasedFlash) {
        bool seeded = false;
        instrument.updateState(
            [&](InstrumentState& s) { seeded = seedFlash(s.flash, simFactoryFlashImage(options.serialNumber)); });
        if (!seeded) {
            QTextStream(stderr) << "instrument-sim: the factory calibration does not fit the flash\n";
            return 1;
        }
    }
    if (!options.flashFile.isEmpty()) {
        bool kept = false;
        instrument.updateState([&](InstrumentState& s) { kept = s.flash.keepInFile(options.flashFile); });
        if (!kept) {
            QTextStream(stderr) << "instrument-sim: " << options.flashFile << " is not a flash image\n";
            return 1;
        }
    }
    instrument.start();
    if (!options.linkPath.isEmpty() && !instrument.linkAs(options.linkPath)) {
        QTextStream(stderr) << "instrument-sim: cannot link " << options.linkPath << "\n";
        return 1;
    }
    QTextStream(stdout) << instrument.devicePath() << Qt::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    instrument.stop();
    return 0;
}
