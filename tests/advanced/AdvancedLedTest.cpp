#include "link/ScriptedLink.h"
#include "advanced/AdvancedLedPower.h"
#include "advanced/AdvancedLedTables.h"
#include "support/FixtureFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(AdvancedLedTables, LayoutComesFromLedsetupWhateverTheGeneration)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(copyFixture(QStringLiteral("led/ldsetup1.dat"), tmp.path(QStringLiteral("config/ldsetup1.dat"))));
    ASSERT_TRUE(copyFixture(QStringLiteral("led/ledxy_bad_rows.dat"), tmp.path(QStringLiteral("config_SN12/ledxy.dat"))));
    LedTable t;
    EXPECT_FALSE(LoadLedSetupAdvanced(t, tmp.folder(), 12).layoutFound);
    EXPECT_EQ(t.ledCamera, LedValues{}); // ldsetup1.dat is not the page's layout
    EXPECT_EQ(t.ledX1[415], 120);        // positions still from the unit folder

    ASSERT_TRUE(copyFixture(QStringLiteral("led/ledsetup.dat"), tmp.path(QStringLiteral("config/ledsetup.dat"))));
    EXPECT_TRUE(LoadLedSetupAdvanced(t, tmp.folder(), 12).layoutFound);
    EXPECT_EQ(t.entry(10), (LedEntry{5, 2, 3}));
    EXPECT_EQ(t.entry(11), (LedEntry{4, 1, 1}));
    EXPECT_EQ(t.ledCamera[0], 0);
}

TEST(AdvancedLedTables, PositionsGoToTheSharedConfigFolder)
{
    TempProgramFolder tmp;
    LedTable t;
    t.ledX1[3] = 33;
    ASSERT_TRUE(WriteLedXyFileAdvanced(tmp.folder(), t));
    EXPECT_TRUE(fileBytes(tmp.path(QStringLiteral("config/ledxy.dat")))
                    .startsWith("\"Led control: 16rows x  26col. Per cam: 8 x 9+8+9\"\r\n"
                                "\"led\",\"x1\",\"x2\",\"y1\",\"y2\"\r\n0,0,0,0,0\r\n"));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(QStringLiteral("config_SN12"))));

    // The page reads positions from the unit folder; with serial number 0 that is config.
    LedTable read;
    LoadLedSetupAdvanced(read, tmp.folder(), 0);
    EXPECT_EQ(read.ledX1[3], 33);
}

TEST(AdvancedLedPower, SingleLedSendsItsPowerAndKeepsTheBoxInRange)
{
    struct Case {
        QString box;
        QString boxAfter;
    };
    for (const Case& c : {Case{"20", "15"}, Case{"-2", "0"}, Case{"7", "7"}}) {
        ScriptedLink s;
        s.connect();
        s.line.script(bytes({'L', 9, 20}));
        QString txt_led = c.box;
        SendOneLedPowerAdvanced(s.ctx, txt_led, 9, 20);
        EXPECT_EQ(s.line.written, frameBytes('L', 9, 20)) << c.box.toStdString();
        EXPECT_EQ(s.line.writes.size(), 5u);
        EXPECT_EQ(txt_led, c.boxAfter);
        EXPECT_EQ(s.console.commText(), "L;9;20");
    }
}

TEST(AdvancedLedPower, AllButtonSendsTheTypedPower)
{
    struct Case {
        const char* box;
        bool sent;
        int power;
    };
    const Case cases[] = {{"8", true, 8}, {" 2.5 ", true, 2}, {"3.5", true, 4}, {"abc", false, 0}, {"", false, 0},
                          {"300", false, 0}};
    for (const Case& c : cases) {
        ScriptedLink s;
        s.connect();
        s.line.script(bytes({'L', 255, c.power}));
        const EchoReply r = SendAllLedsPowerFromBox(s.ctx, QLatin1String(c.box));
        EXPECT_EQ(r.accepted, c.sent) << c.box;
        EXPECT_EQ(s.line.written, c.sent ? frameBytes('L', 255, c.power) : QByteArray()) << c.box;
        EXPECT_EQ(s.prompts.messages, c.sent ? QStringList() : QStringList{"error"}) << c.box;
    }

    ScriptedLink closed;
    SendAllLedsPowerFromBox(closed.ctx, QStringLiteral("abc"));
    EXPECT_EQ(closed.console.status(), "COMPORT not opened. Click Connect");
    EXPECT_TRUE(closed.prompts.messages.isEmpty());
}

} // namespace
