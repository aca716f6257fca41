#include "app/AppComposition.h"

#include "acquisition/panels/Frm_acquire.h"
#include "analysis/panels/Frrm_offline.h"
#include "core/Console.h"
#include "link/port/PortInUseStatus.h"
#include "reporting/panels/Frm_report.h"
#include "ui/ProgramScreen.h"
#include "ui/TerminationSignals.h"

#include <QApplication>

#include <QComboBox>

AppComposition::AppComposition(AppSeams seams)
    : seams_(std::move(seams))
    , comm_(globals_, PortMapping(seams_.folder), seams_.serialDevices)
    // The image-sequence page writes its report as the main window's report panel says.
    , sequencePage_([this] {
        return BmpExportContext{globals_, seams_.clock, seams_.prompts, seams_.opener,
                                [this] { return main_->reportPanel->Combo_reportfile->currentText(); },
                                [this] { return main_->reportPanel->Combo_reportdivider->currentText(); }};
    })
    , mapPlot_(sequencePage_)
    , pages_([this] { return advancedPageContext(); }, [this] { return loadSavedDataPage(); },
             [this] { return screenArea(); })
{
    // Every window, the pages too, in the faces its sizes were designed for,
    // whatever face the desktop would give.
    QApplication::setFont(programSansFont());
    globals_.runFolder = seams_.folder.root();
    main_ = std::make_unique<Frm_acquire>(AppContext{globals_, seams_.folder, seams_.clock, seams_.prompts,
                                                     seams_.opener, comm_, &pages_, &mapPlot_});
    // Owned by the window: log-out ends the program as closing the window does.
    new TerminationSignals(main_.get());
    // A port the advanced page opens or closes shows in the main window's
    // status line too; a lost port says so there already.
    portWatch_ = comm_.watchPortInUse([this](PortInUseChange change) {
        if (change != PortInUseChange::Lost)
            main_->console().setStatus(portInUseStatus(globals_));
    });
}

AppComposition::~AppComposition() { comm_.unwatchPortInUse(portWatch_); }

bool AppComposition::start()
{
    // Opened large: the layout rule sizes every control from the window's size.
    openOnScreenArea(*main_, screenArea());
    if (main_->Form_Load())
        return true;
    main_->hide();
    return false;
}

QRect AppComposition::screenArea() const
{
    return seams_.screenArea ? seams_.screenArea() : primaryScreenArea();
}

AdvanceContext AppComposition::advancedPageContext()
{
    return AdvanceContext{globals_, seams_.folder, seams_.clock, seams_.prompts, &comm_,
                          [this] { return main_->state.plateFormat; },
                          [this] {
                              main_->show();
                              main_->raise();
                              main_->activateWindow();
                          },
                          [this](bool enabled) { main_->showInternalReferenceEnabled(enabled); }};
}

QWidget* AppComposition::loadSavedDataPage()
{
    auto* page = new Frrm_offline(OfflineContext{globals_, seams_.folder, seams_.clock, seams_.prompts, seams_.opener,
                                                 main_.get(), [this] { return main_->state.runState == 1; },
                                                 &mapPlot_});
    page->showPage();
    return page;
}
