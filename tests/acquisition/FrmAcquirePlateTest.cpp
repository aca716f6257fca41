#include "RunPhaseSteps.h"
#include "NoInstrument.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/panels/Frame_calibration.h"
#include "projects/panels/Frame_project.h"
#include "plate/files/CamConf.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct PlateWindowFixture : ::testing::Test {
    void SetUp() override
    {
        window = std::make_unique<Frm_acquire>(AppContext{globals, tmp.folder(), clock, prompts, opener, comm});
    }

    PictureCanvas& picture() { return window->platePicture->Picact->canvas(); }

    QPointF pixelOf(double x, double y) { return picture().toPixel(x, y); }

    // A press or release on the plate picture at a logical point, as the mouse gives it.
    void mouse(QEvent::Type type, Qt::MouseButton button, double x, double y)
    {
        const QPointF pos = pixelOf(x, y);
        QMouseEvent event(type, pos, window->platePicture->Picact->mapToGlobal(pos), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->platePicture->Picact, &event);
    }

    void drag(Qt::MouseButton button, WellPosition from, WellPosition to)
    {
        const PlateGrid grid{window->state.plateRows, window->state.plateColumns};
        const auto centre = [&](WellPosition w) {
            return QPointF((w.column + 0.5) * cellWidth(grid), (w.row + 0.5) * cellHeight(grid));
        };
        mouse(QEvent::MouseButtonPress, button, centre(from).x(), centre(from).y());
        mouse(QEvent::MouseButtonRelease, button, centre(to).x(), centre(to).y());
    }

    // Pixels of a well's cell, inside its label area, that meet a test.
    int inkInCell(int wellIndex, const std::function<bool(const QColor&)>& test)
    {
        const PlateGrid grid{window->state.plateRows, window->state.plateColumns};
        const WellPosition p = *wellPosition(wellIndex, grid);
        const QPointF a = pixelOf(cellLeft(p.column, grid) + 0.15 * cellWidth(grid),
                                  cellTop(p.row, grid) + 0.25 * cellHeight(grid));
        const QPointF b = pixelOf(cellLeft(p.column, grid) + 0.85 * cellWidth(grid),
                                  cellTop(p.row, grid) + 0.85 * cellHeight(grid));
        int n = 0;
        for (int y = int(a.y()); y < int(b.y()); ++y)
            for (int x = int(a.x()); x < int(b.x()); ++x)
                n += test(picture().pixel(x, y)) ? 1 : 0;
        return n;
    }

    static bool black(const QColor& p) { return p.red() < 90 && p.green() < 90 && p.blue() < 90; }
    static bool red(const QColor& p) { return p.red() > 180 && p.green() < 90 && p.blue() < 90; }

    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    std::unique_ptr<Frm_acquire> window;
};

} // namespace

TEST_F(PlateWindowFixture, ChoosingAFormatRedrawsThePlatePicture)
{
    window->state.plateFormat = QStringLiteral("w6");
    window->platePicture->DrawPlateLayout(resolvePlateFormat(QStringLiteral("w6")));
    fillFormatLists(window->formatControls, QStringLiteral("w6"));
    window->showFormatControls();
    EXPECT_EQ(window->frameCalibration->txt_ncol->text(), QStringLiteral("3"));
    EXPECT_EQ(window->frameCalibration->txt_nrow->text(), QStringLiteral("2"));
    const QColor yellow(255, 255, 0);
    const QPointF between = pixelOf(5, 62.5); // the first row line of w24, none in w6
    EXPECT_NE(picture().pixel(int(between.x()), int(between.y())), yellow);

    prompts.answers = {PromptAnswer::Yes};
    window->frameMenu->cmb_well->setCurrentIndex(1);
    emit window->frameMenu->cmb_well->activated(1);
    EXPECT_EQ(window->frameCalibration->txt_ncol->text(), QStringLiteral("6"));
    EXPECT_EQ(window->frameCalibration->txt_nrow->text(), QStringLiteral("4"));
    EXPECT_EQ(window->state.plateRows, 4);
    EXPECT_EQ(picture().pixel(int(between.x()), int(between.y())), yellow);
}

