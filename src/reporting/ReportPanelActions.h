#pragma once

#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "projects/RunResults.h"
#include "reporting/ReportChoices.h"
#include "reporting/ReportGenerator.h"
#include "reporting/ReportPanelState.h"

#include <QLocale>
#include <QString>

// The report panel's actions without a window: the panel's controls are read
// into ReportChoices and its shown state is a ReportPanelState.

// The divider the panel starts with: the system's list separator, "," when
// it cannot be read.
QString GetListSeparator(const QString& systemSeparator = systemListSeparator());

// The start stamp of the run in a folder: the first line of its
// current_activity.txt up to the first blank, double quotes removed; "" when missing.
QString ReadAcquisitionDate(const QString& folder);

// The report of a single run: the window's groups and format code at this moment.
struct SingleRunOpening {
    const QString& plateFormatText;  // cmb_well
    const WellGroupTable& groups;    // the shared group table
};

// cmdreport_Click: sets the panel up for a report of one run and shows it.
// The joint report's disabled choices come back too.
void openSingleRunReport(const SingleRunOpening& opening, ReportPanelState& panel, QString& welltype,
                         WellGroupTable& reportGroups);

// chk_blank_Click once ticked: whether the box stays ticked (the run's blank copy exists).
bool confirmRunBlank(const QString& runFolder, const QString& welltype, Prompts& prompts);

// Where the image-sequence page takes a map plot's format code.
class MapPlotTarget {
public:
    virtual ~MapPlotTarget() = default;
    virtual void showMapPlot(const QString& formatCode) = 0;
};

struct ReportServices {
    const ProgramFolder& program;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    MapPlotTarget* mapPlot = nullptr; // none yet: the hand-over is skipped
    QLocale locale = QLocale::system();
};

// The run a single report reads; runFolder may change to reports/ when the run's folder is gone.
struct ReportRun {
    const RunResults& run;
    const WellGroupTable& reportGroups;
    QString& runFolder;
    QString formatCode; // txt_welltype
    int serialNumber = 0;
};

struct GenerateOutcome {
    bool hidePanel = false;
    QString binText;  // Combo_reportbin afterwards
    QString filePath; // the report written, if any
};

// "Generate": the joint branch when the panel holds a joint table, else the
// report of the run. The run's blank and factors are read into tables of
// this report alone, so a running acquisition keeps its own.
GenerateOutcome generateFromPanel(const ReportChoices& choices, const ReportPanelState& panel, ReportRun& run,
                                  ReportServices& services);
