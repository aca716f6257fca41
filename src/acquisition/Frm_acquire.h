#pragma once

#include "acquisition/PlateFormatChoice.h"
#include "core/AcquireState.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "plate/PlateGeometry.h"

#include <QMainWindow>
#include <memory>

class Clock;
class Console;
class Prompts;
class DesktopOpener;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// What the main window works with; the application owns all of it.
struct AppContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    DesktopOpener& opener;
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildFormatPanel(QWidget* parent);

    AppContext ctx_;
    std::unique_ptr<Console> console_;
};
