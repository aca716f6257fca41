#include "calibration/BlankList.h"
#include "calibration/BlankMeasurementStart.h"
#include "calibration/BlankStore.h"
#include "calibration/BlankStoreWrite.h"
#include "calibration/InternalReferenceMenu.h"
#include "calibration/RunBlankFile.h"
#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <array>

// The blank store's writers, the list of stored blank runs, and the small
// rules of the blank panel and the internal-reference menu.
namespace {

const QString kStore = QStringLiteral("reports/_internal_blank_measurementSN12");

void addRun(const TempProgramFolder& tmp, const QString& name, const QByteArray& subpj)
{
    ASSERT_TRUE(writeBytes(tmp.path(kStore + "/" + name + "/subpj.dat"), subpj));
}

TEST(StoredBlankRuns, RunsOfTheFormatInNameOrderOrEveryRun)
{
    TempProgramFolder tmp;
    addRun(tmp, "20250316_090000_blank_late", "_blank_late\r\nacq_time=60\r\nplate_format=w24\r\n");
    addRun(tmp, "20250314_101500_blank_myblank", "_blank_myblank\r\nacq_time=60\r\nplate_format=w24\r\n");
    addRun(tmp, "20250315_080000_blank_six", "_blank_six\r\nacq_time=30\r\nplate_format=w6\r\n");
    addRun(tmp, "20250315_090000_blank_upper", "_blank_upper\r\nacq_time=30\r\nplate_format=W24\r\n");
    addRun(tmp, "20250315_100000_blank_noformat", "_blank_noformat\r\nacq_time=30\r\n");
    ASSERT_TRUE(QDir().mkpath(tmp.path(kStore + "/20250315_110000_blank_nosubpj")));
    ASSERT_TRUE(QDir().mkpath(tmp.path(kStore + "/20250315_120000_mice"))); // an ordinary run's name
    ASSERT_TRUE(writeBytes(tmp.path(kStore + "/blank_w24.dat"), "none\r\n"));

    EXPECT_EQ(storedBlankRuns(tmp.folder(), 12, "w24"),
              (QStringList{"20250314_101500_blank_myblank", "20250316_090000_blank_late"}));
    EXPECT_EQ(storedBlankRuns(tmp.folder(), 12, "w6"), QStringList{"20250315_080000_blank_six"});
    EXPECT_EQ(storedBlankRuns(tmp.folder(), 12),
              (QStringList{"20250314_101500_blank_myblank", "20250315_080000_blank_six",
                           "20250315_090000_blank_upper", "20250315_100000_blank_noformat",
                           "20250315_110000_blank_nosubpj", "20250316_090000_blank_late"}));
    EXPECT_TRUE(storedBlankRuns(tmp.folder(), 0, "w24").isEmpty()) << "serial 0 has its own store";
}

TEST(StoredBlankRuns, DescriptionAndWhatALoadNeeds)
{
    TempProgramFolder tmp;
    addRun(tmp, "20250314_101500_blank_myblank", "_blank_myblank\r\nacq_time=60\r\nplate_format=w24\r\n");
    addRun(tmp, "20250314_111500_blank_notime", "_blank_notime\r\nlapse\r\nplate_format=w24\r\n");
    addRun(tmp, "20250314_121500_blank_noformat", "_blank_noformat\r\nacq_time=45\r\n");
    const auto folderOf = [&](const char* name) { return storedBlankRunFolder(tmp.folder(), 12, name); };

    EXPECT_EQ(blankRunDescription(folderOf("20250314_101500_blank_myblank")), "[60m] _blank_myblank");
    EXPECT_EQ(blankRunDescription(folderOf("20250314_111500_blank_notime")), "[m] _blank_notime");

    const BlankRunToLoad good = blankRunToLoad(folderOf("20250314_101500_blank_myblank"));
    EXPECT_EQ(good.message, "");
    EXPECT_EQ(good.format, "w24");
    EXPECT_EQ(good.minutes, 60);
    EXPECT_EQ(blankRunToLoad(folderOf("20250314_111500_blank_notime")).message,
              "subpj File error. Unable to read time");
    EXPECT_EQ(blankRunToLoad(folderOf("20250314_121500_blank_noformat")).message,
              "subpj File error. Unable to read well format");
    EXPECT_EQ(blankRunToLoad(folderOf("20250314_131500_blank_gone")).message,
              "subpj File error. Unable to read well format");

    // Only the names a listing gives lead into the store.
    EXPECT_EQ(folderOf("../../x_______blank"), "");
    EXPECT_EQ(folderOf("20250314_101500_blank/../.."), "");
}

TEST(StoredBlankRuns, DeletingTakesFilesThenTheFolderAndReportsWhatIsLeft)
{
    TempProgramFolder tmp;
    addRun(tmp, "20250314_101500_blank_done", "x\r\n");
    ASSERT_TRUE(writeBytes(tmp.path(kStore + "/20250314_101500_blank_done/current_activity.txt"), "y\r\n"));
    addRun(tmp, "20250314_111500_blank_images", "x\r\n");
    ASSERT_TRUE(writeBytes(tmp.path(kStore + "/20250314_111500_blank_images/img/a.bmp"), "BM"));
    ASSERT_TRUE(QDir().mkpath(tmp.path(kStore + "/20250314_121500_blank_empty")));

    EXPECT_TRUE(deleteStoredBlankRun(tmp.folder(), 12, "20250314_101500_blank_done"));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(kStore + "/20250314_101500_blank_done")));

    // A subfolder: the files go, the folder stays, the user is told.
    EXPECT_FALSE(deleteStoredBlankRun(tmp.folder(), 12, "20250314_111500_blank_images"));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(kStore + "/20250314_111500_blank_images/subpj.dat")));
    EXPECT_TRUE(QFileInfo::exists(tmp.path(kStore + "/20250314_111500_blank_images/img/a.bmp")));

    EXPECT_FALSE(deleteStoredBlankRun(tmp.folder(), 12, "20250314_121500_blank_empty")); // no file to delete
    EXPECT_TRUE(deleteStoredBlankRun(tmp.folder(), 12, "20250314_131500_blank_gone"));   // nothing there
    EXPECT_FALSE(deleteStoredBlankRun(tmp.folder(), 12, ".."));
}

