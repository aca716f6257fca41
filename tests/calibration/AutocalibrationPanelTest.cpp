#include "support/PanelLook.h"

#include <QPushButton>
#include "calibration/CameraLedAutocalibration.h"
#include "calibration/panels/frm_calibrate.h"
#include "picture/PictureCanvas.h"
#include "ui/PictureBox.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

// The panel the autocalibration writes its step into, and its progress box.
namespace {

TEST(AutocalibrationPanel, CaptionsAndRender)
{
    frm_calibrate panel;
    EXPECT_EQ(panel.title(), "Autocalibration....");
    EXPECT_EQ(panel.lbl_autocalibra->text(), "Autocalibration...");
    EXPECT_TRUE(panel.isHidden()); // the lighting round shows it
    EXPECT_EQ(panel.layout(), nullptr);
    // Designed in twips, 15 to a pixel: 4815 x 1215; the picture 360, 360, 4095 x 375; the label 360, 840.
    EXPECT_EQ(panel.size(), QSize(321, 81));
    EXPECT_EQ(panel.pic_autocalibra->objectName(), "pic_autocalibra");
    EXPECT_EQ(panel.pic_autocalibra->geometry(), QRect(24, 24, 273, 25));
    EXPECT_EQ(panel.pic_autocalibra->canvas().image().size(), QSize(273, 25));
    EXPECT_EQ(panel.lbl_autocalibra->objectName(), "lbl_autocalibra");
    EXPECT_EQ(panel.lbl_autocalibra->pos(), QPoint(24, 56));
    expectApart(panel);
    panel.setCaption(QStringLiteral("CAM[3]: zero2"));
    EXPECT_EQ(panel.lbl_autocalibra->text(), "CAM[3]: zero2");
    panel.show();
    EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QStringLiteral("frm_calibrate.png"))));
}

TEST(AutocalibrationPanel, ProgressBoxFillsBlueUpToThePercent)
{
    PictureCanvas picture(200, 20);
    picture.setScale(0, 0, 100, 100); // as the lighting round scales Picrealtime
    picture.clear();
    const QColor back = picture.image().pixelColor(199, 10);
    drawAutocalibrationProgress(picture, 100.0 / 6 / 8 * 3 + 100.0 / 6 * 2); // camera 2, level 3: 39.6 %
    EXPECT_TRUE(picture.image().save(QDir::temp().filePath(QStringLiteral("picrealtime_progress.png"))));
    EXPECT_EQ(picture.image().pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(picture.image().pixelColor(76, 19), QColor(0, 0, 255));
    EXPECT_EQ(picture.image().pixelColor(81, 10), back);
}

} // namespace
