#include "acquisition/Frm_acquire.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "ui/DialogPrompts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELDO"));

    Globals globals;
    const ProgramFolder folder = ProgramFolder::besideExecutable();
    globals.runFolder = folder.root();
    SystemClock clock;
    DialogPrompts prompts;
    SystemDesktopOpener opener;

    Frm_acquire window(AppContext{globals, folder, clock, prompts, opener});
    window.show();
    return app.exec();
}
