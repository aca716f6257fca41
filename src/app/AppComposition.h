#pragma once

#include "app/AppPageOpener.h"
#include "app/MapPlotPage.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "link/port/ModCOMM.h"
#include "link/port/SerialDevice.h"

#include <QRect>

#include <functional>
#include <memory>

class Clock;
class DesktopOpener;
class Frm_acquire;
class Prompts;

// What the program works with from outside itself: the real ones in main(),
// fakes in the whole-program tests.
struct AppSeams {
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    SerialDeviceFactory serialDevices;
    // The screen area the main window and the advanced page open over.
    std::function<QRect()> screenArea;
};

// The program as users run it: the shared record, the serial module, the main
// window with the pages it opens (advanced, saved data, image sequence) and
// the termination signals. main() and the whole-program tests build this one
// object, so the tests link and walk exactly what ships.
class AppComposition {
public:
    explicit AppComposition(AppSeams seams);
    ~AppComposition();
    AppComposition(const AppComposition&) = delete;
    AppComposition& operator=(const AppComposition&) = delete;

    // Shows the main window and looks for the instrument (Form_Load). False
    // when the program was closed while it started: it has ended already.
    bool start();

    Globals& globals() { return globals_; }
    ModCOMM& comm() { return comm_; }
    Frm_acquire& mainWindow() { return *main_; }
    AppPageOpener& pages() { return pages_; }
    BmpExportOpener& sequencePage() { return sequencePage_; }

private:
    AdvanceContext advancedPageContext();
    QRect screenArea() const;
    QWidget* loadSavedDataPage();

    AppSeams seams_;
    Globals globals_;
    ModCOMM comm_;
    // Made last, gone after the pages: a page may still reach the window as it goes.
    std::unique_ptr<Frm_acquire> main_;
    BmpExportOpener sequencePage_;
    MapPlotPage mapPlot_;
    AppPageOpener pages_;
    int portWatch_ = 0;
};
