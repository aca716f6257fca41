#include "acquisition/panels/Frm_acquire.h"
#include "analysis/panels/Frrm_offline.h"
#include "app/AppPageOpener.h"
#include "app/MapPlotPage.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "reporting/panels/Frm_report.h"
#include "ui/DialogPrompts.h"
#include "ui/TerminationSignals.h"

#include <QApplication>
#include <QComboBox>

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
    // The image-sequence page writes its report as the main window's report panel says.
    BmpExportOpener sequencePage([&] {
        return BmpExportContext{globals, clock, prompts, opener,
                                [&] { return main->reportPanel->Combo_reportfile->currentText(); },
                                [&] { return main->reportPanel->Combo_reportdivider->currentText(); }};
    });
    MapPlotPage mapPlot(sequencePage);
    AppPageOpener pages(
        [&] {
            return AdvanceContext{globals, folder, clock, prompts, &comm, [&] { return main->state.plateFormat; }, [&] {
                                      main->show();
                                      main->raise();
                                      main->activateWindow();
                                  },
                                  [&](bool enabled) { main->showInternalReferenceEnabled(enabled); }};
        },
        [&]() -> QWidget* {
            auto* page = new Frrm_offline(OfflineContext{globals, folder, clock, prompts, opener, main,
                                                         [&] { return main->state.runState == 1; }, &mapPlot});
            page->showPage();
            return page;
        });
    Frm_acquire window(AppContext{globals, folder, clock, prompts, opener, comm, &pages, &mapPlot});
    main = &window;
    new TerminationSignals(&window); // owned by the window: log-out ends the program as closing it does
    window.Form_Load(); // shows the window, then looks for the instrument
    return app.exec();
}
