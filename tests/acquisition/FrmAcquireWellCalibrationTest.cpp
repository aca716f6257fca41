#include "acquisition/panels/Frame_menu.h"
#include "acquisition/panels/Frm_acquire.h"
#include "calibration/panels/Frame_calibration.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// "Calibrate position" on the main window against the simulated instrument.
namespace {

class FrmAcquireWellCalibration : public SimulatedLinkTest<FakeClock> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setSerialNumber(12);
        globals.applySerialNumber(12);
        ASSERT_TRUE(copyFormatFixtures("w6", folder.path("config"), folder.path("config_SN12")));
        connect();
    }
};

TEST_F(FrmAcquireWellCalibration, OpensInPlaceOfTheCommandColumnMovesABoundAndCloses)
{
    FakeDesktopOpener opener;
    Frm_acquire window(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
    window.formatControls.cmb_well = "w6";
    window.showFormatControls();
    window.resize(1000, 700);
    window.show();

    auto* item = window.findChild<QAction*>("mncalibratewell");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_TRUE(window.frameMenu->isHidden());
    EXPECT_FALSE(window.frameCalibration->isHidden());
    EXPECT_FALSE(window.cmd_menu->isHidden());
    Frame_calibration& f = *window.frameCalibration;
    EXPECT_EQ(f.cmb_column->currentText(), "1");
    EXPECT_EQ(f.txt_column_end->text(), "140");
    EXPECT_FALSE(f.cmb_formatplate->isEnabled());

    f.col_end_mas->click();
    f.col_end_mas->click();
    EXPECT_EQ(f.txt_column_end->text(), "142");
    // 137 wide against 135: 137 / 135.33.
    EXPECT_TRUE(f.txt_well_percent->toPlainText().startsWith("w6\nWell(A1)=1.01\nWell(B1)=1.00"))
        << f.txt_well_percent->toPlainText().toStdString();
    EXPECT_TRUE(window.Timer5->isActive());
    EXPECT_EQ(window.Timer5->interval(), 500);
    window.Timer5_Timer();
    EXPECT_EQ(window.Timer5->interval(), 250) << "later repaints follow sooner";
    EXPECT_TRUE(window.grab().save(QDir::temp().filePath("frm_acquire_well_calibration.png")));

    window.cmd_menu->click();
    EXPECT_FALSE(window.frameMenu->isHidden());
    EXPECT_TRUE(window.frameCalibration->isHidden());
    EXPECT_TRUE(window.cmd_menu->isHidden());
    EXPECT_TRUE(window.state.abortRequested);
}

} // namespace
