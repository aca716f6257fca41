#include "DevicePageRig.h"
#include "advanced/panels/Frm_advance.h"
#include "core/Globals.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// The advanced page's menu bar: its tree, the boxes it shows and the items
// that have nothing to do on this page.
namespace {

struct Page {
    Page()
    {
        page = std::make_unique<Frm_advance>(AdvanceContext{globals, folder.folder(), clock, prompts, nullptr,
                                                            [] { return QStringLiteral("w96f"); }, [] {},
                                                            [this](bool on) { mainWindowReference << on; }});
    }
    QList<bool> mainWindowReference; // what the main window was told of the reference item
    QAction* item(const char* name) const { return page->findChild<QAction*>(QLatin1String(name)); }
    TempProgramFolder folder;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    std::unique_ptr<Frm_advance> page;
};

// The captions of a menu's entries in order; a separator shows as "-",
// a hidden entry in brackets.
QStringList entries(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) {
        const QString caption = a->isSeparator() ? QStringLiteral("-") : a->text();
        out << (a->isVisible() ? caption : QLatin1Char('[') + caption + QLatin1Char(']'));
    }
    return out;
}

QMenu* menu(const Page& p, const char* name) { return p.page->findChild<QMenu*>(QLatin1String(name)); }

TEST(Frm_advanceMenus, TheMenuBarHoldsThePagesTree)
{
    Page p;
    QStringList bar;
    for (const QAction* a : p.page->menuBar->actions())
        bar << (a->isVisible() ? a->text() : QLatin1Char('[') + a->text() + QLatin1Char(']'));
    EXPECT_EQ(bar, (QStringList{"Tools", "Help", "[mngroup]", "[blankmenu]"}));

    struct Case {
        const char* menu;
        QStringList items;
    };
    const Case cases[] = {
        {"mntools", {"Advanced"}},
        {"mnadvan", {"Well Format Calibration", "Lighting Calibration", "Temperature Calibration", "Factory Tools"}},
        {"mnwellcal", {"Calibrate position"}},
        {"mnlightcal", {"Background light", "[Well illumination]", "[Fast led calibration]"}},
        {"mntempcal", {"Calibrate"}},
        {"mn_fac", {"Enable Internal Reference ", "Factory Tools(Require password)"}},
        {"mnhelp", {"Help Index", "SoftVersion", "-", "About"}},
        {"mndelblank_top", {"Delete blank read"}},
    };
    for (const Case& c : cases) {
        const QMenu* m = menu(p, c.menu);
        ASSERT_NE(m, nullptr) << c.menu;
        EXPECT_EQ(entries(m), c.items) << c.menu;
    }
    QStringList options;
    for (int i = 0; i < 24; ++i)
        options << QStringLiteral("opcion%1").arg(i);
    EXPECT_EQ(entries(menu(p, "mngroup")), options);
    EXPECT_EQ(p.item("mnopciongrup23"), p.page->mnopciongrup[23]);
    for (const char* name : {"mncalibratewell", "mncalibratetemp", "mn_internalref", "mnadvanced", "mnhelpindex",
                             "mnversion", "mn_", "mnabout", "mndelblank"})
        EXPECT_NE(p.item(name), nullptr) << name;
}

TEST(Frm_advanceMenus, VersionAndAboutBoxes)
{
    Page p;
    p.item("mnversion")->trigger();
    EXPECT_EQ(p.prompts.messages, QStringList{"Oscivane VELDO V2.5 Rev2025-03-13"});
    p.prompts.messages.clear();
    p.item("mnabout")->trigger();
    ASSERT_EQ(p.prompts.messages.size(), 1);
    EXPECT_EQ(p.prompts.messages[0].split("\r\n"),
              (QStringList{"Oscivane VELDO", "V2.5 Rev2025-03-13", "Designed By Quorvantex SA[Nordavien]"}));
}

