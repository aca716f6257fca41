#include "FirstStartBench.h"

#include "lib/Fault.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/SendSteps.h"

#include <QFileInfo>
#include <gtest/gtest.h>

// The first start with an instrument against the simulated instrument.
namespace {

const QStringList kAnnounced{
    "Getting Factory file: [Well_Format]", "Getting Factory file: [Light_Cal]",
    "Getting Factory file: [Temp_factor]", "Getting Factory file: [Int_Factor]",
    "Getting Factory file: [Blank_Factor]",
};

const QStringList kFormatFiles{"p35_col.dat", "p35_row.dat", "w24_col.dat",
                               "w24_row.dat", "w6_col.dat",  "w6_row.dat"};

// Every file a full flash gives, sorted.
QStringList flashFiles()
{
    QStringList files = kFormatFiles;
    files << "blank_p35.dat" << "blank_w24.dat" << "blank_w6.dat" << "intfactor_p35.dat" << "intfactor_w24.dat"
          << "intfactor_w6.dat" << "ledxy.dat" << "tempfactor.dat";
    files.sort();
    return files;
}

const QString kRefProject = QStringLiteral("reports/_internal_referenceSN12");
const QString kBlankProject = QStringLiteral("reports/_internal_blank_measurement");

TEST(FirstStart, AFullFlashFillsTheUnitFolderAndTheSharedFilesCompleteTheProjects)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    // Shared files the flash also supplies: the flash's stay.
    ASSERT_TRUE(writeBytes(b.file("config/ledxy.dat"), "shared\r\n"));
    ASSERT_TRUE(writeBytes(b.file("config/w6_col.dat"), "shared\r\n"));
    // Shared sources of the instrument's projects; its own file stays.
    ASSERT_TRUE(writeBytes(b.file("reports/_internal_reference/w6_factor_correction.dat"), "w6 factors\n1.5"));
    ASSERT_TRUE(writeBytes(b.file("reports/_internal_reference/p35_factor_correction.dat"), "shared p35\r\n"));
    ASSERT_TRUE(writeBytes(b.file(kRefProject + "/p35_factor_correction.dat"), "own p35\r\n"));
    ASSERT_TRUE(writeBytes(b.file(kBlankProject + "/blank_w24.dat"), "w24 blank\r\n"));

    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);

    EXPECT_EQ(b.console.statuses, kAnnounced);
    EXPECT_TRUE(b.prompts.messages.isEmpty());
    EXPECT_EQ(b.filesIn(kUnit), flashFiles());
    for (const QString& name : flashFiles())
        EXPECT_EQ(b.bytes(kUnit + "/" + name), expectedFile(name)) << name.toStdString();
    EXPECT_EQ(b.foldersIn(""), (QStringList{"config", kUnit, "ports", "reports"}));

    EXPECT_EQ(b.filesIn(kRefProject), (QStringList{"p35_factor_correction.dat", "w6_factor_correction.dat"}));
    EXPECT_EQ(b.bytes(kRefProject + "/w6_factor_correction.dat"), "w6 factors\r\n1.5\r\n");
    EXPECT_EQ(b.bytes(kRefProject + "/p35_factor_correction.dat"), "own p35\r\n");
    EXPECT_EQ(b.filesIn(kBlankProject + "SN12"), QStringList{"blank_w24.dat"});
    EXPECT_EQ(b.bytes(kBlankProject + "SN12/blank_w24.dat"), "w24 blank\r\n");

    // 200 ms before the reading, 100 ms after it.
    EXPECT_GE(b.clock.elapsedMs(), 300);
    EXPECT_GT(b.sim->commandCount('F'), 0);
}

TEST(FirstStart, AnEmptyFlashLeavesTheDefaultFormatFilesAndWhatConfigHolds)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect(FlashImage{}));
    // A shared file without a line end after its last line.
    ASSERT_TRUE(writeBytes(b.file("config/ledxy.dat"), "\"Led control\"\n7,1,2,3,4"));

    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);

    // Each section's own not-found text follows its announcement.
    EXPECT_EQ(b.console.statuses,
              (QStringList{kAnnounced[0], "Well Format Calibration not found at VELDO memory", kAnnounced[1],
                           "Light Calibration not found at VELDO memory", kAnnounced[2],
                           "Temperature Calibration not found at VELDO memory", kAnnounced[3],
                           "Internal REF Calibration not found at VELDO memory", kAnnounced[4],
                           "Blank Calibration not found at VELDO memory"}));
    QStringList expected = kFormatFiles;
    expected << "ledxy.dat";
    expected.sort();
    EXPECT_EQ(b.filesIn(kUnit), expected);
    for (const QString& name : kFormatFiles)
        EXPECT_EQ(b.bytes(kUnit + "/" + name), defaultFixture(name)) << name.toStdString();
    EXPECT_EQ(b.bytes(kUnit + "/ledxy.dat"), "\"Led control\"\r\n7,1,2,3,4\r\n");
    EXPECT_TRUE(b.filesIn(kRefProject).isEmpty());
}

