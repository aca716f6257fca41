#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"
#include "core/TextFile.h"
#include "plate/files/DefaultConfigFiles.h"
#include "plate/files/FormatFiles.h"
#include "plate/files/WellSpecFile.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <set>

namespace {

struct WriterCase {
    DefaultFileWriter write;
    const char* file;
};
const WriterCase kWriters[] = {
    {WriteDefaultP35Spc, "p35_spc.dat"},    {WriteDefaultW6Spc, "w6_spc.dat"},
    {WriteDefaultW24Spc, "w24_spc.dat"},    {WriteDefaultLedSetup1, "ldsetup1.dat"},
    {WriteDefaultLedSetup2, "ldsetup2.dat"}, {WriteDefaultW6Col, "w6_col.dat"},
    {WriteDefaultP35Col, "p35_col.dat"},    {WriteDefaultW24Col, "w24_col.dat"},
    {WriteDefaultP35Row, "p35_row.dat"},    {WriteDefaultW6Row, "w6_row.dat"},
    {WriteDefaultW24Row, "w24_row.dat"},
};

TEST(DefaultConfigFiles, EachWriterMakesItsFolderAndWritesItsFileByteForByte)
{
    for (const WriterCase& c : kWriters) {
        SCOPED_TRACE(c.file);
        TempProgramFolder tmp;
        // Into a folder that is not there yet, two levels down.
        ASSERT_TRUE(c.write(tmp.folder(), QStringLiteral("config_SN7/sub")));
        EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config_SN7/sub/") + QLatin1String(c.file))),
                  defaultFixture(QLatin1String(c.file)));
    }
}

TEST(DefaultConfigFiles, AWriterReplacesTheFileWhateverTheCaseOfItsName)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("Config/W6_COL.DAT")), "edited and longer than the default\r\n"));
    ASSERT_TRUE(WriteDefaultW6Col(tmp.folder(), QStringLiteral("config")));
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("Config/W6_COL.DAT"))), defaultFixture(QStringLiteral("w6_col.dat")));
    EXPECT_EQ(QDir(tmp.path(QStringLiteral("Config"))).entryList(QDir::Files), QStringList{"W6_COL.DAT"});
}

TEST(DefaultConfigFiles, AFolderThatCannotBeMadeFailsTheWriter)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config")), "a file, not a folder"));
    EXPECT_FALSE(WriteDefaultP35Spc(tmp.folder(), QStringLiteral("config")));
    EXPECT_FALSE(WriteMissingSharedDefaults(tmp.folder()));
}

// The LED layouts number every LED once.
TEST(DefaultConfigFiles, TheLedLayoutsCoverEachLedOnce)
{
    struct Case {
        DefaultFileWriter write;
        const char* file;
        int leds;
    };
    for (const Case& c : {Case{WriteDefaultLedSetup1, "ldsetup1.dat", 416}, Case{WriteDefaultLedSetup2, "ldsetup2.dat", 384}}) {
        SCOPED_TRACE(c.file);
        TempProgramFolder tmp;
        ASSERT_TRUE(c.write(tmp.folder(), QStringLiteral("config")));
        const QStringList lines = readTextFile(tmp.path(QStringLiteral("config/") + QLatin1String(c.file))).value();
        ASSERT_EQ(lines.size(), c.leds + 2);
        std::set<int> leds;
        for (qsizetype i = 2; i < lines.size(); ++i)
            leds.insert(lines.at(i).section(QLatin1Char(','), 1, 1).toInt());
        EXPECT_EQ(leds.size(), static_cast<size_t>(c.leds));
        EXPECT_EQ(*leds.begin(), 0);
        EXPECT_EQ(*leds.rbegin(), c.leds - 1);
    }
}

// The default w24 tables agree with each other as the readers see them, and
// the calibration's writer gives them back but for the blanks of the header.
TEST(DefaultConfigFiles, TheW24TablesAgreeAndSurviveTheCalibrationWriter)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(WriteDefaultW24Spc(tmp.folder(), QStringLiteral("config")));
    ASSERT_TRUE(WriteDefaultW24Col(tmp.folder(), QStringLiteral("config_SN3")));
    ASSERT_TRUE(WriteDefaultW24Row(tmp.folder(), QStringLiteral("config_SN3")));

    WellSpecTable wells;
    ASSERT_EQ(ReadWellSpecFile(tmp.folder(), QStringLiteral("w24"), wells).rowsRead, 24);
    CameraWindowTables tables;
    const FormatReadReport read = ReadWellFormatFiles(tmp.folder(), 3, QStringLiteral("w24"), tables);
    ASSERT_TRUE(read.columnFileFound && read.rowFileFound);
    EXPECT_EQ(read.rowsSkipped, 0);
    // B4, data index 13: camera 2, its second column and second row.
    EXPECT_EQ(wells.spcDataIndex[2][1][1], 13);
    EXPECT_EQ(wells.spcWellName[2][1][1], "B4");
    EXPECT_EQ(tables.firstColumn[2], 2);
    EXPECT_EQ(tables.firstRow[2], 0);
    EXPECT_EQ(tables.columnLabel[2][1], "4");
    EXPECT_EQ(tables.rowLabel[2][1], "B");

    ASSERT_TRUE(WriteFormatFiles(tmp.folder(), 3, QStringLiteral("w24"), tables));
    for (const char* name : {"w24_col.dat", "w24_row.dat"}) {
        QByteArray expected = defaultFixture(QLatin1String(name));
        expected.replace("\", \"", "\",\"");
        EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config_SN3/") + QLatin1String(name))), expected) << name;
    }
}

TEST(DefaultConfigFiles, StartUpWritesOnlyTheSharedDefaultsThatAreMissing)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(WriteMissingSharedDefaults(tmp.folder()));
    QStringList names;
    for (const DefaultFile& f : sharedDefaultFiles())
        names << QLatin1String(f.fileName);
    EXPECT_EQ(names, (QStringList{"ldsetup1.dat", "ldsetup2.dat", "p35_spc.dat", "w6_spc.dat", "w24_spc.dat"}));
    for (const QString& name : names)
        EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config/") + name)), defaultFixture(name)) << name.toStdString();

    // An edited file survives the next start; a deleted one comes back.
    ASSERT_TRUE(writeBytes(tmp.path(QStringLiteral("config/ldsetup2.dat")), "edited\r\n"));
    ASSERT_TRUE(QFile::remove(tmp.path(QStringLiteral("config/w24_spc.dat"))));
    ASSERT_TRUE(WriteMissingSharedDefaults(tmp.folder()));
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config/ldsetup2.dat"))), "edited\r\n");
    EXPECT_EQ(fileBytes(tmp.path(QStringLiteral("config/w24_spc.dat"))), defaultFixture(QStringLiteral("w24_spc.dat")));
    EXPECT_EQ(QDir(tmp.path(QStringLiteral("config"))).entryList(QDir::Files).size(), 5);
}

} // namespace
