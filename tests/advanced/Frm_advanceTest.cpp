#include "support/FakeClock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "advanced/panels/Frm_advance.h"
#include "advanced/panels/SelectionIndicator.h"
#include "core/Globals.h"
#include "plate/panels/Frame_select.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

// The advanced page window: loading, its small controls and leaving.
namespace {

struct Page {
    explicit Page(int generation = 2, QString format = QStringLiteral("w96f"))
    {
        globals.hardwareGeneration = generation;
        plateFormat = std::move(format);
        page = std::make_unique<Frm_advance>(AdvanceContext{globals, folder.folder(), clock, prompts, nullptr,
                                                            [this] { return plateFormat; },
                                                            [this] { ++mainShown; }, {}});
    }
    TempProgramFolder folder;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    QString plateFormat;
    int mainShown = 0;
    std::unique_ptr<Frm_advance> page;
};

TEST(Frm_advance, LoadingFillsTheLedListAndTheCameraSpeed)
{
    Page second(2);
    QStringList items;
    for (int i = 0; i < second.page->txt_led->count(); ++i)
        items << second.page->txt_led->itemText(i);
    EXPECT_EQ(items, (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
                                  "15"}));
    EXPECT_EQ(second.page->txt_led->currentText(), "3");
    EXPECT_EQ(second.page->txt_speed->text(), "8");
    EXPECT_EQ(second.page->boxes.txt_speed, "8");
    EXPECT_EQ(Page(1).page->txt_speed->text(), "7");

    Frm_advance& p = *second.page;
    EXPECT_EQ(p.windowTitle(), "Acquisition Page");
    EXPECT_EQ(p.frame_advanced->title(), "Advanced parameters");
    EXPECT_EQ(p.txt_cam->text(), "0");
    EXPECT_EQ(p.txt_lines->text(), "35");
    EXPECT_EQ(p.txt_pix->text(), "46");
    EXPECT_EQ(p.txt_crc->text(), "0");
    EXPECT_EQ(p.txt_xfin->text(), "142");
    EXPECT_EQ(p.txt_yini->text(), "1");
    EXPECT_EQ(p.txt_blue->text(), "0");
    EXPECT_EQ(p.txtcom->text(), "3");
    EXPECT_EQ(p.txt_timepass->text(), "00:00");
    EXPECT_EQ(p.Command_fullframe->text(), "Full_frame");
}

TEST(Frm_advance, DummyBoxSetsTheSharedFlag)
{
    Page p;
    p.page->chkdummy->click();
    EXPECT_EQ(p.globals.dummyMode, 1);
    p.page->chkdummy->click();
    EXPECT_EQ(p.globals.dummyMode, 0);
}

TEST(Frm_advance, TwoClicksOnTheSelectionPanelReturnToPlainSelection)
{
    Page p;
    const PictureCanvas::FillStyle atLoad = p.page->Shape_circle_selection->fill();
    p.page->Frame8_Click();
    EXPECT_EQ(p.page->frameSelect->selection.selectionMode, 2);
    EXPECT_NE(p.page->Shape_circle_selection->fill(), atLoad);
    p.page->Frame8_Click();
    EXPECT_EQ(p.page->frameSelect->selection.selectionMode, 0);
    EXPECT_EQ(p.page->Shape_circle_selection->fill(), atLoad);
}

// A press on the indicator reaches its panel as a press on the panel does.
TEST(Frm_advance, TwoMouseClicksOnFrame8ReturnToPlainSelection)
{
    Page p;
    p.page->show();
    const PictureCanvas::FillStyle atLoad = p.page->Shape_circle_selection->fill();
    struct Click {
        QWidget* target;
        int mode;
    };
    for (const Click c : {Click{p.page->Shape_circle_selection, 2}, Click{p.page->Frame8, 0}}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), c.target->mapToGlobal(QPointF(2, 2)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.target, &press);
        EXPECT_EQ(p.page->frameSelect->selection.selectionMode, c.mode);
        EXPECT_EQ(p.page->Shape_circle_selection->fill() == atLoad, c.mode == 0);
    }
}

