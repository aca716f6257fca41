#pragma once

#include "advanced/AdvancedConnect.h"
#include "advanced/AdvancedGridOverlay.h"
#include "advanced/AdvancedStageControls.h"
#include "core/ProgramFolder.h"
#include "link/commands/CameraBoxes.h"
#include "plate/files/LedTables.h"
#include "link/frames/FrameImage.h"
#include "picture/FramePicture.h"
#include "plate/pixelsets/PixelMask.h"

#include <QRandomGenerator>
#include <QSize>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Clock;
class QAction;
class QMenu;
class Console;
class Frame_select;
class ModCOMM;
class PictureBox;
class Prompts;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class SelectionIndicator;
struct Globals;
struct LinkContext;
struct LedCalibrationRun;

// What the advanced page works with; the application owns all of it.
struct AdvanceContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    ModCOMM* comm = nullptr;                  // none: the device buttons send nothing
    std::function<QString()> plateFormat;     // the main window's current plate format
    std::function<void()> showMainWindow;     // shows the main window and brings it forward
    // "Enable Internal Reference " answered: the main window's reference box and format lists.
    std::function<void(bool enabled)> internalReferenceEnabled;
};

// The advanced page "Acquisition Page": the instrument's parts driven one by one.
class Frm_advance : public QWidget {
    Q_OBJECT
public:
    explicit Frm_advance(AdvanceContext context, QWidget* parent = nullptr);
    ~Frm_advance() override;

    Console& console() { return *console_; }

    // Shows the page with its "Advanced parameters" panel and "Close" button
    // and brings it forward (the main window's "Factory Tools(Require password)").
    void showPage();

    // Shared display controls.
    QLabel* lbl_status = nullptr;
    QLineEdit* txt_status = nullptr;
    QLineEdit* txt_timepass = nullptr;
    QPlainTextEdit* txt_in = nullptr;
    QLabel* lbl_lenrx = nullptr;
    QLabel* lblrx = nullptr;
    QFrame* Shape5 = nullptr;
    QFrame* Line5 = nullptr;
    QFrame* frame_main = nullptr;
    PictureBox* Picact = nullptr;
    PictureBox* Picact2 = nullptr;
    PictureBox* Picrealtime = nullptr;
    QGroupBox* frame_advanced = nullptr;
    QPushButton* cmd_menu = nullptr;
    QMenuBar* menuBar = nullptr;

    // Device controls.
    QPushButton* cmdopen = nullptr;
    QLineEdit* txtcom = nullptr;
    QCheckBox* chkdummy = nullptr;
    QPushButton* cmdsn = nullptr;
    QPushButton* cmd_mnid = nullptr;
    QPushButton* cmd_putcamera = nullptr;
    QPushButton* cmd_camera = nullptr;
    QLineEdit* txt_cam = nullptr;
    QPushButton* Cmd_bluelight = nullptr;
    QLineEdit* txt_blue = nullptr;
    QPushButton* cmd_measuretemp2 = nullptr;
    QLabel* lbl_speed = nullptr;
    QLineEdit* txt_speed = nullptr;
    QPushButton* cmd_camspeed = nullptr;
    QLineEdit* txt_exposure = nullptr;
    QPushButton* cmd_exposure = nullptr;
    QComboBox* txt_led = nullptr;
    QPushButton* cmd_ledpowerall = nullptr;
    QLineEdit* txt_xini = nullptr;
    QLineEdit* txt_xfin = nullptr;
    QLineEdit* txt_yini = nullptr;
    QLineEdit* txt_yfin = nullptr;
    QPushButton* cmd_xy = nullptr;
    QLineEdit* txt_lines = nullptr;
    QLineEdit* txt_pix = nullptr;
    QLineEdit* txt_crc = nullptr;
    QLineEdit* txt_n_lines = nullptr;
    QLineEdit* txt_byte_x_line = nullptr;
    QLineEdit* txt_len_input = nullptr;
    QPushButton* Command_fullframe = nullptr;
    QCheckBox* chk_halfpixel = nullptr;
    QCheckBox* chk_cross = nullptr;
    QCheckBox* chk_video = nullptr;
    QCheckBox* chk_exportbmp = nullptr;
    QFrame* Frame8 = nullptr;
    SelectionIndicator* Shape_circle_selection = nullptr;
    QPushButton* cmdset = nullptr;
    Frame_select* frameSelect = nullptr;

    // Raw command console.
    QLineEdit* txtprogram = nullptr;
    QPushButton* cmd_transmit = nullptr;

    // Temperature stage and fan.
    QPushButton* Cmd_coolheat = nullptr;
    QPushButton* Cmd_peltier = nullptr;
    QLineEdit* txt_peltierpwm = nullptr;
    QPushButton* Cmd_fan = nullptr;
    QLineEdit* txt_fanpwm = nullptr;
    QPushButton* cmd_measuretemp = nullptr;
    QTimer* Timer_peltier = nullptr;

    // LEDs, gain and the camera sensor.
    QPushButton* cmd_gain = nullptr;
    QLineEdit* txt_gain = nullptr;
    QPushButton* cmd_frqled = nullptr;
    QLineEdit* txt_frqled = nullptr;
    QPushButton* cmd_led0 = nullptr;
    QLineEdit* txt_valueled = nullptr;
    QLineEdit* txt_value = nullptr;
    QPushButton* cmd_ledpower = nullptr;
    QPushButton* cmd_ov7670 = nullptr;
    QLineEdit* txt_ov1 = nullptr;
    QLineEdit* txt_ov2 = nullptr;
    QPushButton* cmd_reset = nullptr;
    QPushButton* cmd_setcamera = nullptr;

