#include "FirstStartBench.h"

#include "core/TextFile.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

// What Form_Load makes and reads of the program folder.
namespace {

const QStringList kSharedDefaults{"ldsetup1.dat", "ldsetup2.dat", "p35_spc.dat", "w24_spc.dat", "w6_spc.dat"};

QStringList checkedCameras(const Frm_acquire& window)
{
    QStringList checked;
    for (const QAction* item : window.cam_disabled)
        if (item->isChecked())
            checked << item->objectName();
    return checked;
}

struct WindowBench : FirstStartBench {
    Frm_acquire& window()
    {
        window_ = std::make_unique<Frm_acquire>(
            AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        return *window_;
    }
    std::unique_ptr<Frm_acquire> window_;
};

TEST(FormLoadFiles, AFirstStartInstallsTheInstrumentAndWritesTheSharedDefaults)
{
    WindowBench b;
    ASSERT_TRUE(b.startInstrument());
    Frm_acquire& w = b.window();
    w.Form_Load();

    EXPECT_EQ(w.txt_status->text(), "OK. Connected to VELDO SN12");
    EXPECT_EQ(b.globals.serialNumber, kSerial);
    EXPECT_EQ(b.bytes(kUnit + "/w24_row.dat"), expectedFile("w24_row.dat"));
    EXPECT_EQ(b.bytes(kUnit + "/tempfactor.dat"), expectedFile("tempfactor.dat"));
    EXPECT_EQ(b.foldersIn("reports"),
              (QStringList{"_internal_blank_measurementSN12", "_internal_referenceSN12", "default_project"}));
    EXPECT_EQ(b.filesIn("config"), kSharedDefaults);
    for (const QString& name : kSharedDefaults)
        EXPECT_EQ(b.bytes("config/" + name), defaultFixture(name)) << name.toStdString();
    // The factors the flash gave.
    EXPECT_DOUBLE_EQ(w.formTempOffset, -16.34);
    EXPECT_DOUBLE_EQ(w.formTempSlope, 1.73);
    EXPECT_TRUE(checkedCameras(w).isEmpty());
    EXPECT_TRUE(b.prompts.messages.isEmpty());
}

TEST(FormLoadFiles, ALaterStartReadsTheUnitFolderAndKeepsEditedDefaults)
{
    WindowBench b;
    ASSERT_TRUE(b.startInstrument());
    ASSERT_TRUE(writeBytes(b.file(kUnit + "/camconf.dat"), "110110\r\n"));
    ASSERT_TRUE(writeBytes(b.file(kUnit + "/tempfactor.dat"),
                           "\"Temperature sensor parameters\"\r\nOFFSET=-15.5\r\nSLOPE=1.7\r\n"));
    ASSERT_TRUE(writeBytes(b.file("config/w6_spc.dat"), "edited\r\n"));
    Frm_acquire& w = b.window();
    w.Form_Load();

    EXPECT_EQ(w.txt_status->text(), "OK. Connected to VELDO SN12");
    EXPECT_EQ(b.sim->commandCount('F'), 0);
    EXPECT_EQ(b.filesIn(kUnit), (QStringList{"camconf.dat", "tempfactor.dat"}));
    EXPECT_EQ(checkedCameras(w), (QStringList{"cam_disabled2", "cam_disabled5"}));
    EXPECT_EQ(w.state.cameraEnabled, (std::array<bool, 6>{true, true, false, true, true, false}));
    EXPECT_DOUBLE_EQ(w.formTempOffset, -15.5);
    EXPECT_DOUBLE_EQ(w.formTempSlope, 1.7);
    EXPECT_DOUBLE_EQ(b.globals.tempOffset, -15.5);
    EXPECT_EQ(b.bytes("config/w6_spc.dat"), "edited\r\n");
    EXPECT_EQ(b.filesIn("config"), kSharedDefaults);
}

TEST(FormLoadFiles, WithoutAnInstrumentTheSharedConfigServes)
{
    WindowBench b;
    ASSERT_TRUE(writeBytes(b.file("config/camconf.dat"), "0\r\n"));
    Frm_acquire& w = b.window();
    b.prompts.inputs = {QString()}; // no port answers: Enter goes offline
    w.Form_Load();

    EXPECT_EQ(b.foldersIn(""), (QStringList{"config", "reports"}));
    // Start-up's default project, the one in use when no other is known.
    EXPECT_EQ(b.foldersIn("reports"), QStringList{"default_project"});
    EXPECT_EQ(b.bytes("reports/default_project/pjsetup.dat"), "acq_time=30\r\nplate_format=w6\r\ntemperature=20\r\n");
    EXPECT_EQ(b.bytes("reports/pj_sn0.dat"), "default_project\r\n");
    EXPECT_EQ(w.state.projectName, "default_project");
    EXPECT_EQ(w.state.plateFormat, "w6");
    EXPECT_EQ(checkedCameras(w), QStringList{"cam_disabled0"});
    // The default factors, written where they were missing.
    EXPECT_EQ(readTextFile(b.file("config/tempfactor.dat")).value_or(QStringList()).value(0),
              "\"Temperature sensor parameters\"");
    EXPECT_DOUBLE_EQ(w.formTempOffset, -16.34);
    EXPECT_DOUBLE_EQ(w.formTempSlope, 1.732);
}

} // namespace
