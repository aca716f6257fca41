#pragma once

#include "analysis/sequence/ChemotaxisIndexKind.h"
#include "picture/PictureCanvas.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <functional>

class Clock;
class DesktopOpener;
class FreeSpace;
class Prompts;

// What "Process Files" reads when it starts: the page's controls, the main
// window's report panel and the run folder.
struct ChemotaxisSettings {
    QString runFolder;
    QString formatCode;                   // txt_formatowell
    QString fileType = QStringLiteral(".csv"); // Combo_reportfile: ".csv", else a ".txt" report
    QString divider = QStringLiteral(",");     // Combo_reportdivider
    bool threePoint = false;              // chk_3point
    int analysisIndex = 0;                // cmb_analysis
    OptionSelection options{};            // option_axis
    bool grey = true;                     // chk_grey
    bool redCross = true;                 // chk_redcross
    QChar decimalSeparator = QLatin1Char('.'); // the system's
    QLocale locale;                       // the system's date form
};

// Where the processing shows its progress and learns of a stop.
struct ChemotaxisView {
    PictureCanvas& wellpicture;
    PictureCanvas& progress;  // Picture_progress
    PictureCanvas& progress2; // Picture_progress2
    std::function<bool()> running;                  // processBusy still -1
    std::function<void(const QString&)> showWell;   // cmb_well
    std::function<void(qint32)> showLastScan;       // txt_frame
    std::function<void(qint32)> showScan;           // txt_cframe
    std::function<void()> refresh;                  // the pictures drawn anew
};

struct ChemotaxisServices {
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    const FreeSpace* freeSpace = nullptr; // the run folder's disk, checked before the images; none: the system's
};

enum class ChemotaxisOutcome {
    Finished, // report written and opened, "ok process"
    Stopped,  // the button was clicked again: the report holds its header only
    Failed,   // a message was shown (or, for a missing time line, none); also
              // when a file could not be written whole or the images would not fit
};

struct ChemotaxisResult {
    ChemotaxisOutcome outcome = ChemotaxisOutcome::Failed;
    QString reportPath;
};

// cmd_process_Click's work: every well of the format through its window file
// into well images, index plots and the report in the run folder.
ChemotaxisResult processChemotaxis(const ChemotaxisSettings& settings, ChemotaxisView& view,
                                   ChemotaxisServices& services);
