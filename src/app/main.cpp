#include "acquisition/panels/Frm_acquire.h"
#include "analysis/panels/Frrm_offline.h"
#include "app/AppPageOpener.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "ui/DialogPrompts.h"
#include "ui/TerminationSignals.h"

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

    ModCOMM comm(globals, PortMapping(folder), QtSerialDevice::factory());

    Frm_acquire* main = nullptr;
    AppPageOpener pages(
        [&] {
            return AdvanceContext{globals, folder, clock, prompts, &comm, [&] { return main->state.plateFormat; }, [&] {
                                      main->show();
                                      main->raise();
                                      main->activateWindow();
                                  }};
        },
        [&]() -> QWidget* {
            auto* page = new Frrm_offline(OfflineContext{globals, folder, clock, prompts, opener, main,
                                                         [&] { return main->state.runState == 1; }});
            page->showPage();
            return page;
        });
    Frm_acquire window(AppContext{globals, folder, clock, prompts, opener, &comm, &pages});
    main = &window;
    new TerminationSignals(&window); // owned by the window: log-out ends the program as closing it does
    window.Form_Load(); // shows the window, then looks for the instrument
    return app.exec();
}
