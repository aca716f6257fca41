#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "app/AppPageOpener.h"
#include "core/Globals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

#include <gtest/gtest.h>

// The application's opener keeps one advanced page while it is open.
namespace {

TEST(AppPageOpener, OnePageShownAgainWithItsPanelUntilClosed)
{
    TempProgramFolder folder;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    int built = 0;
    AppPageOpener pages([&] {
        ++built;
        return AdvanceContext{globals, folder.folder(), clock, prompts, nullptr, [] { return QString(); }, [] {}, {}};
    });
    pages.openAdvancedPage();
    Frm_advance* page = pages.advancedPage();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());

    // "Close" hides the panel; the main window's item brings it back on the same page.
    page->cmd_menu->click();
    EXPECT_FALSE(page->frame_advanced->isVisible());
    pages.openAdvancedPage();
    EXPECT_EQ(pages.advancedPage(), page);
    EXPECT_EQ(built, 1);
    EXPECT_TRUE(page->frame_advanced->isVisible());

    // Closing the window ends the page; the next opening loads it again.
    page->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(pages.advancedPage(), nullptr);
    pages.openAdvancedPage();
    EXPECT_EQ(built, 2);
    EXPECT_NE(pages.advancedPage(), nullptr);
}

} // namespace
