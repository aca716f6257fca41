#include "app/AppComposition.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "link/port/QtSerialDevice.h"
#include "ui/DialogPrompts.h"
#include "ui/ProgramScreen.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELDO"));

    SystemClock clock;
    DialogPrompts prompts;
    SystemDesktopOpener opener;
    AppComposition program(
        AppSeams{ProgramFolder::besideExecutable(), clock, prompts, opener, QtSerialDevice::factory(), primaryScreenArea});
    // Closed or told to end while it started: the closing steps have run, so it ends here.
    if (!program.start())
        return 0;
    return app.exec();
}
