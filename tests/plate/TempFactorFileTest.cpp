#include "plate/files/TempFactorFile.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "core/Console.h"
#include "core/Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QByteArray kDefaultFile = "\"Temperature sensor parameters\"\r\nOFFSET=-16.34\r\nSLOPE=1.73\r\n";

QByteArray factorFile(const QByteArray& offsetLine, const QByteArray& slopeLine)
{
    return "\"Temperature sensor parameters\"\r\n" + offsetLine + "\r\n" + slopeLine + "\r\n";
}

// A program folder with the unit folder of instrument 12.
struct Unit {
    Unit()
    {
        globals.applySerialNumber(12);
        QDir().mkpath(tmp.path("config_SN12"));
    }
    QString file() const { return tmp.path("config_SN12/tempfactor.dat"); }
    TempCalibration read() { return ReadTempFactor(tmp.folder(), globals, console, prompts); }

    TempProgramFolder tmp;
    Globals globals;
    MemoryConsole console;
    ScriptedPrompts prompts;
};

// Runs with the system's decimal separator set to a comma.
struct CommaLocale {
    CommaLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~CommaLocale() { QLocale::setDefault(saved); }
    QLocale saved;
};

TEST(TempFactorFile, MissingFileGetsTheDefaultsWrittenAndReadsBackPlausible)
{
    Unit u;
    u.globals.tempOffset = 3;
    u.globals.tempSlope = 3;
    EXPECT_EQ(u.read(), TempCalibration{});
    EXPECT_DOUBLE_EQ(u.globals.tempOffset, -16.34);
    EXPECT_DOUBLE_EQ(u.globals.tempSlope, 1.732);
    EXPECT_EQ(fileBytes(u.file()), kDefaultFile);
    EXPECT_TRUE(u.prompts.messages.isEmpty());

    // The next start reads the slope as written, two decimals.
    const TempCalibration again = u.read();
    EXPECT_DOUBLE_EQ(again.offset, -16.34);
    EXPECT_DOUBLE_EQ(again.slope, 1.73);
    EXPECT_DOUBLE_EQ(u.globals.tempSlope, 1.73);
    EXPECT_TRUE(u.console.status().isEmpty());
    EXPECT_TRUE(u.prompts.messages.isEmpty());
}

TEST(TempFactorFile, WithoutASerialNumberTheSharedConfigFolderIsUsed)
{
    Unit u;
    u.globals.applySerialNumber(0);
    QDir().mkpath(u.tmp.path("config"));
    u.read();
    EXPECT_EQ(fileBytes(u.tmp.path("config/tempfactor.dat")), kDefaultFile);
    EXPECT_FALSE(QFileInfo::exists(u.file()));
}

TEST(TempFactorFile, MissingUnitFolderIsAnErrorAndIsNotCreated)
{
    TempProgramFolder tmp;
    Globals globals;
    globals.applySerialNumber(7);
    globals.tempOffset = 1;
    MemoryConsole console;
    ScriptedPrompts prompts;
    EXPECT_EQ(ReadTempFactor(tmp.folder(), globals, console, prompts), TempCalibration{});
    EXPECT_EQ(prompts.messages, QStringList{"Error in tempfactor file. Using defaults"});
    EXPECT_DOUBLE_EQ(globals.tempOffset, -16.34);
    EXPECT_FALSE(QFileInfo::exists(tmp.path("config_SN7")));
    EXPECT_FALSE(WriteTempFactorFile(tmp.folder(), globals));
}

TEST(TempFactorFile, WrittenFactorsReadBackByteExact)
{
    Unit u;
    u.globals.tempOffset = -15.678;
    u.globals.tempSlope = 1.7049;
    ASSERT_TRUE(WriteTempFactorFile(u.tmp.folder(), u.globals));
    EXPECT_EQ(fileBytes(u.file()), factorFile("OFFSET=-15.68", "SLOPE=1.7"));

    u.globals.tempOffset = 0;
    const TempCalibration read = u.read();
    EXPECT_DOUBLE_EQ(read.offset, -15.68);
    EXPECT_DOUBLE_EQ(read.slope, 1.7);
    EXPECT_DOUBLE_EQ(u.globals.tempOffset, -15.68);

    // Writing what was read gives the same bytes again.
    const QByteArray first = fileBytes(u.file());
    ASSERT_TRUE(WriteTempFactorFile(u.tmp.folder(), u.globals));
    EXPECT_EQ(fileBytes(u.file()), first);
}

