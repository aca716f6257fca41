#pragma once

#include "acquisition/PlateFormatChoice.h"
#include "core/AcquireState.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "link/CameraBoxes.h"
#include "link/ConfigTxt.h"
#include "link/FrameImage.h"
#include "link/FrameReaders.h"
#include "plate/ColourTable.h"
#include "plate/PixelMask.h"
#include "plate/PixelSetRegion.h"
#include "plate/PlateGeometry.h"
#include "projects/WellSelection.h"
#include "ui/FramePicture.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class Clock;
class Console;
class Prompts;
class DesktopOpener;
class ModCOMM;
class PictureBox;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class frame_flash;

// What the main window works with; the application owns all of it.
struct AppContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
    ModCOMM* comm = nullptr; // the serial module; none: no port is searched or closed
};

// The main window: it owns the run and opens the program's pages.
class Frm_acquire : public QMainWindow {
    Q_OBJECT
public:
    explicit Frm_acquire(AppContext context, QWidget* parent = nullptr);
    ~Frm_acquire() override;

    Console& console() { return *console_; }

    // Controls other parts of the program read and write.
    QLineEdit* txt_status = nullptr;
    QPlainTextEdit* txt_in = nullptr;
    QLabel* lbl_lenrx = nullptr;

    AcquireState state;
    PlateGeometry geometry; // the current format's camera and well tables
    CameraBoxes cameraBoxes; // the camera set-up panel's boxes (txt_cam, txt_gain, ... txtprogram)

    // Plate format boxes, blank labels and group list (Frm_acquire_formats.cpp).
    QComboBox* cmb_well = nullptr;
    QComboBox* cmb_formatplate = nullptr;
    QLabel* label_blank = nullptr;
    QLabel* lbl_blanktime = nullptr;
    QLabel* lbl_blankname = nullptr;
    QComboBox* combogrup = nullptr;
    FormatControls formatControls;
    void cmb_well_Click();
    void showFormatControls();

    // Plate picture, well selection and camera flags (Frm_acquire_plate.cpp).
    PictureBox* Picact = nullptr;
    QLineEdit* txt_ncol = nullptr;
    QLineEdit* txt_nrow = nullptr;
    std::array<QAction*, 6> cam_disabled{}; // "DISABLE CAM0 (A1)" ...; checked: camera disabled
    ColourTable colourTable = BuildColourTable();
    WellSelectionState wellSelection;
    void DrawPlateLayout(const QString& format);
    void DrawWellGroupOverlay(int wellIndex);
    void cam_disabled_Click(int index);
    void showCameraFlags(); // the check marks from state.cameraEnabled
    void Picact_MouseDown(Qt::MouseButton button, double x, double y);
    void Picact_MouseUp(Qt::MouseButton button, double x, double y);

    // Start-up and closing (Frm_acquire_startup.cpp).
    ConfigTxtBoxes configBoxes; // txtcom, txtprogram, ... as config.txt records them
    double formTempOffset = 0; // the temperature factors as start-up read them
    double formTempSlope = 0;
    void Form_Load();
    void Form_Unload();

    // Frame buffer, frame picture and the pixel-set panel (Frm_acquire_select.cpp).
    FrameImage frameImage;
    std::unique_ptr<FramePicture> framePicture; // frameImage on Picact
    FrameWindow frameWindow(); // the window's side of a general frame read
    PixelMask setPixelMask;    // built by "Apply to all" and sent to flash
    PixelMask cameraPixelMask; // read from the mask files
    QGroupBox* Frame_select = nullptr;
    QComboBox* cmb_set1 = nullptr;
    QComboBox* cmb_set2 = nullptr;
    QPushButton* cmd_set_select = nullptr;
    QPushButton* cmd_close_frame2 = nullptr;
    QPushButton* cmd_applyset = nullptr;
    QPushButton* cmd_reset_set = nullptr;
    QLabel* lbl_setcentre = nullptr;
    std::optional<FramePoint> setCentre; // the frame pixel clicked while the panel is shown
    void showPixelSetPanel();
    void cmd_set_select_Click();
    void cmd_close_frame2_Click();
    void cmd_applyset_Click();
    void cmd_reset_set_Click();

    // The flash panel, shown by the password menu item (Frm_acquire_flash.cpp).
    frame_flash* flashPanel = nullptr;
    void mnfactory_param_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFormatPanel(QWidget* parent);
    QWidget* buildPlatePicture(QWidget* parent);
    void buildCameraMenu();
    QWidget* buildPixelSetPanel(QWidget* parent);
    void buildPixelSetMenu();
    QWidget* buildFlashPanel(QWidget* parent);
    void buildFlashMenu();

    AppContext ctx_;
    std::unique_ptr<Console> console_;
    QString platePictureFormat_; // the format the plate picture shows
};
