#include "acquisition/run/RunStart.h"
#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(RunStart, ChecksOfTheStartButtonInOrder)
{
    struct Case {
        QString lapse, format;
        QString message;
        RunStartFocus focus;
    };
    const Case boxes[] = {
        {"1", "w6", "invalid acquisition time", RunStartFocus::Lapse},
        {"abc", "w6", "invalid acquisition time", RunStartFocus::Lapse},
        {"1", "w96u", "invalid acquisition time", RunStartFocus::Lapse}, // the time first
        {"1.5", "w96u", "Microplate format error", RunStartFocus::Format},
        {"30", "", "Microplate format error", RunStartFocus::Format},
        {"1.5", "w6", "", RunStartFocus::None},
        {"32001", "w96f", "", RunStartFocus::None},
    };
    for (const Case& c : boxes) {
        SCOPED_TRACE((c.lapse + " " + c.format).toStdString());
        const auto refusal = runBoxesRefusal(c.lapse, c.format);
        EXPECT_EQ(refusal ? refusal->message : QString(), c.message);
        EXPECT_EQ(refusal ? refusal->focus : RunStartFocus::None, c.focus);
    }

    TempProgramFolder tmp;
    const QString unit = tmp.path("config_SN12");
    ASSERT_TRUE(QDir().mkpath(unit));
    EXPECT_EQ(runInstrumentRefusal(false, false, unit)->message,
              "COMPORT not found. Plug the equipment and restart the software");
    EXPECT_EQ(runInstrumentRefusal(true, false, unit)->message, "Light Calibration Needed before run!!");
    ASSERT_TRUE(writeBytes(unit + "/LEDXY.DAT", "x\r\n"));
    EXPECT_FALSE(runInstrumentRefusal(true, false, unit)) << "dummy mode with the file in any case";
    EXPECT_FALSE(runInstrumentRefusal(false, true, unit));
}

TEST(RunStart, TimeBoxLimits)
{
    const std::pair<QString, QString> opening[] = {
        {"1.5", "5"}, {"4.9", "5"}, {"5", "5"}, {"30", "30"}, {"32000", "32000"}, {"32001", "32000"}};
    for (const auto& [typed, shown] : opening)
        EXPECT_EQ(panelLapseText(typed), shown) << typed.toStdString();
    EXPECT_EQ(typedLapseLimit("32001"), QString("32000"));
    EXPECT_FALSE(typedLapseLimit("32000"));
}

TEST(RunStart, RunFolderNames)
{
    const QDateTime at(QDate(2024, 3, 15), QTime(14, 22, 33));
    EXPECT_EQ(runFolderName(at, "My Run#2"), "20240315_142233my_run_2");
    EXPECT_EQ(runFolderName(at, kAcquisitionPlaceholder), "20240315_142233");
    EXPECT_EQ(runFolderName(at, ""), "20240315_142233");
    EXPECT_EQ(referenceProjectName(12), "_internal_referenceSN12");
    EXPECT_EQ(referenceProjectName(0), "_internal_reference");
    EXPECT_EQ(referenceAcquisitionName("w12"), "w12_reference");
    for (const char* f : {"w12", "w96f", "w48"})
        EXPECT_TRUE(formatNeedsInternalReference(f));
    for (const char* f : {"w6", "w24", "p35", "w96u"})
        EXPECT_FALSE(formatNeedsInternalReference(f));
}

// The chgroup.dat of wells 0 and 1 in group 2 "Mutants", the rest free.
QByteArray groupFile()
{
    QByteArray text = "#Well, Group, name\r\n0,2,\"Mutants\"\r\n1,2,\"Mutants\"\r\n";
    for (int i = 2; i < 384; ++i)
        text += QByteArray::number(i) + ",-1,\"Free\"\r\n";
    return text;
}

