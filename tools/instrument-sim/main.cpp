#include "lib/PseudoTerminal.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

// Opens a pseudo-terminal, prints the device path, and stays until stopped.
// With a path argument, the device is also linked there (e.g. <program>/ports/COM1).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PseudoTerminal pty;
    if (!pty.isOpen()) {
        QTextStream(stderr) << "instrument-sim: cannot open a pseudo-terminal\n";
        return 1;
    }
    const QStringList args = app.arguments();
    if (args.size() > 1 && !pty.linkAs(args.at(1))) {
        QTextStream(stderr) << "instrument-sim: cannot link " << args.at(1) << "\n";
        return 1;
    }
    QTextStream(stdout) << pty.devicePath() << Qt::endl;
    std::signal(SIGTERM, [](int) { QCoreApplication::quit(); });
    std::signal(SIGINT, [](int) { QCoreApplication::quit(); });
    return app.exec();
}
