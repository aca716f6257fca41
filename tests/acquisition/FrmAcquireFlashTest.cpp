#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "flash/panels/frame_flash.h"
#include "plate/panels/Frame_select.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>
#include <memory>

// The flash panel on the main window, behind the factory password.
namespace {

struct FlashWindow : ::testing::Test {
    void SetUp() override
    {
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        window->show();
    }
    QAction* menuItem() { return window->findChild<QAction*>(QStringLiteral("mnfactory_param")); }

    Globals globals;
    TempProgramFolder folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, folder.folder());
    std::unique_ptr<Frm_acquire> window;
};

TEST_F(FlashWindow, ThePasswordShowsThePanelAndXHidesIt)
{
    ASSERT_NE(menuItem(), nullptr);
    EXPECT_EQ(menuItem()->text(), "Factory Parameters(Require Password)");
    ASSERT_NE(window->flashPanel, nullptr);
    EXPECT_TRUE(window->flashPanel->isHidden());

    // Wrong letter case, a trailing blank, nothing typed.
    prompts.inputs = {QStringLiteral("tulip5082"), QStringLiteral("Tulip5082 "), QString()};
    for (int i = 0; i < 3; ++i)
        menuItem()->trigger();
    EXPECT_EQ(prompts.messages, QStringList(3, "Wrong password"));
    EXPECT_TRUE(window->flashPanel->isHidden());

    prompts.inputs = {QStringLiteral("Tulip5082")};
    menuItem()->trigger();
    EXPECT_EQ(prompts.inputPrompts.last(), "Enter password");
    EXPECT_TRUE(window->flashPanel->isVisible());
    window->grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_flash.png")));
    window->flashPanel->cmd_closeflashmenu->click();
    EXPECT_TRUE(window->flashPanel->isHidden());
}

TEST_F(FlashWindow, ApplyToAllDoesNothingWhileATransferRuns)
{
    globals.flashBusy = true;
    window->frameSelect->cmd_applyset_Click();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(globals.flashBusy);
}

} // namespace
