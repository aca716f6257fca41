#include "lib/SimulatedInstrument.h"

#include <QTextStream>

#include <csignal>
#include <pthread.h>

// The simulated instrument for trying the program without hardware:
//   instrument-sim [<link path>] [--serial N] [--flash <file>]
// serves the protocol on a pseudo-terminal, prints the device path, links it at
// the given path (e.g. <program folder>/ports/COM1) and runs until stopped.
// With --flash, the flash memory is kept in the file from one run to the next.
int main(int argc, char** argv)
{
    QString linkPath;
    int serialNumber = kDefaultSimSerialNumber;
    QString flashFile;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--serial") && i + 1 < argc) {
            bool ok = false;
            serialNumber = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
            if (!ok || serialNumber < 0 || serialNumber > 65535) {
                QTextStream(stderr) << "instrument-sim: --serial takes a number 0 to 65535\n";
                return 2;
            }
        } else if (arg == QLatin1String("--flash") && i + 1 < argc) {
            flashFile = QString::fromLocal8Bit(argv[++i]);
        } else if (linkPath.isEmpty() && !arg.startsWith(QLatin1String("--"))) {
            linkPath = arg;
        } else {
            QTextStream(stderr) << "usage: instrument-sim [<link path>] [--serial N] [--flash <file>]\n";
            return 2;
        }
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
    instrument.setSerialNumber(serialNumber);
    if (!flashFile.isEmpty()) {
        bool kept = false;
        instrument.updateState([&](InstrumentState& s) { kept = s.flash.keepInFile(flashFile); });
        if (!kept) {
            QTextStream(stderr) << "instrument-sim: " << flashFile << " is not a flash image\n";
            return 1;
        }
    }
    instrument.start();
    if (!linkPath.isEmpty() && !instrument.linkAs(linkPath)) {
        QTextStream(stderr) << "instrument-sim: cannot link " << linkPath << "\n";
        return 1;
    }
    QTextStream(stdout) << instrument.devicePath() << Qt::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    instrument.stop();
    return 0;
}
