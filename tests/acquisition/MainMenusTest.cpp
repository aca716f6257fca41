#include "NoInstrument.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "core/PageOpener.h"
#include "flash/panels/frame_flash.h"
#include "plate/panels/Frame_select.h"
#include "projects/panels/frame_group.h"
#include "reporting/panels/Frm_report.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// The main window's menu tree and the commands it serves.
namespace {

struct CountingPages final : PageOpener {
    void openAdvancedPage() override { ++advanced; }
    void openSavedDataPage(const QString&) override { ++savedData; }
    void openImageSequencePage(const QString&) override {}
    int advanced = 0;
    int savedData = 0;
};

struct MenuWindow : ::testing::Test {
    void SetUp() override
    {
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm, &pages});
        loadOffline(*window, prompts);
    }
    QAction* item(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }

    Globals globals;
    TempProgramFolder folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, folder.folder());
    CountingPages pages;
    std::unique_ptr<Frm_acquire> window;
};

// One line per item, indented by its depth: caption, and "(hidden)" for a hidden one.
void describe(const QMenu* menu, int depth, QStringList& lines)
{
    for (const QAction* action : menu->actions()) {
        QString line = QString(depth * 2, QLatin1Char(' '));
        line += action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->isVisible())
            line += QStringLiteral(" (hidden)");
        lines << line;
        if (action->menu())
            describe(action->menu(), depth + 1, lines);
    }
}

TEST_F(MenuWindow, TheMenuBarHoldsTheWholeTree)
{
    QStringList lines;
    for (const QAction* top : window->menuBar()->actions()) {
        lines << top->text() + (top->isVisible() ? QString() : QStringLiteral(" (hidden)"));
        describe(top->menu(), 1, lines);
    }
    EXPECT_EQ(lines, (QStringList{
                         "Tools",
                         "  Advanced",
                         "    Well Format Calibration",
                         "      Calibrate position",
                         "    Lighting Calibration",
                         "      Background light",
                         "      Well illumination (hidden)",
                         "      Fast led calibration (hidden)",
                         "    Temperature Calibration",
                         "      Calibrate",
                         "    Factory Tools",
                         "      Enable Internal Reference ",
                         "      Factory Tools(Require password)",
                         "      Factory Parameters(Require Password)",
                         "      Show Communication values",
                         "      DISABLE CAM0 (A1)",
                         "      DISABLE CAM1 (B1)",
                         "      DISABLE CAM2 (A2)",
                         "      DISABLE CAM3 (B2)",
                         "      DISABLE CAM4 (A3)",
                         "      DISABLE CAM5 (B3)",
                         "      Pixel sets",
                         "  Enable Blue Lighting",
                         "  Enable Temperature cycle",
                         "  SaveRawData",
                         "Help",
                         "  Help Index",
                         "  SoftVersion",
                         "  -",
                         "  About",
                         "mngroup (hidden)",
                         "  01x01 [RowsxColumn]",
                         "  02x01 [RowsxColumn]",
                         "  01x03 [RowsxColumn]",
                         "  02x03 [RowsxColumn]",
                         "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)",
                         "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)",
                         "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)", "   (hidden)",
                         "   (hidden)", "   (hidden)",
                         "blankmenu (hidden)",
                         "  Delete blank read",
                         "rightclickmenu (hidden)",
                         "  Joint Report...",
                     }));
    for (const char* name : {"mn_showcomm", "mn_bluelight", "chk_saveraw", "mn_tcycle"}) {
        ASSERT_NE(item(name), nullptr) << name;
        EXPECT_FALSE(item(name)->isChecked()) << name;
    }
}

TEST_F(MenuWindow, ThePasswordItemsAskEveryTimeAndOpenOnlyForTheRightAnswer)
{
    struct Case {
        const char* item;
        QString typed;
        bool opens;
    };
    int advancedOpened = 0;
    for (const Case& c : {Case{"mnadvanced", "Tulip5082", true}, Case{"mnadvanced", "tulip5082", false},
                          Case{"mnadvanced", "Tulip5082 ", false}, Case{"mnadvanced", "", false},
                          Case{"mnadvanced", "Tulip5082", true}, Case{"mnfactory_param", "TULIP5082", false},
                          Case{"mnfactory_param", "Tulip5082", true}}) {
        SCOPED_TRACE(std::string(c.item) + " " + c.typed.toStdString());
        prompts.messages.clear();
        prompts.inputPrompts.clear();
        window->flashPanel->hide();
        prompts.inputs = {c.typed};
        item(c.item)->trigger();

        EXPECT_EQ(prompts.inputPrompts, QStringList{"Enter password"});
        EXPECT_EQ(prompts.messages, c.opens ? QStringList() : QStringList{"Wrong password"});
        if (QLatin1String(c.item) == QLatin1String("mnadvanced")) {
            advancedOpened += c.opens ? 1 : 0;
            EXPECT_EQ(pages.advanced, advancedOpened);
        } else {
            EXPECT_EQ(window->flashPanel->isHidden(), !c.opens);
        }
    }
}

