#include "link/CameraWire.h"
#include "DevicePageRig.h"
#include "link/ScriptedLink.h"
#include "advanced/panels/Frm_advance.h"
#include "core/Globals.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// The page's stage, LED and sensor controls over a scripted port, and what
// closing the page stops.
namespace {

using DevicePage = DevicePageRig;

TEST(Frm_advanceDevices, PeltierDriveRunsTheTimerAndClosingStopsIt)
{
    DevicePage p;
    Frm_advance& page = *p.page;
    EXPECT_EQ(page.Timer_peltier->interval(), 3000);
    EXPECT_FALSE(page.Timer_peltier->isActive());
    page.txt_peltierpwm->setText("120");
    p.s.line.script(bytes({'T', 1, 144})); // fan
    p.s.line.script(bytes({'T', 1, 144})); // drive
    page.Cmd_peltier->click();
    EXPECT_TRUE(page.stage.peltierOn);
    EXPECT_TRUE(page.Timer_peltier->isActive());
    EXPECT_TRUE(page.Cmd_peltier->styleSheet().contains("#00ff00"));
    EXPECT_EQ(p.s.line.written, frameBytes('T', 2, 255) + frameBytes('T', 1, 120));

    // A tick: the heat set-point, the reading 500 ms later, the drive again.
    p.s.line.written.clear();
    p.s.line.script(bytes({'T', 1, 152}));
    p.s.line.script(bytes({'T', 1, 152}));
    page.Timer_peltier_Timer();
    EXPECT_EQ(p.s.line.written, frameBytes('T', 255, 50) + frameBytes('T', 1, 120));
    EXPECT_EQ(page.txt_status->text(), "25.5");

    page.show();
    page.close();
    EXPECT_FALSE(page.Timer_peltier->isActive());
    deliverDeletes();
    EXPECT_TRUE(p.page.isNull());
}

TEST(Frm_advanceDevices, ClosingDuringApplyEndsItAndThenClosesThePage)
{
    DevicePage p;
    p.page->show();
    p.page->txt_led->setCurrentText("7");
    int closes = 0;
    p.s.clock.onTick = [&] {
        // The page is closed during the events before the second LED's first byte.
        if (p.s.clock.pumpCount() == 6 && closes++ == 0)
            p.page->close();
    };
    p.page->cmd_ledpower->click();
    EXPECT_EQ(p.s.line.written, frameBytes('L', 0, 7));
    ASSERT_FALSE(p.page.isNull()); // kept until Apply has returned
    EXPECT_FALSE(p.page->exchangeRunning());
    QCoreApplication::sendPostedEvents(); // the close asked for meanwhile
    deliverDeletes();
    EXPECT_TRUE(p.page.isNull());
}

TEST(Frm_advanceDevices, NoOtherExchangeStartsWhileApplyRuns)
{
    DevicePage p;
    p.page->txt_led->setCurrentText("2");
    bool clickedDuring = false;
    p.s.clock.onTick = [&] {
        if (p.s.clock.pumpCount() == 3 && !clickedDuring) {
            clickedDuring = true;
            p.page->cmd_measuretemp->click();
            p.page->Timer_peltier_Timer();
            p.s.globals.portOpen = false; // and the port button ends Apply
        }
    };
    p.page->cmd_ledpower->click();
    EXPECT_TRUE(clickedDuring);
    EXPECT_EQ(p.s.line.written, bytes({255, 'L'}));
    // Afterwards the buttons work again.
    p.s.globals.portOpen = true;
    p.s.line.script(bytes({'T', 1, 144}));
    p.page->cmd_measuretemp->click();
    EXPECT_EQ(p.page->txt_status->text(), "25.0");
}

// Clicks during Apply run between two LEDs' exchanges, never between the
// bytes of one frame; Apply then goes on with the next LED.
TEST(Frm_advanceDevices, AClickDuringApplyRunsBetweenTwoLeds)
{
    DevicePage p;
    p.page->txt_led->setCurrentText("2");
    p.page->txt_gain->setText("300");
    bool clicked = false;
    p.s.clock.onTick = [&] {
        // Two bytes of the first LED's frame are out.
        if (!clicked && p.s.line.written.size() == 2) {
            clicked = true;
            p.page->cmd_gain->click();
            p.page->cmdsn->click();
        }
    };
    p.page->cmd_ledpower->click();
    ASSERT_TRUE(clicked);
    const QByteArray& w = p.s.line.written;
    ASSERT_EQ(w.size(), 5 * (416 + 3 + 1)); // the gain unanswered: three sends
    EXPECT_EQ(w.left(5), frameBytes('L', 0, 2));
    EXPECT_EQ(w.mid(5, 15), frameBytes('G', 1, 44).repeated(3));
    EXPECT_EQ(w.mid(20, 5), frameBytes('N', 0, 0));
    EXPECT_EQ(w.mid(25, 5), frameBytes('L', 1, 2));
}

// Another window's exchange lets events run: a page click says why it sends nothing.
TEST(Frm_advanceDevices, AClickWhileAnotherWindowHoldsTheLinkSaysLinkBusy)
{
    DevicePage p;
    p.s.comm.guard().hold();
    p.s.comm.guard().enterEvents();
    p.page->cmdsn->click();
    EXPECT_EQ(p.page->txt_status->text(), "Link busy: wait until the instrument has answered");
    EXPECT_TRUE(p.s.line.written.isEmpty());
    p.s.comm.guard().leaveEvents();
    p.s.comm.guard().release();
}

TEST(Frm_advanceDevices, BoxesTheButtonsRewrite)
{
    DevicePage p;
    Frm_advance& page = *p.page;
    page.txt_fanpwm->setText("300");
    page.Cmd_fan->click();
    EXPECT_EQ(page.txt_fanpwm->text(), "255");
    EXPECT_EQ(p.s.line.written, frameBytes('T', 2, 255));

    p.s.line.written.clear();
    page.txt_valueled->setText("7");
    page.txt_value->setText("2");
    p.s.line.script(bytes({'L', 7, 2}));
    page.cmd_led0->click();
    EXPECT_EQ(page.txt_valueled->text(), "8");
    EXPECT_EQ(page.txt_in->toPlainText(), "L;7;2");

    // "set" writes the window's lines and pixels into their boxes.
    p.s.line.written.clear();
    page.txt_xfin->setText("99");
    page.txt_gain->setText("300");
    page.cmd_setcamera->click();
    EXPECT_EQ(page.txt_lines->text(), "100");
    EXPECT_TRUE(p.s.line.written.contains(bytes({255, 71, 1, 44, 106})));
}

} // namespace