TEST(FirstStart, ASecondStartReadsNothingAndRestoresNothing)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    ASSERT_EQ(b.start(), UnitFolderInstall::Installed);
    ASSERT_TRUE(QFile::remove(b.file(kUnit + "/ledxy.dat")));
    ASSERT_TRUE(writeBytes(b.file("config/ledxy.dat"), "shared\r\n"));
    b.sim->resetCounts();
    b.console.statuses.clear();

    EXPECT_EQ(b.start(), UnitFolderInstall::NotNeeded);
    EXPECT_EQ(b.sim->totalCommandCount(), 0);
    EXPECT_TRUE(b.console.statuses.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(b.file(kUnit + "/ledxy.dat")));

    // The unit folder is found whatever its case.
    ASSERT_TRUE(QDir(b.folder.path()).rename(kUnit, "CONFIG_sn12"));
    EXPECT_EQ(b.start(), UnitFolderInstall::NotNeeded);
    EXPECT_EQ(b.sim->totalCommandCount(), 0);
}

TEST(FirstStart, WithoutAConnectedInstrumentWithANumberNothingIsMadeButReports)
{
    struct Case {
        const char* what;
        bool offline;
        int serialNumber;
    };
    for (const Case& c : {Case{"offline", true, 0}, Case{"offline with a number left", true, 12},
                          Case{"serial number 0", false, 0}}) {
        SCOPED_TRACE(c.what);
        FirstStartBench b;
        ASSERT_TRUE(b.connect());
        b.state.offlineMode = c.offline;
        b.globals.applySerialNumber(c.serialNumber);

        EXPECT_EQ(b.start(), UnitFolderInstall::NotNeeded);
        EXPECT_EQ(b.foldersIn(""), (QStringList{"ports", "reports"}));
        EXPECT_TRUE(b.foldersIn("reports").isEmpty());
        EXPECT_EQ(b.sim->totalCommandCount(), 0);
    }
}

TEST(FirstStart, AnInstrumentLostDuringTheReadingLeavesNoUnitFolderForTheNextStart)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    b.sim->setFault(Fault::hangUp('F'));

    EXPECT_EQ(b.start(), UnitFolderInstall::Interrupted);
    EXPECT_EQ(b.foldersIn(""), (QStringList{"ports", "reports"}));

    // The next start, with the instrument back, reads its flash.
    b.console.statuses.clear();
    ASSERT_TRUE(b.connect());
    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);
    EXPECT_EQ(b.console.statuses, kAnnounced);
    for (const QString& name : flashFiles())
        EXPECT_EQ(b.bytes(kUnit + "/" + name), expectedFile(name)) << name.toStdString();
}

// No serial-number query is sent once the flash has been read.
bool serialQuerySent(const FirstStartBench& b)
{
    return b.console.commTexts.contains(sendingText(*makeCommandFrame('N', 0, 0)));
}

TEST(FirstStart, AnInstrumentLostAfterTheSecondSectionIsReadAgainAtTheNextStart)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    // The line drops as the third section is asked for.
    b.clock.onTick = [&] {
        if (b.console.statuses.endsWith(kAnnounced[2]) && b.sim->totalCommandCount() > 0)
            b.sim->hangUp();
    };

    EXPECT_EQ(b.start(), UnitFolderInstall::Interrupted);

    // The reading stops at the section that got no reply.
    EXPECT_EQ(b.console.statuses.mid(0, 3), kAnnounced.mid(0, 3));
    EXPECT_FALSE(b.console.statuses.contains(kAnnounced[3]));
    EXPECT_FALSE(b.console.statuses.contains(kAnnounced[4]));
    EXPECT_EQ(b.foldersIn(""), (QStringList{"ports", "reports"}));
    EXPECT_FALSE(serialQuerySent(b));

    b.clock.onTick = {};
    b.console.statuses.clear();
    ASSERT_TRUE(b.connect());
    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);
    EXPECT_EQ(b.console.statuses, kAnnounced);
    EXPECT_EQ(b.filesIn(kUnit), flashFiles());
}

TEST(FirstStart, ACompleteReadingIsKeptWhateverTheInstrumentDoesAfterIt)
{
    // The instrument would not answer a serial-number query after its flash was read.
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    b.sim->setFault(Fault::silent('N'));

    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);
    EXPECT_FALSE(serialQuerySent(b));
    EXPECT_EQ(b.sim->commandCount('N'), 0);
    EXPECT_EQ(b.filesIn(kUnit), flashFiles());
}

TEST(FirstStart, AStartCutShortIsInstalledAgainAndTheUnitFolderAppearsOnlyWhenComplete)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect());
    // What a start that was closed half-way left behind.
    const QString staging = unitFolderStagingName(kSerial);
    ASSERT_EQ(staging, "config_SN12.installing");
    ASSERT_TRUE(writeBytes(b.file(staging + "/w6_col.dat"), "half\r\n"));
    ASSERT_TRUE(writeBytes(b.file(staging + "/leftover.dat"), "x\r\n"));
    bool unitFolderSeenEarly = false;
    b.clock.onTick = [&] { unitFolderSeenEarly |= QFileInfo::exists(b.file(kUnit)); };

    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);

    EXPECT_FALSE(unitFolderSeenEarly);
    EXPECT_GT(b.clock.sleepCount(), 0);
    EXPECT_EQ(b.filesIn(kUnit), flashFiles());
    EXPECT_EQ(b.bytes(kUnit + "/w6_col.dat"), expectedFile("w6_col.dat"));
    EXPECT_FALSE(QFileInfo::exists(b.file(staging)));
}

} // namespace