TEST(Frm_advanceMenus, TemperatureCalibrateIsRefusedOfflineAndOtherwiseTakesTheOffset)
{
    struct Case {
        int dummyMode;
        bool portOpen;
        bool refused;
    };
    for (const Case c : {Case{0, false, true}, Case{1, false, false}, Case{0, true, false}}) {
        Page p;
        p.globals.dummyMode = c.dummyMode;
        p.globals.portOpen = c.portOpen;
        p.globals.tempOffset = -12.5;
        p.page->formTempOffset = 3;
        p.item("mncalibratetemp")->trigger();
        const QStringList expected =
            c.refused ? QStringList{"Operation not possible in OFFLINE Mode"} : QStringList{};
        EXPECT_EQ(p.prompts.messages, expected) << c.dummyMode << c.portOpen;
        EXPECT_EQ(p.page->formTempOffset, c.refused ? 3.0 : -12.5);
        EXPECT_EQ(p.globals.tempOffset, -12.5);
    }
}

TEST(Frm_advanceMenus, EnableInternalReferenceTicksOnlyOnYes)
{
    Page p;
    QAction* item = p.item("mn_internalref");
    EXPECT_FALSE(item->isChecked());
    struct Step {
        PromptAnswer answer;
        bool ticked;
        QStringList messages;
    };
    const Step steps[] = {{PromptAnswer::Yes, true, {"OK"}},
                          {PromptAnswer::Yes, true, {"OK"}}, // a second Yes keeps the tick
                          {PromptAnswer::Cancel, false, {}},
                          {PromptAnswer::No, false, {}}};
    for (const Step& s : steps) {
        p.prompts.answers = {s.answer};
        p.prompts.questions.clear();
        p.prompts.messages.clear();
        item->trigger();
        EXPECT_EQ(p.prompts.questions, QStringList{"Do you like to enable internal reference Measurements?"});
        EXPECT_EQ(item->isChecked(), s.ticked);
        EXPECT_EQ(p.prompts.messages, s.messages);
        EXPECT_EQ(p.mainWindowReference.value(p.mainWindowReference.size() - 1), s.ticked);
    }
    EXPECT_EQ(p.mainWindowReference.size(), 4); // the main window follows every answer
}

// Items without a command on this page: no box, no text, nothing sent.
TEST(Frm_advanceMenus, ItemsWithoutACommandDoNothing)
{
    DevicePageRig rig;
    Frm_advance& page = *rig.page;
    page.txt_status->setText("before");
    const QString shownIn = page.txt_in->toPlainText();
    std::vector<QAction*> items{page.mncalibratewell, page.mnhelpindex, page.mndelblank};
    items.insert(items.end(), page.mnopciongrup.begin(), page.mnopciongrup.end());
    for (QAction* a : items) {
        ASSERT_NE(a, nullptr);
        a->trigger();
    }
    EXPECT_TRUE(rig.s.prompts.messages.isEmpty());
    EXPECT_TRUE(rig.s.prompts.questions.isEmpty());
    EXPECT_TRUE(rig.s.prompts.inputPrompts.isEmpty());
    EXPECT_TRUE(rig.s.line.written.isEmpty());
    EXPECT_EQ(page.txt_status->text(), "before");
    EXPECT_EQ(page.txt_in->toPlainText(), shownIn);
    EXPECT_TRUE(page.frame_advanced->isVisibleTo(&page));
}

TEST(Frm_advanceMenus, FactoryItemOnThePageAsksThePasswordEachTime)
{
    Page p;
    p.page->cmd_menu_Click();
    p.prompts.inputs = {"Tulip5082 ", "Tulip5082", "Tulip5082"};
    for (int i = 0; i < 3; ++i)
        p.item("mnadvanced")->trigger();
    EXPECT_EQ(p.prompts.inputPrompts, (QStringList{"Enter password", "Enter password", "Enter password"}));
    EXPECT_EQ(p.prompts.messages, QStringList{"Wrong password"});
    EXPECT_TRUE(p.page->frame_advanced->isVisibleTo(p.page.get()));
    EXPECT_TRUE(p.page->cmd_menu->isVisibleTo(p.page.get()));
}

} // namespace
