#pragma once

#include "calibration/WellBoundaries.h"

#include <QGroupBox>
#include <QStringList>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class WellPositionCalibration;
struct WellCalibrationView;

// "Well Calibration": the well-position calibration column, shown in place of
// the command column. Holds the plate box cmb_formatplate and the plate's
// column and row counts txt_ncol "X " txt_nrow, the camera buttons, the column
// and row lists with their bounds and buttons, "Save->Next Area" and the
// well-area summary. Its handlers drive the window's WellPositionCalibration.
// Every control sits at its designed place; the window's layout rule moves
// the panel and txt_well_percent only.
class Frame_calibration : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame_calibration(QWidget* parent = nullptr);

    QLabel* Label37 = nullptr;
    QComboBox* cmb_formatplate = nullptr;
    QLineEdit* txt_ncol = nullptr;
    QLabel* Label31 = nullptr;
    QLineEdit* txt_nrow = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Shape3 = nullptr;
    std::array<QPushButton*, 6> cmd_camselect{}; // inside Shape3
    QFrame* Line3 = nullptr;
    QLabel* Label38 = nullptr;
    QComboBox* cmb_column = nullptr;
    QLabel* Label27 = nullptr;
    QLineEdit* txt_column_start = nullptr;
    QPushButton* col_start_menos = nullptr;
    QPushButton* col_start_mas = nullptr;
    QLabel* Label28 = nullptr;
    QLineEdit* txt_column_end = nullptr;
    QPushButton* col_end_menos = nullptr;
    QPushButton* col_end_mas = nullptr;
    QLabel* Label39 = nullptr;
    QComboBox* cmb_row = nullptr;
    QLabel* Label29 = nullptr;
    QLineEdit* txt_row_start = nullptr;
    QPushButton* row_start_menos = nullptr;
    QPushButton* row_start_mas = nullptr;
    QLabel* Label30 = nullptr;
    QLineEdit* txt_row_end = nullptr;
    QPushButton* row_end_menos = nullptr;
    QPushButton* row_end_mas = nullptr;
    QPushButton* cmd_grabarconfig = nullptr;
    QPlainTextEdit* txt_well_percent = nullptr;

    // The calibration the handlers drive; the panel shows its view after each.
    void bind(WellPositionCalibration& calibration);
    void showView(const WellCalibrationView& view);

    void cmd_camselect_Click(int index);
    void cmb_column_Click(int index);
    void cmb_row_Click(int index);
    void boundary_Click(BoundaryAxis axis, BoundaryMove move);
    void txt_column_start_KeyPress(int keyAscii);
    void txt_column_start_LostFocus();
    void cmb_formatplate_Click();
    void cmd_grabarconfig_Click();

    // The counts of the grid the plate picture was drawn with.
    void showPlateSize(int rows, int columns);
    // The plate box's list and text, without reporting a choice.
    void showFormatBox(const QStringList& items, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    WellPositionCalibration* calibration_ = nullptr;
    bool showing_ = false; // the lists are being filled: their clicks are the program's own
};