TEST_F(PlateWindowFixture, LeftDragFromB2ToA1GroupsFourWellsAndLabelsThem)
{
    window->platePicture->DrawPlateLayout(resolvePlateFormat(QStringLiteral("w96f")));
    globals.groups.wellGroup[95] = 2;
    window->formatControls.combogrup = RefreshGroupCombo(globals.groups, 3);
    window->showFormatControls();
    ASSERT_EQ(window->frameProject->currentGroup(), QStringLiteral("003_Free"));

    drag(Qt::LeftButton, {1, 1}, {0, 0});
    for (int well : {0, 1, 8, 9}) {
        EXPECT_EQ(globals.groups.wellGroup[well], 3) << well;
        EXPECT_GT(inkInCell(well, red), 0) << well; // "G3" in red
    }
    EXPECT_EQ(globals.groups.wellGroup[2], -1);
    EXPECT_EQ(globals.groups.wellGroup[16], -1);
    EXPECT_EQ(inkInCell(2, red), 0);
    EXPECT_EQ(window->frameProject->currentGroup(), QStringLiteral("003_Group3"));

    // The right button takes a well out again and leaves its label area white.
    drag(Qt::RightButton, {0, 0}, {0, 0});
    EXPECT_EQ(globals.groups.wellGroup[0], -1);
    EXPECT_EQ(inkInCell(0, [](const QColor& p) { return p != QColor(Qt::white); }), 0);

    // Not while a run is on.
    bringToPhase(window->state.phase, RunPhase::Phase::Running);
    drag(Qt::LeftButton, {2, 2}, {2, 2});
    EXPECT_EQ(globals.groups.wellGroup[WellIndex(2, 2, 8)], -1);
}

TEST_F(PlateWindowFixture, CameraMenuShowsTheFlagsAndSwitchesACameraOffAndOn)
{
    const QStringList captions{QStringLiteral("DISABLE CAM0 (A1)"), QStringLiteral("DISABLE CAM1 (B1)"),
                               QStringLiteral("DISABLE CAM2 (A2)"), QStringLiteral("DISABLE CAM3 (B2)"),
                               QStringLiteral("DISABLE CAM4 (A3)"), QStringLiteral("DISABLE CAM5 (B3)")};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(window->cam_disabled[i], nullptr);
        EXPECT_EQ(window->cam_disabled[i]->text(), captions.at(i));
        EXPECT_FALSE(window->cam_disabled[i]->isChecked()); // no file read: all enabled
    }

    ASSERT_TRUE(writeBytes(camConfPath(tmp.folder(), 0), "101111\r\n"));
    window->state.cameraEnabled = ReadCamConf(camConfPath(tmp.folder(), 0));
    window->showCameraFlags();
    EXPECT_TRUE(window->cam_disabled[1]->isChecked());
    EXPECT_FALSE(window->cam_disabled[2]->isChecked());

    window->platePicture->DrawPlateLayout(resolvePlateFormat(QStringLiteral("w6")));
    EXPECT_GT(inkInCell(1, black), 0); // B1: camera 1 is off
    EXPECT_EQ(inkInCell(2, black), 0);

    window->cam_disabled[2]->trigger();
    EXPECT_FALSE(window->state.cameraEnabled[2]);
    EXPECT_TRUE(window->cam_disabled[2]->isChecked());
    EXPECT_GT(inkInCell(2, black), 0); // "[OFF]" over A2
    EXPECT_EQ(inkInCell(4, black), 0);

    window->cam_disabled[2]->trigger();
    EXPECT_TRUE(window->state.cameraEnabled[2]);
    EXPECT_FALSE(window->cam_disabled[2]->isChecked());
    EXPECT_EQ(inkInCell(2, black), 0);

    // The menu never writes the file.
    EXPECT_EQ(fileBytes(camConfPath(tmp.folder(), 0)), QByteArray("101111\r\n"));

    // A format whose cameras are not known here: the flag changes, nothing is redrawn.
    window->platePicture->DrawPlateLayout(resolvePlateFormat(QStringLiteral("w96f")));
    const QImage before = picture().image();
    window->cam_disabled[0]->trigger();
    EXPECT_FALSE(window->state.cameraEnabled[0]);
    EXPECT_TRUE(window->cam_disabled[0]->isChecked());
    EXPECT_EQ(picture().image(), before);
}
