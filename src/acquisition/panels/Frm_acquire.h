#pragma once

#include "acquisition/AcquireState.h"
#include "acquisition/PlateFormatChoice.h"
#include "acquisition/panels/Frame_light.h"
#include "acquisition/run/RunLoopHost.h"
#include "acquisition/run/RunRecord.h"
#include "plate/files/TempFactorFile.h"
#include "plate/pictures/RunView.h"
#include "acquisition/temperature/LightSchedule.h"
#include "calibration/BlankRecord.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/frames/FrameReaders.h"
#include "link/protocol/LinkState.h"
#include "link/search/ConfigTxt.h"
#include "picture/FramePicture.h"
#include "plate/geometry/PlateGeometry.h"
#include "plate/pictures/ColourTable.h"
#include "plate/pixelsets/PixelMask.h"
#include "projects/ProjectPanelHost.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Clock;
class Console;
class DesktopOpener;
class Frame_calibration;
class Frame_menu;
class Frame_tcycle;
class Frame_project;
class Frame_select;
class ModCOMM;
class PageOpener;
class RunLoop;
class SendersTemperatureLink;
class TemperatureCalibration;
class TemperatureControl;
class PictureBox;
class PlatePicturePanel;
class Prompts;
class ShapeControl;
class frameblank;
class frm_calibrate;
class frm_confirmacq;
class frmtempcal;
class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class frame_flash;
class Frm_report;
class MapPlotTarget;
class frame_group;
class QMenu;
class QPushButton;
class QTimer;
class WellCalibrationWindow;
class WellPositionCalibration;
struct LinkContext;

// What the main window works with; the application owns all of it.
struct AppContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    ModCOMM& comm; // the serial module: the port owner every command goes through
    PageOpener* pages = nullptr; // opens the other pages; none: no page is built yet
    MapPlotTarget* mapPlot = nullptr; // the image-sequence page of a "MapPlot" report; none: no hand-over
};