    // Page state.
    CameraBoxes boxes = CameraBoxes::advancedPage();
    AdvancedPortControls portControls;
    GridOverlay gridOverlay;
    PageFrameGeometry frameGeometry;
    FrameImage frameImage;
    AdvancedStage stage;
    AdvancedStageBoxes stageBoxes;

    void Form_Load();
    void LayoutAdvancedPage();
    void Form_Unload();
    void cmd_menu_Click();
    void mnadvanced_Click();
    void cmdopen_Click();
    void chkdummy_Click();
    void chk_video_Click();
    void Frame8_Click();
    void cmdset_Click();
    void cmdsn_Click();
    void cmd_mnid_Click();
    void cmd_putcamera_Click();
    void cmd_camera_Click();
    void Cmd_bluelight_Click();
    void cmd_measuretemp2_Click();
    void cmd_camspeed_Click();
    void cmd_exposure_Click();
    void cmd_ledpowerall_Click();
    void cmd_xy_Click();
    void Cmd_coolheat_Click();
    void Cmd_peltier_Click();
    void Cmd_fan_Click();
    void cmd_measuretemp_Click();
    void Timer_peltier_Timer();
    void cmd_frqled_Click();
    void cmd_gain_Click();
    void cmd_led0_Click();
    void cmd_ledpower_Click();
    void cmd_ov7670_Click();
    void cmd_reset_Click();
    void cmd_setcamera_Click();
    void Command_fullframe_Click();
    void cmd_transmit_Click();

    // The LED set-up buttons and the lighting menu (Frm_advance_ledcal.cpp).
    QPushButton* cmd_default = nullptr;
    QPushButton* Cmd_ledfactory = nullptr;
    QPushButton* Cmd_ledinplate = nullptr;
    QPushButton* Cmd_ledcal = nullptr;
    QAction* mncalibralightback = nullptr;
    void cmd_default_Click();
    void Cmd_ledfactory_Click();
    void Cmd_ledcal_Click();
    void Cmd_ledinplate_Click();
    void mncalibralightback_Click();

    // The rest of the menu bar (Frm_advance_menus.cpp). "Calibrate position",
    // "Help Index" and the two hidden pop-ups have no command on this page.
    QAction* mncalibratewell = nullptr;
    QAction* mncalibratetemp = nullptr;
    QAction* mn_internalref = nullptr;
    QAction* mnadvanced = nullptr;
    QAction* mnhelpindex = nullptr;
    QAction* mnversion = nullptr;
    QAction* mnabout = nullptr;
    QMenu* mngroup = nullptr;
    std::array<QAction*, 24> mnopciongrup{};
    QMenu* mndelblank_top = nullptr;
    QAction* mndelblank = nullptr;
    void mncalibratetemp_Click();
    void mn_internalref_Click();
    void mnversion_Click();
    void mnabout_Click();
    double formTempOffset = 0; // the page's copy of the temperature offset
    LedTable leds;           // the page's LED tables
    int ledRunState = 0;     // -1 while one of the LED set-up commands runs
    int colourScaleMax = 0;  // the live plate map's scale top

    // A device operation that lets window events run is in progress.
    bool exchangeRunning() const { return exchanges_ > 0; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using ControlLine = std::function<void(std::initializer_list<QWidget*>)>;
    // While it lives no other exchange starts, and closing the page waits for its end.
    class ExchangeScope;

    // The page's own way of the LED calibrations' instrument steps.
    class LedSteps;
    void buildLedCalibrationControls(QWidget* panel, const ControlLine& line);
    void buildLightingMenu(QMenu* advanced);
    // One LED set-up command against the page's link, no other exchange meanwhile.
    void runLedCalibration(const std::function<void(LedCalibrationRun&)>& procedure);
    QWidget* buildDeviceControls();
    void buildStageControls(QWidget* panel, const ControlLine& line);
    void buildLedControls(QWidget* panel, const ControlLine& line);
    void buildConsoleControls(QWidget* panel, const ControlLine& line);
    // The stage buttons' colours and the timer as the stage state says.
    void showStage();
    void buildMenus();
    // The page's text size, every button no narrower than its caption.
    void followPageFont(int pixels);
    // Moves what the layout makes too small to read: "Close" and the reply box.
    void keepLegible();
    void fitDeviceControls();
    // The box widget bound to a text of the page's state.
    QLineEdit* boundBox(QWidget* parent, const char* name, QString& text);
    void showBoxes();
    // The link to the instrument; none when the page has no serial module,
    // while one of the page's loops is inside an exchange, or (said in the
    // status line) while another window's exchange holds it.
    std::optional<LinkContext> link();
    // A device click during one of the page's loops (video, Apply, the
    // console, an LED calibration) runs at the loop's next gap between two
    // exchanges, so one exchange at a time still holds: true when `click`
    // was kept for it.
    bool waitsForGap(void (Frm_advance::*click)());
    // The running loop is between two exchanges: the clicks kept meanwhile run now.
    void runQueuedClicks();
    bool clickMayRunNow() const;
    // The connect button's caption from the port in use.
    void showPortCaption();
    void sendAppliedMask(PixelMask& mask);

    AdvanceContext ctx_;
    std::unique_ptr<Console> console_;
    std::unique_ptr<FramePicture> framePicture;
    QString txtCrc_ = QStringLiteral("0");
    std::map<QLineEdit*, QString*> bound_;
    std::optional<QPointF> dragStart_;
    QRandomGenerator random_; // dummy frames, seeded from the clock at each click
    int exchanges_ = 0;
    bool stopRequested_ = false; // the page is closing: running loops end
    bool closePending_ = false;  // closed while an exchange ran
    int portWatch_ = 0;          // told when the port in use opens or closes
    std::vector<void (Frm_advance::*)()> queuedClicks_;
    int gapLevel_ = -1; // exchanges_ where the running loop opened its gap
};
