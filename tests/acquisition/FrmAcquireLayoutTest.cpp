// The main window laid out by its rule: every placed control where the rule puts it,
// the plate redrawn only when idle, and pictures of the window at two sizes.
#include "RunPhaseSteps.h"
#include "NoInstrument.h"
#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "acquisition/panels/PlatePicturePanel.h"
#include "calibration/panels/Frame_calibration.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "ui/PictureBox.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct WindowRig {
    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    ModCOMM comm = portlessComm(globals, tmp.folder());
    Frm_acquire window{AppContext{globals, tmp.folder(), clock, prompts, opener, comm}};

    WindowRig()
    {
        window.state.plateFormat = QStringLiteral("w96f");
        fillFormatLists(window.formatControls, window.state.plateFormat);
        window.showFormatControls();
        window.show();
    }

    // The window's outer size (frame included), which the rule reads.
    void resizeOuter(int width, int height)
    {
        const QSize frame = window.frameGeometry().size() - window.size();
        window.resize(QSize(width, height) - frame);
    }
    QWidget* control(const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); }
    quint64 plateClears() { return window.platePicture->Picact->canvas().clearCount(); }
};

// A pixel rectangle from twips, as the window applies them (15 twips a pixel, nearest).
QRect pixels(double left, double top, double width, double height)
{
    auto px = [](double t) { return static_cast<int>(std::nearbyint(t / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

TEST(FrmAcquireLayout, At800By600TheWindowStandsOnTheTwelveThousandByNineThousandGrid)
{
    WindowRig rig;
    rig.resizeOuter(800, 600); // 12000 x 9000 twips: mL 600, mT 225, C 1800, R 394
    struct Case {
        const char* name;
        QRect expected;
    };
    const Case cases[] = {
        {"frame_main", pixels(825, 914.5, 7740, 5910)},
        {"Frame_menu", pixels(8700, 914.5, 2250, 5910)},
        {"Shape5", pixels(598, 223, 10804, 7687)},
        {"Picact", pixels(1665, 78.8, 5940, 4925)},        // in frame_main: 0.925C, 0.2R, 3.3C x 12.5R
        {"Picrealtime", pixels(1980, 5516, 5400, 394)},     // 1.1C, 14R, 3C x R
        {"cmdPlay", pixels(180, 4334, 1890, 788)},          // in Frame_menu: 0.1C, 11R, 1.05C x 2R
        {"Frame_calibration", pixels(8700, 1032.7, 2250, 5910)},
    };
    for (const Case& c : cases) {
        QWidget* w = rig.control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.expected) << c.name;
    }
    // A size the rule leaves as designed keeps the control's own.
    EXPECT_EQ(rig.control("txt_status")->geometry().topLeft(), pixels(2670, 333.35, 0, 0).topLeft());
    EXPECT_EQ(rig.control("txt_status")->width(), pixels(0, 0, 5850, 0).width());
}

TEST(FrmAcquireLayout, AtRestOnlyTheStripTheMainAreaAndTheCommandColumnShow)
{
    WindowRig rig;
    for (const char* shown : {"Shape5", "Line5", "lbl_status", "txt_status", "txt_timepass", "frame_main",
                              "frame_group", "Frame_project", "Picact", "Picrealtime", "Frame_menu", "cmdPlay",
                              "cmdreport", "txtlapse", "chk_temp", "txttemp", "cmd_blank"})
        EXPECT_FALSE(rig.control(shown)->isHidden()) << shown;
    for (const char* hidden : {"frame_flash", "frmtempcal", "Frm_report", "frm_confirmacq", "frm_calibrate",
                               "Frame_calibration", "cmd_menu", "Picact2", "frameblank", "Frame_tcycle", "Frame_light", "frame_offline", "Frame_select", "Frame1", "Picturehide",
                               "lbl_lenrx", "txt_in", "lblrx", "lbl_myserial"})
        EXPECT_TRUE(rig.control(hidden)->isHidden()) << hidden;
    EXPECT_EQ(rig.window.windowTitle(), QStringLiteral("Acquisition Page"));
}

TEST(FrmAcquireLayout, LblrxIsHiddenAgainByEveryLayout)
{
    WindowRig rig;
    rig.window.lblrx->show();
    rig.window.LayoutMainWindow();
    EXPECT_TRUE(rig.window.lblrx->isHidden());
}

TEST(FrmAcquireLayout, AResizeRedrawsThePlateOnlyWhenNoRunIsOn)
{
    WindowRig rig;
    rig.resizeOuter(900, 700);
    const quint64 idle = rig.plateClears();

    bringToPhase(rig.window.state.phase, RunPhase::Phase::Running);
    rig.resizeOuter(1000, 760);
    EXPECT_EQ(rig.plateClears(), idle);
    // The controls still move with the window.
    EXPECT_EQ(rig.control("Frame_menu")->geometry().left(), pixels(0.05 * 15000 + 4.5 * 2250, 0, 0, 0).left());

    rig.window.state.phase.apply(RunPhase::Event::Stop);
    rig.resizeOuter(1100, 800);
    EXPECT_GT(rig.plateClears(), idle);
}

TEST(FrmAcquireLayout, WithTheWellCalibrationOpenOnlyTheWellByWellRedrawRuns)
{
    WindowRig rig;
    rig.window.frameMenu->hide();
    const quint64 before = rig.plateClears();
    const QImage picture = rig.window.platePicture->Picact->canvas().image();
    rig.window.Form_Resize();
    EXPECT_EQ(rig.plateClears(), before); // no new plate layout
    EXPECT_EQ(rig.window.platePicture->Picact->canvas().image(), picture); // the wells drawn over as they were
}

TEST(FrmAcquireLayout, PicturesAtTwoSizesForTheEye)
{
    WindowRig rig;
    for (const QSize size : {QSize(1280, 800), QSize(640, 480)}) {
        rig.window.resize(size);
        const QString file = QDir::temp().filePath(
            QStringLiteral("frm_acquire_%1x%2.png").arg(size.width()).arg(size.height()));
        EXPECT_TRUE(rig.window.grab().save(file));
    }
    // The overlays where the rule puts them, over the main area.
    for (const char* overlay : {"frm_confirmacq", "Frame_light", "Frame_tcycle", "frameblank"})
        rig.control(overlay)->show();
    rig.window.resize(1280, 800);
    EXPECT_TRUE(rig.window.grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_overlays.png"))));
    rig.control("frm_confirmacq")->hide();
    rig.control("frameblank")->hide();
    rig.control("frame_flash")->show();
    EXPECT_TRUE(rig.window.grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_flash.png"))));
    rig.control("frame_flash")->hide();
    rig.control("Frm_report")->show();
    EXPECT_TRUE(rig.window.grab().save(QDir::temp().filePath(QStringLiteral("frm_acquire_report.png"))));
    rig.control("Frm_report")->hide();

    // Below the rule's smallest size the window is laid out as 640 x 480 twips.
    rig.window.resize(30, 20);
    EXPECT_EQ(rig.control("Frame_menu")->geometry(), pixels(32 + 4.5 * 96, 12 + 1.75 * 21, 1.25 * 96, 15 * 21));
}

} // namespace
