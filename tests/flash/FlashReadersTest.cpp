#include "FlashBench.h"
#include "flash/FlashReaders.h"

#include <QDir>

#include <gtest/gtest.h>

// The five readers against the simulated instrument on a pseudo-terminal.
namespace {

const QString kWellFormatNotFound = QStringLiteral("Well Format Calibration not found at VELDO memory");
const QString kLedXyNotFound = QStringLiteral("Light Calibration not found at VELDO memory");
const QString kTempNotFound = QStringLiteral("Temperature Calibration not found at VELDO memory");
const QString kIntFactorNotFound = QStringLiteral("Internal REF Calibration not found at VELDO memory");
const QString kBlankNotFound = QStringLiteral("Blank Calibration not found at VELDO memory");

const QStringList kWellFormatFiles{"w6_col.dat",  "w6_row.dat",  "p35_col.dat",
                                   "p35_row.dat", "w24_col.dat", "w24_row.dat"};
const QStringList kIntFactorFiles{"intfactor_w6.dat", "intfactor_p35.dat", "intfactor_w24.dat"};
const QStringList kBlankFiles{"blank_w6.dat", "blank_p35.dat", "blank_w24.dat"};

const QByteArray kOldContent = QByteArrayLiteral("kept as it was\r\n");

using Reader = qint16 (*)(FlashBench&);

qint16 readWellFormat(FlashBench& b) { return ReadWellFormatFromFlash(b.ctx, b.folder.folder(), kUnitFolder); }
qint16 readLedXy(FlashBench& b) { return ReadLedXyFromFlash(b.ctx, b.folder.folder(), b.progress, kUnitFolder); }
qint16 readTempFactor(FlashBench& b) { return ReadTempFactorFromFlash(b.ctx, b.folder.folder(), kUnitFolder); }
qint16 readIntFactor(FlashBench& b) { return ReadIntFactorFromFlash(b.ctx, b.folder.folder(), kSerialSuffix); }
qint16 readBlank(FlashBench& b) { return ReadBlankFromFlash(b.ctx, b.folder.folder(), kSerialSuffix); }

// Every reader in start-up's order, its files and its not-found text.
struct ReaderCase {
    Reader read;
    QStringList files;
    QString notFound;
};
const std::vector<ReaderCase>& everyReader()
{
    static const std::vector<ReaderCase> readers{
        {readWellFormat, kWellFormatFiles, kWellFormatNotFound},
        {readLedXy, {"ledxy.dat"}, kLedXyNotFound},
        {readTempFactor, {"tempfactor.dat"}, kTempNotFound},
        {readIntFactor, kIntFactorFiles, kIntFactorNotFound},
        {readBlank, kBlankFiles, kBlankNotFound},
    };
    return readers;
}

QStringList allFiles()
{
    QStringList files;
    for (const ReaderCase& r : everyReader())
        files << r.files;
    return files;
}

TEST(FlashReaders, AFullFlashGivesEveryFileByteForByte)
{
    FlashBench bench;
    ASSERT_TRUE(bench.start());
    // A file already there is replaced.
    ASSERT_TRUE(writeBytes(bench.unitFile("ledxy.dat"), kOldContent));

    for (const ReaderCase& r : everyReader())
        EXPECT_EQ(r.read(bench), 0) << r.files.first().toStdString();

    for (const QString& file : allFiles())
        EXPECT_EQ(bench.unitFileBytes(file), expectedFile(file)) << file.toStdString();
    // Nothing else is left in the folder: each file went in whole.
    QStringList written = QDir(bench.folder.path(kUnitFolder)).entryList(QDir::Files | QDir::Hidden);
    QStringList expected = allFiles();
    written.sort();
    expected.sort();
    EXPECT_EQ(written, expected);

    EXPECT_TRUE(bench.console.statuses.isEmpty());
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.sim.commandCount('F'), 6 + 18 + 1 + 3 + 3); // one good read per page
    // The LED reader's last progress text, and its 100 ms after each page.
    EXPECT_GE(bench.clock.elapsedMs(), 18 * 100);
    bool printed = false;
    for (int x = 0; x < bench.progress.widthPx() && !printed; ++x)
        for (int y = 0; y < bench.progress.heightPx() && !printed; ++y)
            printed = bench.progress.pixel(x, y) != bench.progress.backColor;
    EXPECT_TRUE(printed);
}

TEST(FlashReaders, AFlashWithoutSectionsChangesNoFile)
{
    FlashBench bench;
    ASSERT_TRUE(bench.start(FlashImage{})); // erased flash
    for (const QString& file : {QStringLiteral("w6_col.dat"), QStringLiteral("tempfactor.dat")})
        ASSERT_TRUE(writeBytes(bench.unitFile(file), kOldContent));

    QStringList shown;
    for (const ReaderCase& r : everyReader()) {
        const qint64 before = bench.clock.elapsedMs();
        EXPECT_EQ(r.read(bench), -1);
        shown << r.notFound;
        // Each not-found text is shown once, after the reader's last section, and stays 500 ms.
        EXPECT_EQ(bench.console.statuses, shown);
        EXPECT_GE(bench.clock.elapsedMs() - before, 500);
    }
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.unitFileBytes("w6_col.dat"), kOldContent);
    EXPECT_EQ(bench.unitFileBytes("tempfactor.dat"), kOldContent);
    EXPECT_EQ(QDir(bench.folder.path(kUnitFolder)).entryList(QDir::Files).size(), 2);
}

