#pragma once

#include "core/Globals.h"
#include "core/ProgramFolder.h"

#include <QMainWindow>
#include <memory>

class Clock;
class Console;
class Prompts;
class DesktopOpener;
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext ctx_;
    std::unique_ptr<Console> console_;
};
