#pragma once

#include "calibration/WellBoundaries.h"
#include "core/ProgramFolder.h"
#include "link/frames/FrameReaders.h"
#include "link/protocol/LinkContext.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>
#include <QStringList>

// What the well calibration column (Frame_calibration) shows.
struct WellCalibrationView {
    QStringList columnItems;     // cmb_column
    QStringList rowItems;        // cmb_row
    int columnIndex = -1;
    int rowIndex = -1;
    QString columnStart = QStringLiteral("1"); // txt_column_start
    QString columnEnd = QStringLiteral("45");  // txt_column_end
    QString rowStart = QStringLiteral("1");    // txt_row_start
    QString rowEnd = QStringLiteral("90");     // txt_row_end
    QString wellPercent = QStringLiteral("Text1"); // txt_well_percent
    QString plateBox = QStringLiteral("w96f");  // cmb_formatplate
    bool plateBoxLocked = false;
    bool open = false;           // the column shown in place of Frame_menu, with "Close"
    int greyCameraButton = -1;   // cmd_camselect shown grey; the others white
};

// What the calibration changes on the main window around its column.
class WellCalibrationWindow {
public:
    virtual ~WellCalibrationWindow() = default;
    virtual void stopRunAndCycle() = 0;          // "Start", runState 0, Timer2 and Timer3 off
    virtual void clearPlatePicture() = 0;        // Picact
    virtual void drawPlate(const QString& format) = 0; // DrawPlateLayout and, on close, every well's groups
    virtual void setMainFormat(const QString& format) = 0; // cmb_well
    virtual void focusMainFormat() = 0;
    virtual void drawOverlay() = 0;              // DrawWellGridOverlay of the camera on view
    virtual void armRedraw() = 0;                // Timer5 restarted
    virtual void disarmRedraw() = 0;
};

// The well-position calibration over the main window's state: the format's
// tables, the camera boxes and frame, the unit folder.
class WellPositionCalibration {
public:
    WellPositionCalibration(LinkContext& ctx, ProgramFolder folder, FrameWindow frames, PlateGeometry& geometry,
                            QString& plateFormat, bool& abortRequested, WellCalibrationWindow& window);

    WellCalibrationView view;
    int currentCamera = 0;

    void open(const QString& mainFormat);       // mncalibratewell_Click
    void selectCamera(int camera);              // cmd_camselect_Click
    void columnChosen(int index);               // cmb_column_Click
    void rowChosen(int index);                  // cmb_row_Click
    void moveBound(BoundaryAxis axis, BoundaryMove move); // the eight boundary buttons
    void columnStartEntered(const QString& typed); // txt_column_start Enter
    void columnStartLeft(const QString& typed);    // txt_column_start LostFocus
    void plateBoxChosen(const QString& format);    // cmb_formatplate_Click
    void saveAndNext();                            // cmd_grabarconfig_Click
    void close();                                  // cmd_menu_Click

private:
    void fillCombos(int column, int row);
    void showColumn(int index);
    void showRow(int index);
    void rebuildSummary();
    void status(const QString& text);
    void pause();

    LinkContext& ctx_;
    ProgramFolder folder_;
    FrameWindow frames_;
    PlateGeometry& geometry_;
    QString& plateFormat_;
    bool& abortRequested_;
    WellCalibrationWindow& window_;
    bool settingUp_ = false;
};