TEST(WriteEmptyBlankFile, NoneOverThirtyMinutesWithEveryWellZeroEvenWithoutAStoreFolder)
{
    TempProgramFolder tmp;
    BlankRecord record;
    record.blankValue[3] = 7;
    record.blankValue[384] = 9;
    ASSERT_TRUE(WriteEmptyBlankFile(tmp.folder(), 0, "w24", record)); // serial 0: no store folder yet
    QByteArray expected = "none\r\nacqlapse=30\r\n\"#well\",\"Value\"\r\n";
    for (int i = 0; i < 384; ++i)
        expected += QByteArray::number(i) + ",0\r\n";
    EXPECT_EQ(fileBytes(tmp.path("reports/_internal_blank_measurement/blank_w24.dat")), expected);
    EXPECT_EQ(record.blankLapse, 30);
    EXPECT_EQ(record.blankValue[3], 0);
    EXPECT_EQ(record.blankValue[384], 9) << "only 0 to 383 are cleared";
    EXPECT_EQ(ReadBlankFileHeader(tmp.folder(), 0, "w24"), "none");
    EXPECT_FALSE(WriteEmptyBlankFile(tmp.folder(), 0, "", record));
    EXPECT_FALSE(WriteEmptyBlankFile(tmp.folder(), 0, "../w24", record));
}

