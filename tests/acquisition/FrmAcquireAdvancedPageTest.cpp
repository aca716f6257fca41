#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "core/PageOpener.h"

#include <QAction>

#include <gtest/gtest.h>
#include <memory>

// "Factory Tools(Require password)" on the main window opens the advanced page.
namespace {

struct CountingPages final : PageOpener {
    void openAdvancedPage() override { ++advanced; }
    void openSavedDataPage(const QString&) override {}
    void openImageSequencePage(const QString&) override {}
    int advanced = 0;
};

TEST(FrmAcquireAdvancedPage, OpensThePageOnlyForThePassword)
{
    Globals globals;
    TempProgramFolder folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, folder.folder());
    CountingPages pages;
    Frm_acquire window(AppContext{globals, folder.folder(), clock, prompts, opener, comm, &pages});
    auto* item = window.findChild<QAction*>(QStringLiteral("mnadvanced"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Factory Tools(Require password)");

    prompts.inputs = {QStringLiteral("tulip5082"), QString(), QStringLiteral("Tulip5082"), QStringLiteral("Tulip5082")};
    item->trigger();
    item->trigger();
    EXPECT_EQ(pages.advanced, 0);
    EXPECT_EQ(prompts.messages, QStringList(2, "Wrong password"));
    item->trigger();
    item->trigger();
    EXPECT_EQ(pages.advanced, 2);
    EXPECT_EQ(prompts.inputPrompts, QStringList(4, "Enter password"));
}

} // namespace
