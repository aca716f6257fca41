#pragma once

#include "analysis/HeatMapData.h"
#include "analysis/OfflineLayout.h"
#include "analysis/OfflinePageState.h"
#include "analysis/OfflineRunOpening.h"
#include "core/Clock.h"
#include "core/DesktopOpener.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class Frm_report;
class MapPlotTarget;
class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

class FreeSpace;

// What the saved-data page works with. The main window is hidden while the
// page is open and shown again when it closes.
struct OfflineContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    QPointer<QWidget> mainWindow;           // none: nothing to hide or show
    std::function<bool()> acquisitionRunning; // a run writes into runFolder
    MapPlotTarget* mapPlot = nullptr;         // the image-sequence page; none: no hand-over
    const FreeSpace* freeSpace = nullptr;     // the run folder's disk; none: the system's
};

// The saved-data page "Saved Data Analysis": the project and run list, the
// opened run's views and its report panel.
class Frrm_offline : public QWidget {
    Q_OBJECT
public:
    explicit Frrm_offline(OfflineContext context, QWidget* parent = nullptr);
    ~Frrm_offline() override;

    // Loads the page, takes the main window's place and hides it.
    void showPage();

    void Form_Load();
    void Form_Resize();
    void cmd_closeoffline_Click();
    void Form_Unload();
    void ListProjects();
    void lblback_Click();
    void Listpj_DblClick();
    void Listpj_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void mnexplore_folder_Click();
    void mnjointrep_Click();
    void cmd_report_Click();
    // "Load HeatMAP": loads the run's well-activity files; pressed again, stops the load.
    void cmd_plotheat_Click();

    // Draws the group bar plot of the opened run (a test may watch it instead).
    std::function<void()> DrawGroupBarPlot;
    // Draws the heat map (mode 0 sum, 1 one scan) (a test may watch it instead).
    std::function<void(int mode, int scan)> DrawHeatMap;

    // The heat map's and bar plot's controls (Frrm_offline_heatmap.cpp).
    void cmd_plotheatsum_Click();
    void cmd_plotheatkin_Click();
    void HScroll_time_Change();
    void cmd_plotbar_Click();
    void combogrup_DblClick();
    void Picreal_MouseDown(Qt::MouseButton button);
    void bmpexporta_Click();
    void bmpexporta_seq_Click();
    void bmpexporta_csvseq_Click();
    std::array<bool, kHeatMapWells> wellHighlight{}; // the wells of the group last double-clicked

    HeatMapData heatMap;
    int loadRunning = 0; // -1 while "Load HeatMAP" runs
    int drawRunning = 0; // -1 while a load or drawing runs; 0 asks it to stop

    // What each line of Listpj stands for, in the list's order.
    const std::vector<RunListLine>& listLines() const { return listLines_; }

    OfflinePageState state;

    QLabel* lbl_status = nullptr;
    QLineEdit* txt_status = nullptr;
    QPushButton* cmd_closeoffline = nullptr;
    QFrame* Shape5 = nullptr;
    QFrame* Line5 = nullptr;
    QFrame* frame_offline = nullptr;
    QListWidget* Listpj = nullptr;
    QPushButton* lblback = nullptr;
    QPushButton* cmd_report = nullptr;
    Frm_report* reportPanel = nullptr; // Frm_report
    PictureBox* Picreal = nullptr;
    QPushButton* cmd_plotbar = nullptr;
    QPushButton* cmd_plotheat = nullptr;
    QFrame* frame_heatmap = nullptr;
    QPushButton* cmd_plotheatsum = nullptr;
    QPushButton* cmd_plotheatkin = nullptr;
    std::array<QRadioButton*, 3> opt_hetmap_color{};
    QScrollBar* HScroll_time = nullptr;
    QLabel* lbl_scan = nullptr;
    QLabel* txt_cframe = nullptr;
    QLabel* Label_groupsname = nullptr;
    QListWidget* combogrup = nullptr;

    QMenu* mnrightclickmenu = nullptr;
    QAction* mnexplore_folder = nullptr;
    QAction* mnjointrep = nullptr;
    QMenu* mn_exporta = nullptr;
    QAction* bmpexporta = nullptr;
    QAction* bmpexporta_seq = nullptr;
    QAction* bmpexporta_csvseq = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildHeatMapViews();
    static void setBold(QWidget* w, bool bold);
    void drawHeatMapView(int mode, int scan);
    void drawGroupBarPlotView();
    // The scan view of every scan in turn, `each` after each drawing; false when it stopped.
    bool stepThroughScans(const std::function<bool(int)>& each);
    bool areaRowFailed_ = false;
    void applyPlaces(const OfflinePlaces& places);
    void hideViewControls();
    void showOpenedRun();
    void makeCurrent(int row);
    int projectLineAbove(int row) const;

    OfflineContext ctx_;
    std::vector<RunListLine> listLines_;
    bool unloaded_ = false;
};