TEST(LoadFactoryBlank, CopiedLineByLineIntoTheStoreAfterWhichItReadsAsAnyStoreFile)
{
    TempProgramFolder tmp;
    FakeClock clock;
    EXPECT_EQ(loadFactoryBlank(tmp.folder(), 12, "w6", clock), FactoryBlankLoad::NotFound);
    EXPECT_FALSE(QFileInfo::exists(tmp.path(kStore + "/blank_w6.dat")));

    ASSERT_TRUE(writeBytes(tmp.path("config_SN12/blank_w6.dat"),
                           "2019/02/15\nacqlapse=60\n\"#well\",\"Value\"\n0,4\n5,9\n"));
    EXPECT_EQ(loadFactoryBlank(tmp.folder(), 12, "w6", clock), FactoryBlankLoad::Loaded);
    EXPECT_EQ(fileBytes(tmp.path(kStore + "/blank_w6.dat")),
              "2019/02/15\r\nacqlapse=60\r\n\"#well\",\"Value\"\r\n0,4\r\n5,9\r\n");
    EXPECT_EQ(clock.elapsedMs(), 50);
    EXPECT_EQ(ReadBlankFileHeader(tmp.folder(), 12, "w6"), "2019/02/15");
}

// Store and run-copy readers skip what is not an index 0 to 384, a comma and a 16-bit whole number.
TEST(BlankReaders, LinesThatAreNotAWellAndACountAreSkipped)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(kStore + "/blank_w6.dat"),
                           "n\r\nacqlapse=0045\r\nh\r\n"
                           "0,17\r\n"       // kept
                           "-1,5\r\n"       // index below 0
                           "385,5\r\n"      // index above 384
                           "384,6\r\n"      // the last slot, kept
                           "1,70000\r\n"    // count beyond 16 bits
                           "2,1.5\r\n"      // not whole
                           "3\r\n"          // no comma
                           "x,4\r\n"        // no index
                           "4,\r\n"         // no count
                           "\r\n"           // empty
                           "5,-32768\r\n")); // kept
    const QString run = tmp.path("reports/p/20250314_101500");
    ASSERT_TRUE(QDir().mkpath(run));
    BlankRecord copied;
    ASSERT_TRUE(CopyBlankToRun(tmp.folder(), 12, "w6", run, copied));
    const BlankRecord read = ReadRunBlankFile(run, "w6");
    for (const BlankRecord* r : std::array<const BlankRecord*, 2>{&copied, &read}) {
        EXPECT_EQ(r->blankLapse, 45);
        EXPECT_EQ(r->blankValue[0], 17);
        for (int i : {1, 2, 3, 4})
            EXPECT_EQ(r->blankValue[size_t(i)], 0) << i;
        EXPECT_EQ(r->blankValue[5], -32768);
    }
    EXPECT_EQ(copied.blankValue[384], 6);
}

TEST(BlankLapseMinutes, ThirtyToFourteenFortyRoundedToEven)
{
    const struct {
        const char* text;
        std::optional<int> minutes;
    } cases[] = {{"30", 30},          {"1440", 1440},       {"29.9", std::nullopt}, {"1440.5", std::nullopt},
                 {"", std::nullopt},  {"45.5", 46},         {"44.5", 44},           {" 6 0", 60},
                 {"60m", 60},         {"abc", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(blankLapseMinutes(QLatin1String(c.text)), c.minutes) << c.text;
    EXPECT_EQ(blankProjectName(12), "_internal_blank_measurementSN12");
    EXPECT_EQ(blankProjectName(0), "_internal_blank_measurement");
    EXPECT_EQ(blankAcquisitionName("my_blank_2"), "_blank_my_blank_2");
}

TEST(WellTableFormatCodes, TheCodesOfTheSharedWellTablesInListingOrder)
{
    TempProgramFolder tmp;
    for (const char* code : {"w96f", "w6", "p35", "w24"})
        ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config/%1_spc.dat").arg(QLatin1String(code))), "x"));
    ASSERT_TRUE(writeBytes(tmp.path("config/w12_col.dat"), "x"));
    ASSERT_TRUE(writeBytes(tmp.path("config_SN12/w48_spc.dat"), "x"));
    EXPECT_EQ(wellTableFormatCodes(tmp.folder()), (QStringList{"p35", "w24", "w6", "w96f"}));
}

} // namespace
