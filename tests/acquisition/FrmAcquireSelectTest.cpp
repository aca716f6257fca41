#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "plate/panels/Frame_select.h"
#include "projects/panels/Frame_project.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

// The main window's pixel-set panel on a frame of its own buffer.
namespace {

struct SelectWindow : ::testing::Test {
    void SetUp() override
    {
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        // A frame of the default window with a bright disc around pixel 90, line 70.
        for (int x = 1; x <= 183; ++x)
            for (int y = 0; y < 144; ++y)
                window->frameImage.set(0, x, y, std::hypot(x - 90, y - 70) <= 20 ? 200 : 20 + (x * 7 + y * 3) % 9);
        window->framePicture->showFrame(0, 183, 144);
    }

    // A mouse event on the frame picture at a point of its logical units.
    void mouse(QEvent::Type type, Qt::MouseButton button, double x, double y)
    {
        const QPointF pos = window->platePicture->Picact->canvas().toPixel(x, y);
        QMouseEvent event(type, pos, window->platePicture->Picact->mapToGlobal(pos), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->platePicture->Picact, &event);
    }
    void click(double x, double y)
    {
        mouse(QEvent::MouseButtonPress, Qt::LeftButton, x, y);
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, x, y);
    }
    QAction* menuItem(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }

    Globals globals;
    TempProgramFolder folder;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, folder.folder());
    std::unique_ptr<Frm_acquire> window;
};

TEST_F(SelectWindow, ThePanelIsShownFromTheMenuAndHiddenByX)
{
    EXPECT_TRUE(window->frameSelect->isHidden());
    EXPECT_EQ(window->frameSelect->title(), "Select");
    EXPECT_EQ(window->frameSelect->cmb_set1->count(), 8);
    EXPECT_EQ(window->frameSelect->cmb_set1->currentText(), "A");
    EXPECT_EQ(window->frameSelect->cmb_set1->itemText(7), "H");
    EXPECT_EQ(window->frameSelect->cmb_set2->count(), 12);
    EXPECT_EQ(window->frameSelect->cmb_set2->currentText(), "1");
    EXPECT_EQ(window->frameSelect->cmb_set2->itemText(11), "12");
    EXPECT_EQ(window->frameSelect->cmd_set_select->text(), "set");
    EXPECT_EQ(window->frameSelect->cmd_applyset->text(), "Apply to all");
    EXPECT_EQ(window->frameSelect->cmd_reset_set->text(), "Reset all");

    ASSERT_NE(menuItem("mn_pixelsets"), nullptr);
    menuItem("mn_pixelsets")->trigger();
    EXPECT_FALSE(window->frameSelect->isHidden());
    window->frameSelect->cmd_close_frame2->click();
    EXPECT_TRUE(window->frameSelect->isHidden());
}

TEST_F(SelectWindow, AClickPicksTheCentreAndSetBuildsTheSetAroundIt)
{
    window->frameSelect->show();
    const auto groupsBefore = globals.groups.wellGroup;
    click(90.5, 70.5);
    ASSERT_TRUE(window->frameSelect->selection.centre.has_value());
    EXPECT_EQ(*window->frameSelect->selection.centre, (FramePoint{90, 70}));
    EXPECT_EQ(window->frameSelect->lbl_setcentre->text(), "x=90 y=70");
    EXPECT_EQ(globals.groups.wellGroup, groupsBefore); // the click grouped no wells

    window->frameSelect->cmb_set1->setCurrentText("C");
    window->frameSelect->cmb_set2->setCurrentText("7");
    window->frameSelect->cmd_set_select->click();

    EXPECT_TRUE(QFileInfo::exists(folder.path("w96f_c0__C7.dat")));
    const QString full = QString::fromLatin1(fileBytes(folder.path("w96f_c0full__C7.dat")));
    EXPECT_TRUE(full.contains("\r\n70,90,1\r\n"));
    EXPECT_TRUE(full.contains("\r\n70,120,0\r\n"));
    // The set's fill is drawn in blue over the disc.
    const QPointF centre = window->platePicture->Picact->canvas().toPixel(90.5, 70.5);
    EXPECT_EQ(window->platePicture->Picact->canvas().pixel(int(centre.x()), int(centre.y())), QColor(Qt::blue));
}

TEST_F(SelectWindow, SetNeedsACentreAndACameraWithAFrame)
{
    window->frameSelect->show();
    window->frameSelect->cmd_set_select->click();
    EXPECT_EQ(window->txt_status->text(), "Click the centre of the set on the frame");
    click(90.5, 70.5);
    window->cameraBoxes.txt_cam = "7";
    window->frameSelect->cmd_set_select->click();
    EXPECT_EQ(window->txt_status->text(), "Camera 0 to 6");
    EXPECT_FALSE(QFileInfo::exists(folder.path("w96f_c0__A1.dat")));
}

TEST_F(SelectWindow, OnlyAClickOnAFrameSetsTheCentre)
{
    window->platePicture->DrawPlateLayout(resolvePlateFormat("w6"));
    window->frameSelect->show();
    click(50, 100);
    EXPECT_FALSE(window->frameSelect->selection.centre.has_value());
    EXPECT_TRUE(window->frameSelect->lbl_setcentre->text().isEmpty());

    window->framePicture->showFrame(0, 183, 144);
    click(90.5, 70.5);
    ASSERT_TRUE(window->frameSelect->selection.centre.has_value());
    EXPECT_EQ(*window->frameSelect->selection.centre, (FramePoint{90, 70}));

    // The plate drawn again: its clicks leave the centre as the frame gave it.
    window->platePicture->DrawPlateLayout(resolvePlateFormat("w6"));
    click(20, 30);
    EXPECT_EQ(*window->frameSelect->selection.centre, (FramePoint{90, 70}));
}

TEST_F(SelectWindow, ClicksGroupWellsAgainOnceThePanelIsHidden)
{
    window->platePicture->DrawPlateLayout(resolvePlateFormat("w6"));
    window->frameProject->combogrup->addItem("001_one");
    window->frameProject->combogrup->setCurrentRow(window->frameProject->combogrup->count() - 1);
    window->frameSelect->show();
    click(10, 10);
    EXPECT_EQ(globals.groups.wellGroup[0], -1);
    window->frameSelect->cmd_close_frame2_Click();
    click(10, 10);
    EXPECT_EQ(globals.groups.wellGroup[0], 1);
}

TEST_F(SelectWindow, ApplyToAllWritesMaskZeroWithoutAPort)
{
    window->frameSelect->show();
    click(90.5, 70.5);
    window->frameSelect->cmd_set_select->click();
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    window->frameSelect->cmd_applyset->click();
    EXPECT_EQ(prompts.questions.last(), "1 files integrated. Send to Flash?");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().startsWith("Number of activated channels="));
    EXPECT_TRUE(window->frameSelect->selection.setPixelMask.enabled(0, 90, 70));
    EXPECT_TRUE(fileBytes(folder.path("flash0.dat")).contains("\r\n70,90,1\r\n"));
    EXPECT_EQ(window->txt_status->text(), "Error"); // nothing could be sent

    prompts.answers = {PromptAnswer::Yes};
    window->frameSelect->cmd_reset_set->click();
    EXPECT_EQ(prompts.messages.last(), "1 bin files and 1well files deleted");
}

} // namespace
