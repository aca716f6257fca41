// The pixel-set panel on its own: a picture box and a frame buffer of the
// test's, no window around it.
#include "picture/FramePicture.h"
#include "plate/panels/Frame_select.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "ui/PictureBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct SelectPanel : ::testing::Test {
    SelectPanel()
        : picture(nullptr, 480, 640),
          panel(FrameSelectContext{folder.folder(), prompts, console, frame, boxes.txt_cam, &picture,
                                   [this](PixelMask& mask) { sent.push_back(&mask); }, busy, {}})
    {
        // A bright disc around pixel 90, line 70 on camera 0.
        for (int x = 1; x <= 183; ++x)
            for (int y = 0; y < 144; ++y)
                frame.set(0, x, y, std::hypot(x - 90, y - 70) <= 20 ? 200 : 20);
        FramePicture(picture.canvas(), boxes, frame).showFrame(0, 183, 144);
    }

    void press(double x, double y)
    {
        const QPointF pos = picture.canvas().toPixel(x, y);
        QMouseEvent event(QEvent::MouseButtonPress, pos, picture.mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    RecordingConsole console;
    CameraBoxes boxes;
    FrameImage frame;
    PictureBox picture;
    std::vector<PixelMask*> sent;
    bool busy = false;
    Frame_select panel;
};

TEST_F(SelectPanel, ClicksCountOnlyWhileThePanelIsShown)
{
    EXPECT_TRUE(panel.isHidden());
    press(90.5, 70.5);
    EXPECT_FALSE(panel.selection.centre.has_value());
    panel.show();
    press(90.5, 70.5);
    ASSERT_TRUE(panel.selection.centre.has_value());
    EXPECT_EQ(panel.lbl_setcentre->text(), "x=90 y=70");
    panel.cmd_close_frame2->click();
    EXPECT_TRUE(panel.isHidden());
}

TEST_F(SelectPanel, SetTellsWhatIsMissingThenBuildsAndApplyHandsOnMaskZero)
{
    panel.show();
    struct Case {
        const char* camera;
        bool clicked;
        const char* status; // the last status line; nullptr: none shown
    };
    const Case cases[] = {
        {"0", false, "Click the centre of the set on the frame"},
        {"-1", true, "Camera 0 to 6"},
        {"7", true, "Camera 0 to 6"},
    };
    for (const Case& c : cases) {
        console.statuses.clear();
        boxes.txt_cam = QString::fromLatin1(c.camera);
        if (c.clicked)
            press(90.5, 70.5);
        panel.cmd_set_select->click();
        ASSERT_FALSE(console.statuses.isEmpty()) << c.camera;
        EXPECT_EQ(console.statuses.last(), c.status) << c.camera;
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path("w96f_c0__A1.dat")));

    boxes.txt_cam = "0";
    console.statuses.clear();
    panel.cmd_set_select->click();
    EXPECT_TRUE(console.statuses.isEmpty());
    EXPECT_TRUE(fileBytes(folder.path("w96f_c0full__A1.dat")).contains("\r\n70,90,1\r\n"));

    prompts.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    panel.cmd_applyset->click();
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().startsWith("Number of activated channels=")) << prompts.messages.first().toStdString();
    EXPECT_EQ(sent.front(), &panel.selection.setPixelMask);
    EXPECT_TRUE(panel.selection.setPixelMask.enabled(0, 90, 70));
}

} // namespace
