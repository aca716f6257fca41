#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "core/Globals.h"
#include "flash/FlashPackers.h"
#include "link/Bytes.h"

#include <QFileInfo>

#include <gtest/gtest.h>

// The packers on files of a program folder, without an instrument.
namespace {

QByteArray crlf(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + "\r\n").toLatin1(); }

QByteArray nuls(int n) { return QByteArray(n, '\0'); }

// A program folder of instrument 12 with its unit folder and blank store.
struct PackBench {
    PackBench()
    {
        globals.applySerialNumber(12);
        makeFolder(folder.path(QStringLiteral("config_SN12")));
    }
    QString unitFile(const QString& name) const { return folder.path(QStringLiteral("config_SN12/") + name); }
    QString storeFile(const QString& name) const
    {
        return folder.path(QStringLiteral("reports/_internal_blank_measurementSN12/") + name);
    }
    void writeUnit(const QString& name, const QStringList& lines) { ASSERT_TRUE(writeBytes(unitFile(name), crlf(lines))); }
    void writeStore(const QString& name, const QStringList& lines)
    {
        ASSERT_TRUE(writeBytes(storeFile(name), crlf(lines)));
    }

    TempProgramFolder folder;
    Globals globals;
    FakeClock clock{QDateTime(QDate(2026, 3, 14), QTime(9, 26, 5))};
    ScriptedPrompts prompts;
    FlashPackContext ctx{globals, folder.folder(), clock, prompts};
};

QStringList tableLines(int records, const QString& last = QString())
{
    QStringList lines{QStringLiteral("\"w6_col format\""), QStringLiteral("\"camera\",\"column\",\"start\",\"end\"")};
    for (int i = 0; i < records; ++i)
        lines << QStringLiteral("%1,%2,%3,%4").arg(i).arg(i / 2).arg(5 + i).arg(140 + i);
    if (!last.isEmpty())
        lines << last;
    return lines;
}

QByteArray tableBytes(int records)
{
    QByteArray b;
    for (int i = 0; i < records; ++i)
        b += bytes({i, i / 2, 5 + i, 140 + i});
    return b;
}