// The layout in pixels: Picact inside frame_main, the panel under the menu bar.
TEST(Frm_advance, SmallWindowsAreLaidOutAs640By480)
{
    struct Case {
        QSize size;
        QRect picact;
        QRect frameAdvanced; // without the menu bar's height
    };
    const Case cases[] = {{QSize(1000, 300), QRect(89, 4, 317, 262), QRect(464, 55, 130, 336)},
                          {QSize(640, 480), QRect(89, 4, 317, 262), QRect(464, 55, 130, 336)},
                          {QSize(1280, 800), QRect(178, 7, 634, 438), QRect(928, 92, 259, 560)}};
    for (const Case& c : cases) {
        Page p;
        p.page->resize(c.size);
        p.page->show();
        EXPECT_EQ(p.page->size(), c.size);
        EXPECT_EQ(p.page->Picact->geometry(), c.picact) << c.size.width();
        // "Close" is tall enough to read; the panel starts below it and ends where laid out.
        const QRect close = p.page->cmd_menu->geometry();
        EXPECT_GE(close.height(), p.page->cmd_menu->fontMetrics().height());
        const QRect laid = c.frameAdvanced.translated(0, p.page->menuBar->height());
        QRect expected = laid;
        expected.setTop(std::max(laid.top(), close.bottom() + 2));
        EXPECT_EQ(p.page->frame_advanced->geometry(), expected) << c.size.width();
        EXPECT_GT(expected.height(), laid.height() * 9 / 10);
    }
}

TEST(Frm_advance, VideoBoxSwitchesTheCaptionAndMakesTheExportFolderOnlyWhenAsked)
{
    Page p;
    const QString exportFolder = p.folder.path("bmp_exp");
    p.page->chk_video->click();
    EXPECT_EQ(p.page->Command_fullframe->text(), "Video_frame");
    EXPECT_FALSE(QDir(exportFolder).exists());
    p.page->chk_exportbmp->setChecked(true);
    p.page->chk_video->click();
    EXPECT_EQ(p.page->Command_fullframe->text(), "Full_frame");
    EXPECT_TRUE(QDir(exportFolder).exists());
}

TEST(Frm_advance, GridButtonReadsTheMainWindowsFormat)
{
    Page p(2, "w96f");
    p.page->cmdset->click();
    EXPECT_EQ(p.page->cmdset->text(), "setON");
    EXPECT_EQ(p.page->frameGeometry.framePixelCount, 46);
    const PictureCanvas& canvas = p.page->Picact->canvas();
    const QPointF corner = canvas.toPixel(46, 17);
    EXPECT_EQ(canvas.image().pixelColor(corner.toPoint()), QColor(0, 0, 255));
    p.page->cmdset->click();
    EXPECT_EQ(p.page->cmdset->text(), "setOFF");
}

TEST(Frm_advance, CloseKeepsThePageAndTheFactoryItemBringsThePanelBack)
{
    Page p;
    p.page->show();
    p.page->cmd_menu->click();
    EXPECT_EQ(p.mainShown, 1);
    EXPECT_FALSE(p.page->frame_advanced->isVisible());
    EXPECT_TRUE(p.page->isVisible());

    // The page's own item: wrong, then right password.
    p.prompts.inputs = {"tulip5082", "Tulip5082"};
    p.page->mnadvanced_Click();
    EXPECT_EQ(p.prompts.messages, QStringList{"Wrong password"});
    EXPECT_FALSE(p.page->frame_advanced->isVisible());
    p.page->mnadvanced_Click();
    EXPECT_TRUE(p.page->frame_advanced->isVisible());

    // The main window's item on a page still loaded.
    p.page->cmd_menu->click();
    p.page->showPage();
    EXPECT_TRUE(p.page->frame_advanced->isVisible());

    p.page->close();
    EXPECT_EQ(p.mainShown, 3);
}

// The page as it looks, at its design size and at its minimum.
TEST(Frm_advance, RendersOffscreen)
{
    const QString shots = qEnvironmentVariable("VELDO_SHOT_DIR");
    for (QSize size : {QSize(1280, 800), QSize(640, 480)}) {
        Page p;
        p.page->resize(size);
        p.page->show();
        p.page->cmdset->click();
        QCoreApplication::sendPostedEvents(); // the panel's rows settle to the page's text size
        const QImage image = p.page->grab().toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(p.page->Picact->geometry().width(), size.width() == 1280 ? 634 : 317);
        if (!shots.isEmpty())
            image.save(QDir(shots).filePath(QStringLiteral("Frm_advance_%1x%2.png").arg(size.width()).arg(size.height())));
    }
}

} // namespace