struct RunStartRig {
    TempProgramFolder tmp;
    FakeClock clock{QDateTime(QDate(2024, 3, 15), QTime(14, 22, 33))};
    ScriptedPrompts prompts;
    WellGroupTable groups;
    BlankRecord blank;
    RunStartRig()
    {
        groups.wellGroup[0] = groups.wellGroup[1] = 2;
        groups.groupName[2] = "Mutants";
        EXPECT_TRUE(QDir().mkpath(tmp.path("config_SN12")));
    }
    RunConfirmation confirmation(const QString& project, const QString& name, const QString& lastStamp = {})
    {
        return RunConfirmation{project, name, "30", "w6", "25", 12, groups, {true, true, false, true, true, true},
                               lastStamp};
    }
};

TEST(RunStart, TheRunFolderAndItsFilesBeforeTheFirstFrame)
{
    RunStartRig rig;
    const CreatedRun run =
        createRunFolder(rig.tmp.folder(), rig.clock, rig.prompts, rig.confirmation("Default_Project", "My Run#2"), rig.blank);
    ASSERT_TRUE(run.created);
    EXPECT_TRUE(rig.prompts.messages.isEmpty());
    EXPECT_EQ(run.projectFolder, "default_project");
    EXPECT_EQ(run.runName, "20240315_142233my_run_2");
    EXPECT_EQ(run.runFolder, rig.tmp.path("reports/default_project/20240315_142233my_run_2"));
    EXPECT_TRUE(QDir(rig.tmp.path("reports/_internal_referenceSN12")).exists());
    const QString f = run.runFolder + "/";
    EXPECT_EQ(fileBytes(f + "serial.dat"), "SN12\r\n");
    EXPECT_EQ(fileBytes(f + "subpj.dat"), "My Run#2\r\nacq_time=30\r\nplate_format=w6\r\n");
    EXPECT_EQ(fileBytes(f + "chgroup.dat"), groupFile());
    EXPECT_EQ(fileBytes(rig.tmp.path("reports/default_project/chgroup.dat")), groupFile());
    EXPECT_EQ(fileBytes(rig.tmp.path("reports/default_project/pjsetup.dat")),
              "acq_time=30\r\nplate_format=w6\r\ntemperature=25\r\n");
    EXPECT_EQ(fileBytes(rig.tmp.path("config_SN12/camconf.dat")), "110111\r\n");
    EXPECT_EQ(fileBytes(f + "blank_w6.dat").left(13), "none\r\nacqlaps");
    EXPECT_EQ(fileBytes(f + "current_activity.txt"),
              "\"2024/03/15_14:22:33\" \"<Raw_activity_file_without_internal_factor_correction>\"\r\n"
              "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n");
    EXPECT_TRUE(QFile::exists(f + "adjusted_activity.txt"));
    EXPECT_TRUE(QFile::exists(f + "current_temperature.txt"));
    EXPECT_FALSE(QFile::exists(f + "light.csv"));

    // The placeholder: the stamp alone, and the placeholder as the run's name.
    // Confirmed in the same second as the run before: the next second's folder.
    const CreatedRun second = createRunFolder(rig.tmp.folder(), rig.clock, rig.prompts,
                                              rig.confirmation("default_project", kAcquisitionPlaceholder, "20240315_142233"),
                                              rig.blank);
    ASSERT_TRUE(second.created);
    EXPECT_EQ(second.runName, "20240315_142234");
    EXPECT_EQ(fileLines(second.runFolder + "/subpj.dat").value(0), kAcquisitionPlaceholder);
}

TEST(RunStart, NoRunForAProjectNameThatIsNoProject)
{
    RunStartRig rig;
    for (const char* project : {"", "a#", "ab"}) {
        SCOPED_TRACE(project);
        const CreatedRun run =
            createRunFolder(rig.tmp.folder(), rig.clock, rig.prompts, rig.confirmation(project, "x"), rig.blank);
        EXPECT_FALSE(run.created);
        EXPECT_EQ(rig.prompts.messages.value(0), "Error creating project folder/setup");
        rig.prompts.messages.clear();
    }
    EXPECT_FALSE(QDir(rig.tmp.path("reports")).exists()) << "nothing made";
}

} // namespace