TEST(FlashReaders, WithThePortClosedEverySectionFailsAndNothingIsSent)
{
    FlashBench bench;
    bench.sim.start();
    for (const ReaderCase& r : everyReader())
        EXPECT_EQ(r.read(bench), -1);
    EXPECT_EQ(bench.console.statuses, (QStringList{kWellFormatNotFound, kLedXyNotFound, kTempNotFound,
                                                   kIntFactorNotFound, kBlankNotFound}));
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    EXPECT_EQ(bench.sim.totalCommandCount(), 0);
    EXPECT_TRUE(QDir(bench.folder.path(kUnitFolder)).entryList(QDir::Files).isEmpty());
}

// A page spoiled in the memory, erased, or garbled on every reply: its section
// writes nothing and leaves the file it would have written as it was; the
// reader's other sections are still written.
TEST(FlashReaders, ASpoiledPageFailsItsSectionAlone)
{
    enum class Spoil { StoredByte, Erased, GarbledReplies };
    struct Case {
        const char* what;
        Spoil spoil;
        int bank, line, offset;
        Reader read;
        QString failedFile;
        QStringList otherFiles;
        QString notFound;
        int pageReads; // 'F' commands: a garbled page is tried three times
    };
    const std::vector<Case> cases{
        {"a data byte of w6_col", Spoil::StoredByte, 0, 4, 30, readWellFormat, "w6_col.dat",
         kWellFormatFiles.mid(1), kWellFormatNotFound, 6},
        {"the name of p35_row", Spoil::StoredByte, 0, 16, 0, readWellFormat, "p35_row.dat",
         kWellFormatFiles.mid(0, 3) + kWellFormatFiles.mid(4), kWellFormatNotFound, 6},
        {"the replies of w24_row, its bytes sound", Spoil::GarbledReplies, 0, 24, 0, readWellFormat, "w24_row.dat",
         kWellFormatFiles.mid(0, 5), kWellFormatNotFound, 8},
        {"one of the 18 LED pages", Spoil::StoredByte, 3, 40, 50, readLedXy, "ledxy.dat", {}, kLedXyNotFound, 18},
        {"the padding of the last LED page", Spoil::StoredByte, 3, 72, 95, readLedXy, "ledxy.dat", {},
         kLedXyNotFound, 18},
        {"the replies of an LED page, its bytes sound", Spoil::GarbledReplies, 3, 36, 0, readLedXy, "ledxy.dat",
         {}, kLedXyNotFound, 20},
        {"the check byte of Tempfactor", Spoil::StoredByte, 1, 4, 19, readTempFactor, "tempfactor.dat", {},
         kTempNotFound, 1},
        {"the replies of Tempfactor, its bytes sound", Spoil::GarbledReplies, 1, 4, 0, readTempFactor,
         "tempfactor.dat", {}, kTempNotFound, 3},
        {"the p35 factors missing", Spoil::Erased, 1, 12, 0, readIntFactor, "intfactor_p35.dat",
         {"intfactor_w6.dat", "intfactor_w24.dat"}, kIntFactorNotFound, 3},
        {"the w6 blank missing", Spoil::Erased, 2, 4, 0, readBlank, "blank_w6.dat",
         {"blank_p35.dat", "blank_w24.dat"}, kBlankNotFound, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FlashBench bench;
        if (c.spoil == Spoil::GarbledReplies)
            bench.sim.setFault(Fault::garbledCheckByte('F').onFlashPage(c.bank, c.line));
        ASSERT_TRUE(bench.start());
        bench.sim.updateState([&](InstrumentState& s) {
            if (c.spoil == Spoil::StoredByte)
                corruptFlashByte(s.flash, c.bank, c.line, c.offset);
            else if (c.spoil == Spoil::Erased)
                eraseFlashPage(s.flash, c.bank, c.line);
        });
        ASSERT_TRUE(writeBytes(bench.unitFile(c.failedFile), kOldContent));

        EXPECT_EQ(c.read(bench), -1);
        EXPECT_EQ(bench.unitFileBytes(c.failedFile), kOldContent);
        for (const QString& file : c.otherFiles)
            EXPECT_EQ(bench.unitFileBytes(file), expectedFile(file)) << file.toStdString();
        EXPECT_EQ(bench.console.statuses, QStringList{c.notFound});
        EXPECT_TRUE(bench.prompts.messages.isEmpty());
        EXPECT_EQ(bench.sim.commandCount('F'), c.pageReads);
    }
}

TEST(FlashReaders, TemperatureFactorsAreSignedHundredths)
{
    struct Case {
        int high, low;
        const char* offsetLine;
    };
    const std::vector<Case> cases{
        {134, 98, "OFFSET=-16.34"}, {128, 0, "OFFSET=0.00"},     {0, 0, "OFFSET=0.00"},
        {0, 255, "OFFSET=2.55"},    {1, 0, "OFFSET=2.56"},       {128, 1, "OFFSET=-0.01"},
        {147, 135, "OFFSET=-49.99"}, {255, 255, "OFFSET=-327.67"}, {127, 255, "OFFSET=327.67"},
    };
    FlashBench bench;
    ASSERT_TRUE(bench.start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offsetLine);
        const FlashImageEntry page =
            factory::sectionEntry(tempFactorSection(), bytes({c.high, c.low, 0, 173}) + QByteArray(68, '\0'));
        bench.sim.updateState([&](InstrumentState& s) { seedFlash(s.flash, {page}); });
        ASSERT_EQ(readTempFactor(bench), 0);
        EXPECT_EQ(bench.unitFileBytes("tempfactor.dat"),
                  QByteArray("\"Temperature sensor parameters\"\r\n") + c.offsetLine + "\r\nSLOPE=1.73\r\n");
    }
}