TEST(FlashPackers, ColumnAndRowTables)
{
    struct Case {
        const char* what;
        QStringList lines; // empty: no file
        int records;
        std::optional<QByteArray> packed;
    };
    const std::vector<Case> cases{
        {"six records", tableLines(6), 6, tableBytes(6) + nuls(48)},
        {"twelve records", tableLines(12), 12, tableBytes(12) + nuls(24)},
        {"a trailing blank line", tableLines(6) << QString(), 6, tableBytes(6) + nuls(48)},
        {"no file", {}, 6, std::nullopt},
        {"five records for six", tableLines(5), 6, std::nullopt},
        {"seven records for six", tableLines(6, QStringLiteral("0,0,0,0")), 6, std::nullopt},
        {"a value of 256", tableLines(5, QStringLiteral("5,2,5,256")), 6, std::nullopt},
        {"a negative value", tableLines(5, QStringLiteral("5,-2,5,140")), 6, std::nullopt},
        {"a field that is no number", tableLines(5, QStringLiteral("5,2,x,140")), 6, std::nullopt},
        {"a field too few", tableLines(5, QStringLiteral("5,2,140")), 6, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PackBench b;
        if (!c.lines.isEmpty())
            b.writeUnit(QStringLiteral("w6_col.dat"), c.lines);
        EXPECT_EQ(PackFormatFileBytes(b.ctx, QStringLiteral("w6_col.dat"), c.records), c.packed);
    }
}

TEST(FlashPackers, LedTableIsWholeOrNothing)
{
    auto ledLines = [](int leds) {
        QStringList lines{QStringLiteral("\"Led control\""), QStringLiteral("\"led\",\"x1\",\"x2\",\"y1\",\"y2\"")};
        for (int n = 0; n < leds; ++n)
            lines << QStringLiteral("%1,%2,%3,%4,%5").arg(n).arg(n % 200).arg(n % 200 + 9).arg(n % 100).arg(255);
        return lines;
    };
    QByteArray expected;
    for (int n = 0; n < 416; ++n)
        expected += bytes({n % 200, n % 200 + 9, n % 100, 255});
    expected += nuls(16);

    PackBench b;
    b.writeUnit(QStringLiteral("ledxy.dat"), ledLines(416));
    const PackedBytes packed = PackLedXyBytes(b.ctx, QStringLiteral("ledxy.dat"));
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(packed->size(), 1680);
    EXPECT_EQ(*packed, expected);

    b.writeUnit(QStringLiteral("ledxy.dat"), ledLines(415));
    EXPECT_FALSE(PackLedXyBytes(b.ctx, QStringLiteral("ledxy.dat")).has_value());
    b.writeUnit(QStringLiteral("ledxy.dat"), ledLines(2));
    EXPECT_FALSE(PackLedXyBytes(b.ctx, QStringLiteral("ledxy.dat")).has_value());
    QFile::remove(b.unitFile(QStringLiteral("ledxy.dat")));
    EXPECT_FALSE(PackLedXyBytes(b.ctx, QStringLiteral("ledxy.dat")).has_value());
}

TEST(FlashPackers, TemperatureFactors)
{
    const QString head = QStringLiteral("\"Temperature sensor parameters\"");
    // OFFSET then SLOPE, high byte first, 128 added for a negative value.
    const QByteArray defaults = bytes({134, 98, 0, 173}) + nuls(68);
    struct Case {
        const char* what;
        QStringList lines; // empty: no file
        std::optional<QByteArray> packed;
    };
    const std::vector<Case> cases{
        {"no file: the defaults", {}, defaults},
        {"a decimal comma", {head, "OFFSET=-16,34", "SLOPE=2.5"}, bytes({134, 98, 0, 250}) + nuls(68)},
        {"values in range", {head, "OFFSET=12.5", "SLOPE=1.73"}, bytes({4, 226, 0, 173}) + nuls(68)},
        {"OFFSET of 50", {head, "OFFSET=50", "SLOPE=2.5"}, bytes({134, 98, 0, 250}) + nuls(68)},
        {"a lower-case key", {head, "offset=-10", "SLOPE=2.5"}, bytes({134, 98, 0, 250}) + nuls(68)},
        {"SLOPE of 0", {head, "OFFSET=12.5", "SLOPE=0"}, bytes({4, 226, 0, 173}) + nuls(68)},
        {"SLOPE of 10", {head, "OFFSET=12.5", "SLOPE=10"}, bytes({4, 226, 0, 173}) + nuls(68)},
        {"no number after =", {head, "OFFSET=", "SLOPE=2.5"}, bytes({0, 0, 0, 250}) + nuls(68)},
        {"the SLOPE line missing", {head, "OFFSET=12.5"}, std::nullopt},
        {"a line without =", {head, "OFFSET -16.34", "SLOPE=1.73"}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PackBench b;
        if (!c.lines.isEmpty())
            b.writeUnit(QStringLiteral("tempfactor.dat"), c.lines);
        EXPECT_EQ(PackTempFactorBytes(b.ctx), c.packed);
    }
}

QStringList blankLines(const QString& lapseLine, const QStringList& values)
{
    QStringList lines{QStringLiteral("20250101_101010w6_blank"), lapseLine, QStringLiteral("\"#well\",\"Value\"")};
    for (int i = 0; i < values.size(); ++i)
        lines << QString::number(i) + QLatin1Char(',') + values.at(i);
    return lines;
}

TEST(FlashPackers, BlankLapseAndValues)
{
    const QStringList values{"5", "0", "7", "0", "0", "1"};
    struct Case {
        const char* what;
        QStringList lines; // empty: no store file
        std::optional<int> lapse;
        std::optional<QByteArray> packed;
        bool copied;
    };
    const std::vector<Case> cases{
        {"no store file", {}, 30, nuls(72), false},
        {"a blank of six wells", blankLines("acqlapse=0030", values), 30, bytes({5, 0, 7, 0, 0, 1}) + nuls(66), true},
        {"a lapse of 45", blankLines("acqlapse=45", values), 45, bytes({5, 0, 7, 0, 0, 1}) + nuls(66), true},
        {"a lapse that is no number", blankLines("acqlapse=abc", values), std::nullopt,
         bytes({5, 0, 7, 0, 0, 1}) + nuls(66), true},
        {"a value of 256", blankLines("acqlapse=0030", {"5", "256"}), 30, std::nullopt, false},
        {"a value that is no number", blankLines("acqlapse=0030", {"5", "x"}), 30, std::nullopt, false},
        {"a line without comma", blankLines("acqlapse=0030", values) << "6", 30, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PackBench b;
        if (!c.lines.isEmpty())
            b.writeStore(QStringLiteral("blank_w6.dat"), c.lines);
        EXPECT_EQ(ReadBlankAcqLapse(b.ctx, QStringLiteral("w6")), c.lapse);
        EXPECT_EQ(PackBlankBytes(b.ctx, QStringLiteral("w6")), c.packed);
        EXPECT_EQ(QFileInfo::exists(b.unitFile(QStringLiteral("blank_w6.dat"))), c.copied);
        if (c.copied) {
            EXPECT_EQ(fileBytes(b.unitFile(QStringLiteral("blank_w6.dat"))), crlf(c.lines));
        }
    }

    // 384 values: all of them packed, the page takes the first 72.
    PackBench b;
    QStringList many;
    for (int i = 0; i < 384; ++i)
        many << QString::number(i % 256);
    b.writeStore(QStringLiteral("blank_w24.dat"), blankLines("acqlapse=0120", many));
    const PackedBytes packed = PackBlankBytes(b.ctx, QStringLiteral("w24"));
    ASSERT_TRUE(packed.has_value());
    EXPECT_EQ(packed->size(), 384);
    EXPECT_EQ(static_cast<quint8>(packed->at(300)), 300 % 256);
}

TEST(FlashPackers, BlankStoreWithoutSerialNumber)
{
    PackBench b;
    b.globals.applySerialNumber(0);
    makeFolder(b.folder.path(QStringLiteral("config")));
    ASSERT_TRUE(writeBytes(b.folder.path(QStringLiteral("reports/_internal_blank_measurement/blank_p35.dat")),
                           crlf(blankLines("acqlapse=0015", {"9"}))));
    EXPECT_EQ(ReadBlankAcqLapse(b.ctx, QStringLiteral("p35")), 15);
    EXPECT_EQ(PackBlankBytes(b.ctx, QStringLiteral("p35")), bytes({9}) + nuls(71));
    EXPECT_TRUE(QFileInfo::exists(b.folder.path(QStringLiteral("config/blank_p35.dat"))));
}

TEST(FlashPackers, FactoryDefaultFactorsWithoutAReferenceRun)
{
    PackBench b;
    EXPECT_EQ(PackIntFactorBytes(b.ctx, QStringLiteral("w6")), QByteArray(24, char(100)) + nuls(48));
    EXPECT_EQ(fileBytes(b.unitFile(QStringLiteral("intfactor_w6.dat"))),
              "\"2026/03/14_09:26:05_FACTORYDEFAULT\"\r\n"
              "well A1 B1 A2 B2 A3 B3\r\n"
              "mult_factor 1.00 1.00 1.00 1.00 1.00 1.00\r\n"
              "\r\n");
    // Every format gets 24 bytes of 100; a format outside the table names no wells.
    EXPECT_EQ(PackIntFactorBytes(b.ctx, QStringLiteral("w24")), QByteArray(24, char(100)) + nuls(48));
    EXPECT_EQ(fileLines(b.unitFile(QStringLiteral("intfactor_w24.dat"))).at(1),
              "well A1 B1 C1 D1 A2 B2 C2 D2 A3 B3 C3 D3 A4 B4 C4 D4 A5 B5 C5 D5 A6 B6 C6 D6");
    EXPECT_EQ(PackIntFactorBytes(b.ctx, QStringLiteral("w96u")), QByteArray(24, char(100)) + nuls(48));
    EXPECT_EQ(fileLines(b.unitFile(QStringLiteral("intfactor_w96u.dat"))).mid(1, 2),
              QStringList({"well", "mult_factor"}));

    // No unit folder to write into: nothing to send.
    QDir(b.folder.path(QStringLiteral("config_SN12"))).removeRecursively();
    EXPECT_FALSE(PackIntFactorBytes(b.ctx, QStringLiteral("w6")).has_value());
}

TEST(FlashPackers, FactorsFromAReferenceRun)
{
    PackBench b;
    b.ctx.intRefChoice = 1;
    // Scans at 5 and 12 minutes; the one closed at 12 counts.
    QStringList activity{QStringLiteral("header"), QStringLiteral("time well value")};
    const char* wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    for (const QString& minutes : {QStringLiteral("5,0"), QStringLiteral("12,0")})
        for (int k = 0; k < 6; ++k)
            activity << minutes + QStringLiteral(" \"") + QLatin1String(wells[k]) + QStringLiteral("\" ")
                    + (k == 5 ? QStringLiteral("50") : QStringLiteral("100"));
    ASSERT_TRUE(writeBytes(
        b.folder.path(QStringLiteral("reports/_internal_referenceSN12/20250314_101010w6_reference/current_activity.txt")),
        crlf(activity)));

    // Mean 91.67: factors 0.9167 and 1.8333, bytes cut to 91 and 183.
    EXPECT_EQ(PackIntFactorBytes(b.ctx, QStringLiteral("w6")), bytes({91, 91, 91, 91, 91, 183}) + nuls(66));
    const QStringList lines = fileLines(b.unitFile(QStringLiteral("intfactor_w6.dat")));
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).startsWith("\"2026/03/14_09:26:05_")) << lines.at(0).toStdString();
    EXPECT_EQ(lines.at(2), "mult_factor 0.92 0.92 0.92 0.92 0.92 1.83");
    EXPECT_EQ(fileBytes(b.unitFile(QStringLiteral("intfactor_w6.dat"))),
              fileBytes(b.unitFile(QStringLiteral("factor_correction.txt"))));
    ASSERT_EQ(b.prompts.messages.size(), 1);
    EXPECT_TRUE(b.prompts.messages.first().startsWith(QStringLiteral("Internal Reference loaded from:\r")));

    // A p35 run is no w6 run: p35 falls back to the factory default.
    EXPECT_EQ(PackIntFactorBytes(b.ctx, QStringLiteral("p35")), QByteArray(24, char(100)) + nuls(48));
}

} // namespace
