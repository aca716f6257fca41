#include "core/Colors.h"
#include "core/DateStamp.h"
#include "core/Fields.h"
#include "core/TextFile.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DateStamp, PatternsOfTheProgram)
{
    const QDateTime t(QDate(2026, 3, 4), QTime(7, 8, 9));
    const struct { const char* pattern; const char* text; } cases[] = {
        {"yyyymmdd_hhmmss", "20260304_070809"},
        {"yyyy/mm/dd_hh:mm:ss", "2026/03/04_07:08:09"},
        {"yyyymmddhhmmss", "20260304070809"},
        {"yyyymmdd", "20260304"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDateStamp(t, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text));
}

TEST(TextFile, WritesLatin1WithCrlfAndReadsEitherLineEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(writeTextFile(path, {QStringLiteral("Temp(\u00b0C)"), QStringLiteral("a,b")}));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Temp(\xb0" "C)\r\na,b\r\n"));
    f.close();

    ASSERT_TRUE(appendTextFile(path, {QStringLiteral("c")}));
    EXPECT_EQ(*readTextFile(path), (QStringList{QStringLiteral("Temp(\u00b0C)"), QStringLiteral("a,b"), QStringLiteral("c")}));

    QFile lf(dir.filePath(QStringLiteral("lf.txt")));
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.write("x\ny\r\n\nz");
    lf.close();
    EXPECT_EQ(*readTextFile(lf.fileName()),
              (QStringList{QStringLiteral("x"), QStringLiteral("y"), QString(), QStringLiteral("z")}));
    EXPECT_FALSE(readTextFile(dir.filePath(QStringLiteral("missing"))).has_value());
}

TEST(TextFile, FailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(writeTextFile(dir.filePath(QStringLiteral("no/such/folder/f.txt")), {QStringLiteral("x")}));
}

TEST(TextFile, AppendOnAFullDiskAddsNoPartOfALine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.csv"));
    ASSERT_TRUE(writeTextFile(path, {QStringLiteral("a")}));
    {
        const FileSizeLimit disk(10);
        EXPECT_TRUE(appendTextFile(path, {QStringLiteral("bc")}));
        EXPECT_FALSE(appendTextFile(path, {QStringLiteral("0123456789")}));
    }
    EXPECT_EQ(*readTextFile(path), (QStringList{QStringLiteral("a"), QStringLiteral("bc")}));
}

TEST(Fields, QuotedTextsAndNumbers)
{
    const struct { const char* line; QStringList fields; } cases[] = {
        {"\"w6_col\",0,12", {"w6_col", "0", "12"}},
        {"\"a,b\", 3 ,\"\"", {"a,b", "3", ""}},
        {"1,2,3", {"1", "2", "3"}},
        {"", {""}},
        {"\"OFFSET=-16.34\"", {"OFFSET=-16.34"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitFields(QString::fromLatin1(c.line)), c.fields) << c.line;
    EXPECT_EQ(quoted(QStringLiteral("COM=3")), QStringLiteral("\"COM=3\""));
}

TEST(Colors, RedIsTheLowByte)
{
    EXPECT_EQ(colorFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(colorFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(colorFromBgr(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(bgrFromRgb(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(bgrFromColor(QColor(1, 2, 3)), 0x030201u);
}