TEST(FlashReaders, ABlankPageWithoutItsLapseStopsTheReader)
{
    FlashBench bench;
    FlashImage image = factory::image();
    // A p35 blank page that passes its checks but names no lapse.
    image.push_back(factory::sectionEntry({kBlankBank, 8, 1, "p35_blank", "00456x1"}, factory::blankData("p35")));
    ASSERT_TRUE(bench.start(image));
    ASSERT_TRUE(writeBytes(bench.unitFile("blank_p35.dat"), kOldContent));

    EXPECT_EQ(readBlank(bench), -1);
    EXPECT_EQ(bench.prompts.messages,
              QStringList{"Error reading Blank Calibration from VELDO equipment memory"});
    EXPECT_EQ(bench.unitFileBytes("blank_w6.dat"), expectedFile("blank_w6.dat"));
    EXPECT_EQ(bench.unitFileBytes("blank_p35.dat"), kOldContent);
    EXPECT_FALSE(QFile::exists(bench.unitFile("blank_w24.dat")));
    EXPECT_EQ(bench.sim.commandCount('F'), 2); // the w24 page is not read
    EXPECT_TRUE(bench.console.statuses.isEmpty());
}

TEST(FlashReaders, AMissingUnitFolderStopsAReaderAtItsFirstFile)
{
    struct Case {
        Reader read;
        const char* message;
    };
    const std::vector<Case> cases{
        {readWellFormat, "Error reading Well Format Calibration from VELDO equipment memory"},
        {readLedXy, "Error reading Light Calibration from VELDO equipment memory"},
        {readTempFactor, "Error reading Temperature Calibration from VELDO equipment memory"},
        {readIntFactor, "Error reading Internal REF Calibration from VELDO equipment memory"},
        {readBlank, "Error reading Blank Calibration from VELDO equipment memory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        FlashBench bench;
        ASSERT_TRUE(QDir(bench.folder.path(kUnitFolder)).removeRecursively());
        ASSERT_TRUE(bench.start());
        EXPECT_EQ(c.read(bench), -1);
        EXPECT_EQ(bench.prompts.messages, QStringList{c.message});
        EXPECT_TRUE(bench.console.statuses.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(bench.folder.path(kUnitFolder)));
        // The first section's pages only: the reader stopped there.
        EXPECT_EQ(bench.sim.commandCount('F'), c.read == readLedXy ? 18 : 1);
    }
}

TEST(FlashReaders, WithoutAFolderNameOrSerialSuffixTheFilesGoToConfig)
{
    FlashBench bench;
    ASSERT_TRUE(makeFolder(bench.folder.path("config")));
    ASSERT_TRUE(bench.start());
    EXPECT_EQ(ReadWellFormatFromFlash(bench.ctx, bench.folder.folder(), QString()), 0);
    EXPECT_EQ(ReadLedXyFromFlash(bench.ctx, bench.folder.folder(), bench.progress, QString()), 0);
    EXPECT_EQ(ReadTempFactorFromFlash(bench.ctx, bench.folder.folder(), QString()), 0);
    EXPECT_EQ(ReadIntFactorFromFlash(bench.ctx, bench.folder.folder(), QString()), 0);
    EXPECT_EQ(ReadBlankFromFlash(bench.ctx, bench.folder.folder(), QString()), 0);
    for (const QString& file : allFiles())
        EXPECT_EQ(fileBytes(bench.folder.path("config/" + file)), expectedFile(file)) << file.toStdString();
    EXPECT_TRUE(QDir(bench.folder.path(kUnitFolder)).entryList(QDir::Files).isEmpty());
}

} // namespace
