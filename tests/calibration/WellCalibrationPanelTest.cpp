#include "support/PanelLook.h"

#include <QPushButton>
#include "calibration/panels/Frame_calibration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>

#include <gtest/gtest.h>

// The well-position calibration column alone: its controls, their designed
// places, and that nothing inside it undoes what the window's rule places.
namespace {

TEST(WellCalibrationPanel, ControlsAtRest)
{
    Frame_calibration panel;
    EXPECT_EQ(panel.objectName(), "Frame_calibration");
    EXPECT_EQ(panel.title(), "Well Calibration");
    EXPECT_TRUE(panel.isHidden()); // "Calibrate position" shows it
    expectControls(panel, {
                              {"Label37", "Plate:", true},
                              {"cmb_formatplate", "w96f", true},
                              {"txt_ncol", "12", true},
                              {"Label31", "X ", true},
                              {"txt_nrow", "8", true},
                              {"Label38", "Column", true},
                              {"cmb_column", "1", true},
                              {"Label27", "start", true},
                              {"txt_column_start", "1", true},
                              {"col_start_menos", "-", true},
                              {"col_start_mas", "+", true},
                              {"Label28", "end", true},
                              {"txt_column_end", "45", true},
                              {"col_end_menos", "-", true},
                              {"col_end_mas", "+", true},
                              {"Label39", "Row", true},
                              {"cmb_row", "A", true},
                              {"Label29", "start", true},
                              {"txt_row_start", "1", true},
                              {"row_start_menos", "-", true},
                              {"row_start_mas", "+", true},
                              {"Label30", "end", true},
                              {"txt_row_end", "90", true},
                              {"row_end_menos", "-", true},
                              {"row_end_mas", "+", true},
                              {"Line2", "", true},
                              {"Line3", "", true},
                              {"Shape3", "", true},
                              {"cmd_camselect0", "C0", true},
                              {"cmd_camselect1", "C1", true},
                              {"cmd_camselect2", "C2", true},
                              {"cmd_camselect3", "C3", true},
                              {"cmd_camselect4", "C4", true},
                              {"cmd_camselect5", "C5", true},
                              {"cmd_grabarconfig", "Save->Next Area", true},
                              {"txt_well_percent", "Text1", true},
                          });
    EXPECT_DOUBLE_EQ(panel.cmd_grabarconfig->font().pointSizeF(), 9.0);
    // Only the column start is typed; the other bounds move with their buttons.
    EXPECT_FALSE(panel.txt_column_start->isReadOnly());
    EXPECT_TRUE(panel.txt_column_end->isReadOnly());
    EXPECT_TRUE(panel.txt_row_start->isReadOnly());
    EXPECT_TRUE(panel.txt_row_end->isReadOnly());
}

TEST(WellCalibrationPanel, CameraButtonsStandInThreeColumnsOfTwoInsideTheirOutline)
{
    Frame_calibration panel;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QPushButton* b = panel.cmd_camselect[size_t(i)];
        EXPECT_EQ(b->parentWidget(), panel.Shape3);
        const QPushButton* columnHead = panel.cmd_camselect[size_t(i - i % 2)]; // C0, C2, C4
        const QPushButton* rowHead = panel.cmd_camselect[size_t(i % 2)];        // C0 or C1
        EXPECT_EQ(b->x(), columnHead->x());
        EXPECT_EQ(b->y(), rowHead->y());
        if (i % 2 == 1) { // under its partner
            EXPECT_GT(b->y(), columnHead->geometry().bottom());
        }
        if (i >= 2) { // right of the column before
            EXPECT_GT(b->x(), panel.cmd_camselect[size_t(i - 2)]->geometry().right());
        }
    }
    expectApart(*panel.Shape3);
}

TEST(WellCalibrationPanel, DesignedInTheCommandColumnWithTheSummaryAtTheRight)
{
    Frame_calibration panel;
    EXPECT_EQ(panel.layout(), nullptr);
    EXPECT_EQ(panel.Shape3->layout(), nullptr);
    // 1.25 C by 15 R at C 1800, R 394: 2250 x 5910 twips.
    EXPECT_EQ(panel.size(), QSize(150, 394));
    // 0.8 C, 0.5 R, 0.4 C by 14 R: 1440, 197, 720 x 5516 twips.
    EXPECT_EQ(panel.txt_well_percent->geometry(), QRect(96, 13, 48, 368));
    for (QObject* o : panel.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w != panel.txt_well_percent) {
            EXPECT_LT(w->geometry().right(), 96) << w->objectName().toStdString();
        }
    }
    panel.show();
    expectApart(panel);
    EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QStringLiteral("Frame_calibration.png"))));
}

// A 19200 x 12000 twip window: C 2880, R 525. The rule sizes the column and
// moves the summary; every other control keeps its designed place.
TEST(WellCalibrationPanel, TheRulesPlacementsStayPut)
{
    Frame_calibration panel;
    const QRect designedLabel = panel.Label37->geometry();
    const QRect designedSave = panel.cmd_grabarconfig->geometry();
    panel.setGeometry(0, 0, 240, 525);                        // 3600 x 7875
    panel.txt_well_percent->setGeometry(154, 18, 77, 490);    // 2304, 262.5, 1152 x 7350
    panel.show();
    QCoreApplication::processEvents();
    panel.resize(240, 525);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.size(), QSize(240, 525));
    EXPECT_EQ(panel.txt_well_percent->geometry(), QRect(154, 18, 77, 490));
    EXPECT_EQ(panel.Label37->geometry(), designedLabel);
    EXPECT_EQ(panel.cmd_grabarconfig->geometry(), designedSave);
    expectApart(panel);
    EXPECT_TRUE(panel.grab().save(QDir::temp().filePath(QStringLiteral("Frame_calibration_wide.png"))));
}

} // namespace
