// The port's state as both windows show it: closed and opened again on the
// advanced page, a port that fails to open, and the instrument lost.
#include "ProgramRunRig.h"

#include "advanced/panels/Frm_advance.h"
#include "link/protocol/SendSteps.h"
#include "support/IdleCost.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class PortState : public ProgramRunRig {
protected:
    Frm_advance& openPage()
    {
        program->pages().openAdvancedPage();
        Frm_advance* page = program->pages().advancedPage();
        if (!page)
            throw std::runtime_error("no advanced page");
        return *page;
    }
};

TEST_F(PortState, ThePageClosingOrOpeningThePortShowsOnBothWindows)
{
    startProgram();
    Frm_advance& page = openPage();
    EXPECT_EQ(page.cmdopen->text(), "Connected");

    page.cmdopen->click();
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_EQ(page.cmdopen->text(), "DisConnected");
    EXPECT_EQ(status(), "COMPORT closed");

    // The box's design port is not there: the page says why, nothing else changes.
    ASSERT_EQ(page.txtcom->text(), "3");
    page.cmdopen->click();
    EXPECT_TRUE(page.txt_status->text().startsWith("COMPORT not opened. ")) << page.txt_status->text().toStdString();
    EXPECT_GT(page.txt_status->text().size(), QStringLiteral("COMPORT not opened. ").size());
    EXPECT_EQ(page.cmdopen->text(), "DisConnected");
    EXPECT_EQ(status(), "COMPORT closed");

    page.txtcom->setText("1");
    page.cmdopen->click();
    ASSERT_TRUE(program->globals().portOpen);
    EXPECT_EQ(page.cmdopen->text(), "Connected");
    EXPECT_EQ(status(), "OK. Connected to COM1");
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

TEST_F(PortState, ALostPortShowsClosedOnBothWindowsAndOnAPageOpenedLater)
{
    startProgram();
    Frm_advance& page = openPage();
    ASSERT_EQ(page.cmdopen->text(), "Connected");

    sim.hangUp();
    idleFor(300);
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_EQ(status(), kPortLostText);
    EXPECT_EQ(page.cmdopen->text(), "DisConnected");

    // A page built after the loss starts from the port as it is.
    page.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(program->pages().advancedPage(), nullptr);
    EXPECT_EQ(openPage().cmdopen->text(), "DisConnected");
}

} // namespace
