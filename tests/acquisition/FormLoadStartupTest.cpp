#include "FirstStartBench.h"
#include "ScriptedPortsWindow.h"

#include "acquisition/panels/Frame_menu.h"
#include "plate/panels/Frame_select.h"
#include "projects/panels/Frame_project.h"
#include "reporting/panels/Frm_report.h"
#include "support/ScriptedSerialDevice.h"
#include "ui/DoubleClickLabel.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// Form_Load as a whole: offline on scripted ports, online against the simulated instrument.
namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList shownGroupOptions(const Frame_project& panel)
{
    QStringList captions;
    for (const QAction* item : panel.mnopciongrup)
        if (item->isVisible())
            captions << item->text();
    return captions;
}

// No instrument anywhere: every port is missing and the port question gets Enter.
struct OfflineStart : ScriptedPortsWindow {
    OfflineStart() : ScriptedPortsWindow({}) { prompts.inputs = {QString()}; }
};

TEST(FormLoadStartup, OfflineMakesTheFilesFillsEveryListAndSendsNothing)
{
    OfflineStart b;
    b.window.Form_Load();
    Frm_acquire& w = b.window;

    EXPECT_EQ(w.txt_status->text(), "Offline Mode");
    EXPECT_FALSE(w.lbl_myserial->isHidden());
    EXPECT_EQ(w.lbl_myserial->text(), "Offline");
    EXPECT_EQ(w.lbl_myserial->font().pointSize(), 12);
    EXPECT_TRUE(b.line.written.isEmpty());
    EXPECT_EQ(b.prompts.inputPrompts.size(), 1); // the port question
    EXPECT_TRUE(b.prompts.messages.isEmpty());

    // Files: no folder with a serial suffix, the default project, the last-project file.
    EXPECT_EQ(QDir(b.tmp.path("reports")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"default_project"});
    EXPECT_EQ(fileBytes(b.tmp.path("reports/default_project/pjsetup.dat")),
              "acq_time=30\r\nplate_format=w6\r\ntemperature=20\r\n");
    EXPECT_EQ(fileBytes(b.tmp.path("reports/pj_sn0.dat")), "default_project\r\n");
    for (const char* name : {"ldsetup1.dat", "ldsetup2.dat", "p35_spc.dat", "w6_spc.dat", "w24_spc.dat"})
        EXPECT_TRUE(QFileInfo::exists(b.tmp.path(QStringLiteral("config/") + QLatin1String(name)))) << name;

    // Every list exactly as start-up fills it.
    EXPECT_EQ(itemsOf(w.frameMenu->txttemp),
              (QStringList{"20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34",
                           "35", "36", "37"}));
    EXPECT_EQ(w.frameMenu->txttemp->currentText(), "20");
    EXPECT_EQ(itemsOf(w.reportPanel->combo_intref), (QStringList{"No", "Apply", "Update"}));
    EXPECT_EQ(w.reportPanel->combo_intref->currentText(), "Apply");
    EXPECT_EQ(itemsOf(w.reportPanel->Combo_reportbin),
              (QStringList{"ScanTime", "15", "30", "60", "120", "240", "480", "1440"}));
    EXPECT_EQ(w.reportPanel->Combo_reportbin->currentText(), "ScanTime");
    EXPECT_EQ(itemsOf(w.frameMenu->cmb_well), (QStringList{"w6", "w24"}));
    EXPECT_EQ(w.frameMenu->cmb_well->currentText(), "w6");
    EXPECT_EQ(w.formatControls.cmb_formatplate_items, (QStringList{"w6", "w24"}));
    EXPECT_EQ(w.formatControls.cmb_formatplate, "w6");
    EXPECT_EQ(itemsOf(w.frameSelect->cmb_set1), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H"}));
    EXPECT_EQ(w.frameSelect->cmb_set1->currentText(), "A");
    EXPECT_EQ(itemsOf(w.frameSelect->cmb_set2),
              (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(w.frameSelect->cmb_set2->currentText(), "1");
    EXPECT_EQ(itemsOf(w.reportPanel->Combo_reportfile), (QStringList{".csv", ".txt"}));
    EXPECT_EQ(w.reportPanel->Combo_reportfile->currentText(), ".csv");
    EXPECT_EQ(itemsOf(w.reportPanel->Combo_reportdivider), (QStringList{",", ";"}));
    const QString separator = QLocale::system().decimalPoint() == QStringLiteral(",") ? ";" : ",";
    EXPECT_EQ(w.reportPanel->Combo_reportdivider->currentText(), separator);
    // w6 is 2 rows by 3 columns: divisors of the columns outer, of the rows inner.
    EXPECT_EQ(shownGroupOptions(*w.frameProject),
              (QStringList{"01x01 [RowsxColumn]", "02x01 [RowsxColumn]", "01x03 [RowsxColumn]",
                           "02x03 [RowsxColumn]"}));
    EXPECT_EQ(w.frameMenu->label_blank->text(), "Using blank [w6]:");
    EXPECT_EQ(w.frameMenu->lbl_blanktime->text(), "none");

    // The panels as start-up leaves them.
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.frame_main->isHidden());
    EXPECT_FALSE(w.frameMenu->isHidden());
    EXPECT_TRUE(w.lbl_lenrx->isHidden());
    EXPECT_TRUE(w.txt_in->isHidden());
    EXPECT_TRUE(w.lblrx->isHidden());
    EXPECT_TRUE(w.reportPanel->isHidden());
    EXPECT_TRUE(w.Picact2->isHidden());
    EXPECT_TRUE(w.cmd_menu->isHidden());
    for (const QAction* item : w.cam_disabled)
        EXPECT_FALSE(item->isChecked()) << item->objectName().toStdString();
    EXPECT_EQ(w.state.runState, 0);
    EXPECT_EQ(b.globals.runFolder, b.tmp.folder().root());
}

TEST(FormLoadStartup, TheWindowIsShownForTheSearchWithItsPanelsHiddenUntilTheEnd)
{
    OfflineStart b;
    Frm_acquire& w = b.window;
    auto* light = new QWidget;
    w.frameMenu->setLightPanel(light);
    light->show();
    int probes = 0;
    b.clock.onTick = [&] {
        if (!w.txt_status->text().startsWith(QStringLiteral("Opening Port [")))
            return;
        ++probes;
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.frame_main->isHidden());
        EXPECT_TRUE(w.frameMenu->isHidden());
        EXPECT_TRUE(w.lbl_myserial->isHidden());
    };
    w.Form_Load();
    b.clock.onTick = {};

    EXPECT_GT(probes, 0);
    EXPECT_FALSE(w.frame_main->isHidden());
    EXPECT_FALSE(w.frameMenu->isHidden());
    EXPECT_TRUE(light->isHidden());
}

TEST(FormLoadStartup, AMissingLastProjectIsToldOnceAndTheDefaultServes)
{
    OfflineStart b;
    ASSERT_TRUE(writeBytes(b.tmp.path("reports/pj_sn0.dat"), "p20240101_gone\r\n"));
    b.window.Form_Load();

    EXPECT_EQ(b.prompts.messages, QStringList{"Last project folder Not found!. setting default..."});
    EXPECT_EQ(b.window.frameProject->cmb_project->currentText(), "default_project");
    EXPECT_EQ(b.window.state.projectName, "default_project");
}

// The simulated instrument behind COM1 with a unit folder of its own already
// there, so nothing is read from its flash.
struct OnlineStart : FirstStartBench {
    void start(int serialNumber, StageController controller, const std::function<void()>& whileLoading = {})
    {
        if (serialNumber >= 1) {
            ASSERT_TRUE(makeFolder(folder.path(QStringLiteral("config_SN") + QString::number(serialNumber))));
        }
        ASSERT_TRUE(startInstrument());
        sim->setSerialNumber(serialNumber);
        sim->updateState([controller](InstrumentState& s) { s.stage.controller = controller; });
        window = std::make_unique<Frm_acquire>(AppContext{globals, folder.folder(), clock, prompts, opener, comm});
        if (whileLoading)
            clock.onTick = whileLoading;
        window->Form_Load();
        clock.onTick = {};
    }
    // The temperature commands the instrument got, as letter, A and B.
    std::vector<std::array<int, 3>> temperatureCommands() const
    {
        std::vector<std::array<int, 3>> commands;
        for (const SimCommand& c : sim->receivedCommands())
            if (c.letter == 'T')
                commands.push_back({c.letter, c.a, c.b});
        return commands;
    }
    std::unique_ptr<Frm_acquire> window;
};

TEST(FormLoadStartup, OnlineTheSerialNumberSetsTheBandsThenTheFanIdlesAndOneReadingIsTaken)
{
    struct Case {
        int serialNumber;
        StageController controller;
        int generation;
        bool analog;
        int gain;
        int exposureUnit;
    };
    for (const Case& c : {Case{49, StageController::Analog, 1, true, 10, 20},
                          Case{50, StageController::Digital, 2, false, 15, 20},
                          Case{56, StageController::Digital, 2, false, 15, 20},
                          Case{57, StageController::Digital, 2, false, 20, 28},
                          Case{0, StageController::Analog, 1, true, 10, 20}}) {
        SCOPED_TRACE(c.serialNumber);
        OnlineStart b;
        b.start(c.serialNumber, c.controller);
        Frm_acquire& w = *b.window;
        const QString sn = QString::number(c.serialNumber);

        EXPECT_EQ(w.txt_status->text(), "OK. Connected to VELDO SN" + sn);
        EXPECT_EQ(w.lbl_myserial->text(), "SN" + sn);
        EXPECT_EQ(w.lbl_myserial->font().pointSize(), 16);
        EXPECT_EQ(b.globals.serialNumber, c.serialNumber);
        EXPECT_EQ(b.globals.hardwareGeneration, c.generation);
        EXPECT_EQ(w.linkState.analogController, c.analog);
        EXPECT_EQ(b.globals.defaultGain, c.gain);
        EXPECT_EQ(b.globals.exposureUnit, c.exposureUnit);
        EXPECT_EQ(b.sim->commandCount('F'), 0);
        // Fan level (sub-command 2) 128, then a target of 0 (sub-command 255) that only reads.
        EXPECT_EQ(b.temperatureCommands(), (std::vector<std::array<int, 3>>{{'T', 2, 128}, {'T', 255, 0}}));
        EXPECT_EQ(b.sim->state().stage.fanLevel, 128);
        EXPECT_GT(w.linkState.lastTemperature, 0);
        // Serial number 0 has no folders of its own.
        EXPECT_EQ(QFileInfo::exists(b.folder.path("reports/_internal_referenceSN" + sn)), c.serialNumber >= 1);
        EXPECT_EQ(QFileInfo::exists(b.folder.path("reports/_internal_blank_measurementSN" + sn)),
                  c.serialNumber >= 1);
        EXPECT_TRUE(QFileInfo::exists(b.folder.path("reports/pj_sn" + sn + ".dat")));
    }
}

TEST(FormLoadStartup, InDummyModeTheFanAndTheReadingAreNotSent)
{
    OnlineStart b;
    // Dummy mode switched on while start-up lets the window's events run.
    b.start(57, StageController::Digital, [&] {
        if (b.window && !b.window->lbl_myserial->isHidden())
            b.globals.dummyMode = 1;
    });
    EXPECT_EQ(b.window->txt_status->text(), "OK. Connected to VELDO SN57");
    EXPECT_EQ(b.globals.dummyMode, 1);
    EXPECT_TRUE(b.temperatureCommands().empty());
    EXPECT_EQ(b.sim->state().stage.fanLevel, 0);
}

} // namespace