// The main window: it creates, places and wires its panels, owns the menus,
// the state the panels share and the run, and opens the program's pages.
class Frm_acquire : public QMainWindow,
                    private FormatChoiceHost,
                    private ProjectPanelHost,
                    private LightPanelHost {
    Q_OBJECT
public:
    explicit Frm_acquire(AppContext context, QWidget* parent = nullptr);
    ~Frm_acquire() override;

    Console& console() { return *console_; }

    // The page, its status strip and the communication box, at window level.
    ShapeControl* Shape5 = nullptr; // the white page rectangle
    ShapeControl* Line5 = nullptr;  // under the strip
    QLabel* lbl_myserial = nullptr;
    QLabel* lbl_status = nullptr;
    QLineEdit* txt_status = nullptr;
    QLineEdit* txt_timepass = nullptr;
    QLabel* lblrx = nullptr; // never shown
    QPlainTextEdit* txt_in = nullptr;
    QLabel* lbl_lenrx = nullptr;

    // The main area: group column (or Picact2 in its place), plate picture, live strip.
    QWidget* frame_main = nullptr;
    PictureBox* Picturehide = nullptr;
    PictureBox* Picrealtime = nullptr;
    PictureBox* Picact2 = nullptr;
    QWidget* Frame1 = nullptr; // never shown

    // The panels.
    Frame_menu* frameMenu = nullptr;               // command column: plate format, blank in use
    frame_group* frameGroup = nullptr;             // group column: projects, groups, recorded runs
    Frame_project* frameProject = nullptr;         // inside frameGroup: project box and group list
    PlatePicturePanel* platePicture = nullptr;     // plate picture Picact
    Frame_calibration* frameCalibration = nullptr; // well calibration column: plate box and counts
    Frame_select* frameSelect = nullptr;           // pixel sets
    frame_flash* flashPanel = nullptr;             // flash transfer, behind the factory password
    Frm_report* reportPanel = nullptr;             // report options and Generate
    frm_confirmacq* confirmPanel = nullptr;        // names of the run about to start
    frameblank* blankPanel = nullptr;              // blank measurement: name and lapse, or the stored blanks
    Frame_light* frameLight = nullptr;             // light-pulse settings, in the command column
    Frame_tcycle* frameTcycle = nullptr;           // the temperature cycle's list
    frm_calibrate* autocalibrationPanel = nullptr; // progress of the light calibrations
    frmtempcal* tempCalibrationPanel = nullptr;    // two-point temperature calibration

    // The layout rule applied to this window's size; when idle it redraws the plate.
    void LayoutMainWindow();
    // The resize event: the rule, then every well again when no run is on.
    void Form_Resize();
    // Every well of the format with its group, rows outer, columns inner.
    void RedrawAllWells();

    AcquireState state;
    LinkState linkState;     // what the link knows: offline mode, last temperature, controller kind
    PlateGeometry geometry;  // the current format's camera and well tables
    CameraBoxes cameraBoxes; // the camera set-up panel's boxes (txt_cam, txt_gain, ... txtprogram)
    void cmd_default_Click(); // "Default": the default camera window and speed text, nothing sent
    FormatControls formatControls; // the texts of the format, blank and group controls
    ColourTable colourTable = BuildColourTable();

    // Every panel shows the format controls' texts.
    void showFormatControls() override;

    // The camera enable menu under Factory Tools.
    std::array<QAction*, 6> cam_disabled{}; // "DISABLE CAM0 (A1)" ...; checked: camera disabled
    void cam_disabled_Click(int index);
    void showCameraFlags(); // the check marks from state.cameraEnabled

    // Start-up and closing (Frm_acquire_startup.cpp).
    ConfigTxtBoxes configBoxes; // txtcom, txtprogram, ... as config.txt records them
    double formTempOffset = 0; // the temperature factors as start-up read them
    double formTempSlope = 0;
    // False when the program was closed while it started: nothing more is shown.
    bool Form_Load();
    // The "Report" button, and the end of a run that was not a blank run.
    void cmdreport_Click();
    // The closing steps, once, however many ways closing is asked for.
    void Form_Unload();

    // The frame buffer and its picture, drawn on the plate picture.
    FrameImage frameImage;
    std::unique_ptr<FramePicture> framePicture;
    FrameWindow frameWindow(); // the window's side of a general frame read
    PixelMask cameraPixelMask; // read from the mask files

    // The password menu items: the flash panel and the advanced page (Frm_acquire_menus.cpp).
    void mnfactory_param_Click();
    void mnadvanced_Click();

    // The well-position calibration (Frm_acquire_wellcal.cpp).
    QPushButton* cmd_menu = nullptr; // "Close", above the calibration column
    QTimer* Timer5 = nullptr;        // one repaint of the frame and overlay after the last move
    void mncalibratewell_Click();
    void cmd_menu_Click();
    void Timer5_Timer();

    // The instrument link all of the window's commands go through.
    LinkContext& link();
    SendersTemperatureLink& temperatureLink() { return *temperatureLink_; }
    TemperatureControl& temperature() { return *temperature_; }
    PulseState pulse;

    // Starting and stopping a run (Frm_acquire_run.cpp).
    RunRecord run;
    BlankRecord runBlank;      // the blank copied into the run folder
    QString runProjectFolder;  // the run's project folder under reports
    QString runName;           // the run folder's name
    QString lastRunStamp;      // "yyyymmdd_hhmmss" of the last run made
    QTimer* Timer2 = nullptr;  // the run loop's tick
    QTimer* Timer3 = nullptr;  // temperature cycle and light pulse, outside runs
    void cmdPlay_Click();
    void cmd_playacq_Click();
    void cmd_cancelacq_Click();
    void txtlapse_Change();
    void StartAcquisitionRun();
    void StopAcquisition();
    void UnlockPulseInputs();
    // The lighting round of every enabled camera, before the run's first frame.
    void RunAutoreferenceRound();
    void Timer2_Timer();
    RunLoop* runLoop() { return runLoop_.get(); }

    // Temperature and light (Frm_acquire_temperature.cpp).
    void chk_temp_Click();
    void txttemp_Click();
    void Timer3_Timer();
    LightBoxes lightBoxes() const;

    // "Background light" (Frm_acquire_lightcal.cpp); it leaves the live map's scale at 6000.
    int colourScaleMax = 0;
    void mncalibralightback_Click();

    // The two-point temperature calibration (Frm_acquire_tempcal.cpp).
    void mncalibratetemp_Click();
    void cmd_sett1_Click();
    void cmd_set2_Click();
    void cmd_closetmpcal_Click();

    // Start-up, shutdown and menus (Frm_acquire_startup.cpp, Frm_acquire_menus.cpp).
    QAction* mncalibralightback = nullptr; // "Background light"
    QAction* mncalibralight = nullptr;     // "Well illumination", hidden
    QAction* mn_fastled = nullptr;         // "Fast led calibration", hidden
    QAction* mncalibratetemp = nullptr;    // "Calibrate"
    QAction* mn_internalref = nullptr;     // "Enable Internal Reference "
    QAction* mnadvanced = nullptr;         // "Factory Tools(Require password)"
    QAction* mnfactory_param = nullptr;    // "Factory Parameters(Require Password)"
    QAction* mn_showcomm = nullptr;        // ticked: lbl_lenrx and txt_in shown
    QAction* mn_bluelight = nullptr;       // ticked: Frame_light shown
    QAction* mn_tcycle = nullptr;          // "Enable Temperature cycle"
    QAction* chk_saveraw = nullptr;        // ticked: a run appends its raw samples
    QAction* mnhelpindex = nullptr;
    QAction* mnversion = nullptr;
    QAction* mnabout = nullptr;
    QMenu* mndelblank_top = nullptr;       // pop-up "blankmenu" of the blank list
    QAction* mndelblank = nullptr;         // "Delete blank read"
    QMenu* mnrightclickmenu = nullptr;     // pop-up "rightclickmenu" of the project and run list
    QAction* mnjointrep = nullptr;         // "Joint Report..."
    void chk_saveraw_Click();
    void mn_showcomm_Click();
    void mn_bluelight_Click();
    void mn_tcycle_Click();
    void mnhelpindex_Click();
    void mnversion_Click();
    void mnabout_Click();

    // Blank measurement
    // Frm_acquire_blank.cpp: the blank panel's two faces, the blank in use, the
    // evaluation at a blank run's end, and enabling internal-reference runs.
    void buildBlankControls();
    void cmd_blank_Click();
    void cmd_okblank_Click();
    void cmd_cancelblank_Click();
    void EvaluateBlankRun(const QString& runFolder, const QString& format, double minutes);
    void lbl_blanktime_DblClick();
    void lst_blank_Click();
    void lst_blank_DblClick();
    void lst_blank_MouseUp(Qt::MouseButton button, const QPoint& globalPos);
    void mndelblank_Click();
    void mn_internalref_Click(); // "Enable Internal Reference " under "Factory Tools"
    // The answer's effect, also for the advanced page's item of that caption: the
    // reference box shown or hidden, the check mark, and on enabling the format lists.
    void showInternalReferenceEnabled(bool enabled);
    void showBlankInUse();      // blankInUse and its labels from the current format's store file
    void fillBlankList(const QStringList& storedRuns);

signals:
    // A calibration took the window: a run or temperature cycle stops without a question.
    void runStopped();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FormatChoiceContext formatChoiceContext() override;
    void buildMenus();
    QWidget* buildWindowLevel();
    void buildMainArea(QWidget* parent);
    void buildHiddenPanels(QWidget* parent);
    void sendAppliedMask(PixelMask& mask);
    QWidget* buildFlashPanel(QWidget* parent);
    QWidget* buildReportPanel(QWidget* parent);
    void buildFlashMenu();
    QWidget* buildGroupPanel(QWidget* parent);
    ProjectContext projectContext() override;
    void projectChosen(const ProjectSelection& selection) override;
    void groupListChanged(const GroupComboList& list) override;
    void buildWellCalibration(QWidget* parent);
    void buildWellCalibrationMenu(QMenu* advanced);
    void showWellCalibration();
    void drawWellCalibrationOverlay();

    void buildRunControls();
    void openRunConfirmation();
    // The Start button, the run boxes and the group column as the run's phase wants them.
    void showRunPhase();
    void chk_internalref_Click();
    void rebuildPlateAfterStop();
    RunLoopHost& runSide();
    void buildTemperatureControls(QWidget* parent);
    void showTemperatureView();
    QString shownSetPoint_; // the set-point text the box was last given
    LightButtonContext lightButtonContext() override;
    void enableTimer3() override;
    int sampleCount() const;

    void showCameraButtons(int grey); // cmd_camselect: all white, `grey` grey
    void buildTemperatureCalibration();
    void applyTemperatureFactors();
    TempCalibration tempFactors_; // the factors a temperature calibration works on
    std::unique_ptr<TemperatureCalibration> tempCalibration_;
    class RunWindowSide;
    class LightingRoundSide;
    std::unique_ptr<LinkContext> link_;
    bool closing_ = false;
    std::unique_ptr<SendersTemperatureLink> temperatureLink_;
    std::unique_ptr<TemperatureControl> temperature_;
    std::unique_ptr<RunLoopHost> runSide_;
    std::unique_ptr<RunLoop> runLoop_;
    RunView runMapView_; // what the live plate map reads of the run

    class WellCalibrationSide;
    std::unique_ptr<WellCalibrationWindow> wellSide_;
    std::unique_ptr<WellPositionCalibration> wellCalibration_;

    AppContext ctx_;
    std::unique_ptr<Console> console_;
};
