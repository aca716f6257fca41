#include "FirstStartBench.h"

#include "acquisition/run/RunStart.h"
#include "factory/SimFactoryFlash.h"

#include <gtest/gtest.h>

// The first start with a simulated unit as it leaves the factory: the flash
// alone gives a unit folder a run can start from.
namespace {

// The record lines behind a table's two header lines.
QStringList recordLines(const QByteArray& text)
{
    QStringList lines = QString::fromLatin1(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    return lines.mid(2);
}

TEST(FactoryUnitInstall, TheFlashGivesTheLedTableAndTheDefaultWellTables)
{
    FirstStartBench b;
    ASSERT_TRUE(b.connect(simFactoryFlashImage(kSerial)));
    // Nothing shared to fall back on: what the unit folder gets comes from the flash.
    EXPECT_EQ(b.start(), UnitFolderInstall::Installed);

    // Each section found: no "not found" text between the announcements.
    EXPECT_EQ(b.console.statuses,
              (QStringList{"Getting Factory file: [Well_Format]", "Getting Factory file: [Light_Cal]",
                           "Getting Factory file: [Temp_factor]", "Getting Factory file: [Int_Factor]",
                           "Getting Factory file: [Blank_Factor]"}));

    const QStringList leds = recordLines(b.bytes(kUnit + "/ledxy.dat"));
    ASSERT_EQ(leds.size(), 416);
    // Generation 1, default window: LED 0 lights lines 0-14 and pixels 0-22 of camera 0.
    EXPECT_EQ(leds.first(), "0,1,15,161,183");
    EXPECT_EQ(leds.last(), "415,125,140,0,17");
    const std::optional<RunStartRefusal> refusal = runInstrumentRefusal(false, true, b.file(kUnit));
    EXPECT_FALSE(refusal) << refusal->message.toStdString();

    for (const char* name : {"w6_col.dat", "w6_row.dat", "p35_col.dat", "p35_row.dat", "w24_col.dat", "w24_row.dat"})
        EXPECT_EQ(recordLines(b.bytes(kUnit + "/" + name)), recordLines(defaultFixture(name))) << name;
    EXPECT_EQ(fileLines(b.file(kUnit + "/tempfactor.dat")).mid(1, 2), (QStringList{"OFFSET=-16.34", "SLOPE=1.73"}));
}

} // namespace