TEST(TempFactorFile, FactorTextHasTwoDecimalsAtMostRoundedHalfToEven)
{
    const std::pair<double, const char*> cases[] = {
        {-16.34, "-16.34"}, {1.732, "1.73"}, {2, "2"},       {0.5, "0.5"},    {-0.5, "-0.5"},
        {1.125, "1.12"},    {1.135, "1.14"}, {0.005, "0"},   {-0.001, "0"},   {49.999, "50"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(tempFactorText(value), text) << value;
}

TEST(TempFactorFile, CommaSeparatorIsWrittenAndReadBack)
{
    CommaLocale comma;
    Unit u;
    u.globals.tempOffset = -16.5;
    u.globals.tempSlope = 1.75;
    ASSERT_TRUE(WriteTempFactorFile(u.tmp.folder(), u.globals));
    EXPECT_EQ(fileBytes(u.file()), factorFile("OFFSET=-16,5", "SLOPE=1,75"));
    const TempCalibration read = u.read();
    EXPECT_DOUBLE_EQ(read.offset, -16.5);
    EXPECT_DOUBLE_EQ(read.slope, 1.75);
}

TEST(TempFactorFile, EachBadFileFallsBackAsItShould)
{
    const double defO = TempCalibration::kDefaultOffset;
    const double defS = TempCalibration::kDefaultSlope;
    const QString outOfLimit = kTempFactorOutOfLimit;
    struct Case {
        const char* name;
        QByteArray content;
        double offset;
        double slope;
        QString status;
        bool message;
    };
    const Case cases[] = {
        {"decimal comma", factorFile("OFFSET=-16,34", "SLOPE=1,74"), -16.34, 1.74, "", false},
        {"flash form", factorFile("OFFSET=-16.00", "SLOPE=1.72"), -16.0, 1.72, "", false},
        {"LF line ends", "\"Temperature sensor parameters\"\nOFFSET=-16.3\nSLOPE=1.73\n", -16.3, 1.73, "", false},
        {"offset -50", factorFile("OFFSET=-50", "SLOPE=1.732"), defO, 1.732, "", false},
        {"offset 50", factorFile("OFFSET=50", "SLOPE=1.732"), defO, 1.732, "", false},
        {"slope 0", factorFile("OFFSET=-16.34", "SLOPE=0"), -16.34, defS, "", false},
        {"slope 10", factorFile("OFFSET=-16.34", "SLOPE=10"), -16.34, defS, "", false},
        {"slope not a number", factorFile("OFFSET=-16.34", "SLOPE=abc"), -16.34, defS, "", false},
        {"offset 0 slope 1 is implausible", factorFile("OFFSET=0", "SLOPE=1"), defO, defS, outOfLimit, false},
        {"d1 exactly 5", factorFile("OFFSET=-26.7", "SLOPE=2"), defO, defS, outOfLimit, false},
        // 18.3 - (20 * 1.84 - 23.5) is 5 on paper, a hair under 5 in binary.
        {"d1 5 on paper", factorFile("OFFSET=-23.5", "SLOPE=1.84"), defO, defS, outOfLimit, false},
        {"d1 just under 5", factorFile("OFFSET=-26.69", "SLOPE=2"), -26.69, 2, "", false},
        {"d2 exactly 5", factorFile("OFFSET=-12.756", "SLOPE=1.5"), defO, defS, outOfLimit, false},
        // d1 is 4.96 as read, but SLOPE=1.73 as saved back puts it at 5.
        {"out of limit once written back", factorFile("OFFSET=-21.3", "SLOPE=1.732"), defO, defS, outOfLimit, false},
        {"lines swapped", factorFile("SLOPE=1.8", "OFFSET=-17"), defO, defS, "", false},
        {"lower-case key", factorFile("offset=-16", "SLOPE=1.74"), defO, 1.74, "", false},
        {"blank before =", factorFile("OFFSET =-16", "SLOPE=1.74"), defO, 1.74, "", false},
        {"header only", "\"Temperature sensor parameters\"\r\n", defO, defS, "", true},
        {"empty file", "", defO, defS, "", true},
        {"offset line without =", factorFile("OFFSET -16.34", "SLOPE=1.73"), defO, defS, "", true},
        {"slope line without =", factorFile("OFFSET=-16", "SLOPE"), defO, defS, "", true},
    };
    for (const Case& c : cases) {
        Unit u;
        ASSERT_TRUE(writeBytes(u.file(), c.content)) << c.name;
        const TempCalibration read = u.read();
        EXPECT_DOUBLE_EQ(read.offset, c.offset) << c.name;
        EXPECT_DOUBLE_EQ(read.slope, c.slope) << c.name;
        EXPECT_DOUBLE_EQ(u.globals.tempOffset, c.offset) << c.name;
        EXPECT_DOUBLE_EQ(u.globals.tempSlope, c.slope) << c.name;
        EXPECT_EQ(u.console.status(), c.status) << c.name;
        EXPECT_EQ(u.prompts.messages.size(), c.message ? 1 : 0) << c.name;
        if (c.message) {
            EXPECT_EQ(u.prompts.messages.value(0), "Error in tempfactor file. Using defaults") << c.name;
        }
        EXPECT_EQ(fileBytes(u.file()), c.content) << c.name; // the reader never rewrites a file
    }
}

TEST(TempFactorFile, UnitFolderAndFileAreFoundWhateverTheirCase)
{
    Unit u;
    QDir(u.tmp.path("config_SN12")).removeRecursively();
    ASSERT_TRUE(writeBytes(u.tmp.path("config_sn12/TempFactor.DAT"), factorFile("OFFSET=-16", "SLOPE=1.72")));
    const TempCalibration read = u.read();
    EXPECT_DOUBLE_EQ(read.offset, -16);
    EXPECT_DOUBLE_EQ(read.slope, 1.72);
}

TEST(TempFactorFile, DegreesFromARawReading)
{
    const TempCalibration c;
    EXPECT_NEAR(c.degrees(20), 18.3, 1e-9);
    EXPECT_NEAR(c.degrees(37), 47.744, 1e-9);
}

} // namespace
