#pragma once

#include "core/ProgramFolder.h"
#include "flash/FlashTransfers.h"

#include <QGroupBox>

#include <array>
#include <functional>

class Clock;
class Console;
class ModCOMM;
class PictureBox;
class Prompts;
class QCheckBox;
class QPushButton;
class QTimer;
struct Globals;

// What the flash panel works with; the main window owns all of it.
struct FlashPanelContext {
    Globals& globals;
    ProgramFolder folder;
    Clock& clock;
    Prompts& prompts;
    Console& console; // the main window's status line and communication box
    ModCOMM& comm; // the serial module the transfers go through
    // The report panel's internal-reference choice; none counts as the first.
    std::function<int()> intRefChoice;
};

// "Send to / Receive from Flash": sends the unit folder's calibration to the
// instrument's flash, reads it back, and rebuilds the internal-reference
// factor files. Hidden until the main window shows it; "X" hides it.
class frame_flash : public QGroupBox {
    Q_OBJECT
public:
    explicit frame_flash(FlashPanelContext context, QWidget* parent = nullptr);

    // Well FORMAT, LED XY, Temperature, Internal Reference, Blank.
    std::array<QCheckBox*, kFlashSectionItems> Check_flash{};
    QPushButton* cmd_sendflash = nullptr;
    QPushButton* cmd_receiveflash = nullptr;
    QPushButton* cmd_recalc_internal = nullptr;
    QPushButton* cmd_closeflashmenu = nullptr;
    PictureBox* Picture_progress = nullptr;

    void cmd_sendflash_Click();
    void cmd_receiveflash_Click();
    void cmd_recalc_internal_Click();
    void cmd_closeflashmenu_Click();

private:
    FlashSectionTicks ticked() const;
    int intRefChoice() const;
    // Runs a transfer over the link, the progress picture kept alive meanwhile.
    void transfer(FlashAction (*action)(FlashSendContext&, const FlashSectionTicks&));

    FlashPanelContext ctx_;
    QTimer* progressRefresh_ = nullptr;
};