TEST_F(MenuWindow, ShowCommunicationValuesTogglesTheBoxAndItsLengthOnly)
{
    window->lblrx->hide();
    item("mn_showcomm")->trigger();
    EXPECT_TRUE(item("mn_showcomm")->isChecked());
    EXPECT_FALSE(window->lbl_lenrx->isHidden());
    EXPECT_FALSE(window->txt_in->isHidden());
    EXPECT_TRUE(window->lblrx->isHidden());

    item("mn_showcomm")->trigger();
    EXPECT_FALSE(item("mn_showcomm")->isChecked());
    EXPECT_TRUE(window->lbl_lenrx->isHidden());
    EXPECT_TRUE(window->txt_in->isHidden());
    EXPECT_TRUE(window->lblrx->isHidden());
}

TEST_F(MenuWindow, BlueLightingWarnsOnlyWhenSwitchedOn)
{
    // Without its light panel the item still ticks and warns.
    item("mn_bluelight")->trigger();
    EXPECT_TRUE(item("mn_bluelight")->isChecked());
    item("mn_bluelight")->trigger();
    EXPECT_FALSE(item("mn_bluelight")->isChecked());
    ASSERT_EQ(prompts.messages.size(), 1);

    window->frameMenu->setLightPanel(new QWidget);
    prompts.messages.clear();
    item("mn_bluelight")->trigger();
    EXPECT_EQ(prompts.messages, QStringList{"* Only available in some Hardware versions * \r\n\r\n"
                                            "OFF: Power=0 MAXIMUM: Power=7\r\nWarning!\r\n"
                                            "avoid using Power > 5 during Acquisitions"});
    EXPECT_TRUE(item("mn_bluelight")->isChecked());
    EXPECT_FALSE(window->frameMenu->Frame_light->isHidden());
    item("mn_bluelight")->trigger();
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_FALSE(item("mn_bluelight")->isChecked());
    EXPECT_TRUE(window->frameMenu->Frame_light->isHidden());
}

TEST_F(MenuWindow, SaveRawDataAndTheTemperatureCycleToggleTheirTicks)
{
    for (const char* name : {"chk_saveraw", "mn_tcycle"}) {
        SCOPED_TRACE(name);
        item(name)->trigger();
        EXPECT_TRUE(item(name)->isChecked());
        if (QLatin1String(name) == QLatin1String("mn_tcycle")) {
            EXPECT_FALSE(window->findChild<QWidget*>("Frame_tcycle")->isHidden()); // the cycle list with its tick
        }
        item(name)->trigger();
        EXPECT_FALSE(item(name)->isChecked());
    }
    EXPECT_TRUE(window->findChild<QWidget*>("Frame_tcycle")->isHidden());
    window->chk_saveraw_Click();
    EXPECT_TRUE(window->chk_saveraw->isChecked());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MenuWindow, HelpVersionAndAboutShowWhatTheProgramIs)
{
    item("mnhelpindex")->trigger();
    EXPECT_TRUE(opener.opened.isEmpty());
    ASSERT_TRUE(writeBytes(folder.path("help_veldo.pdf"), "%PDF-1.4\n"));
    item("mnhelpindex")->trigger();
    EXPECT_EQ(opener.opened, QStringList{folder.path("help_veldo.pdf")});
    EXPECT_TRUE(prompts.messages.isEmpty());

    item("mnversion")->trigger();
    item("mnabout")->trigger();
    EXPECT_EQ(prompts.messages,
              (QStringList{"Oscivane VELDO V2.5 Rev2025-03-13",
                           "Oscivane VELDO\r\nV2.5 Rev2025-03-13\r\nDesigned By Quorvantex SA[Nordavien]"}));
}

TEST_F(MenuWindow, ThePanelsCloseButtonsHideThemAndLoadRecordedOpensTheSavedDataPage)
{
    struct Panel {
        QWidget* panel;
        QPushButton* close;
    };
    for (const Panel& p : {Panel{window->frameSelect, window->frameSelect->cmd_close_frame2},
                           Panel{window->flashPanel, window->flashPanel->cmd_closeflashmenu},
                           Panel{window->reportPanel, window->reportPanel->Cmd_closereport}}) {
        SCOPED_TRACE(p.panel->objectName().toStdString());
        p.panel->show();
        p.close->click();
        EXPECT_TRUE(p.panel->isHidden());
    }
    window->frameGroup->cmd_load_recording->click();
    EXPECT_EQ(pages.savedData, 1);
}

TEST_F(MenuWindow, TheWindowWithItsMenusIsRendered)
{
    window->resize(1024, 768);
    const QString out = QDir::temp().filePath(QStringLiteral("main_menus"));
    QDir().mkpath(out);
    ASSERT_TRUE(window->grab().save(out + QStringLiteral("/window.png")));
    // Each menu as it would drop down, side by side.
    QList<QImage> menus;
    for (const char* name : {"mntools", "mnadvan", "mnwellcal", "mnlightcal", "mntempcal", "mn_fac", "mnhelp"}) {
        auto* menu = window->findChild<QMenu*>(QLatin1String(name));
        ASSERT_NE(menu, nullptr) << name;
        menu->ensurePolished();
        menu->adjustSize();
        menus << menu->grab().toImage();
    }
    int width = 0;
    int height = 0;
    for (const QImage& m : menus) {
        width += m.width() + 8;
        height = std::max(height, m.height());
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::gray);
    QPainter painter(&sheet);
    int x = 0;
    for (const QImage& m : menus) {
        painter.drawImage(x, 0, m);
        x += m.width() + 8;
    }
    painter.end();
    ASSERT_TRUE(sheet.save(out + QStringLiteral("/menus.png")));
}

} // namespace
