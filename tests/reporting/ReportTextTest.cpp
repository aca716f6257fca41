#include "core/NumberText.h"
#include "reporting/ReportText.h"

#include <gtest/gtest.h>

namespace {
QByteArray fixedText(double v, int fraction, int intDigits, char decimal = '.')
{
    QByteArray out;
    ReportNumbers(decimal).fixed(out, v, fraction, intDigits);
    return out;
}
QByteArray plainText(double v, char decimal = '.')
{
    QByteArray out;
    ReportNumbers(decimal).plain(out, v);
    return out;
}
} // namespace

TEST(ReportNumbers, PatternsAsTheWholeProgramWritesThem)
{
    const struct {
        double value;
        int fraction;
        int intDigits;
        const char* text;
    } cases[] = {
        {0.25, 1, 1, "0.3"},   {2.5, 0, 1, "3"},     {-2.5, 0, 1, "-3"},  {-1, 0, 3, "-001"},
        {7, 0, 3, "007"},      {25.05, 1, 1, "25.1"}, {25.04, 1, 1, "25.0"}, {-0.04, 1, 1, "0.0"},
        {0.5, 1, 1, "0.5"},    {1.0 / 60, 1, 1, "0.0"}, {1e12 + 0.5, 0, 1, "1000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fixedText(c.value, c.fraction, c.intDigits), QByteArray(c.text)) << c.value;
    EXPECT_EQ(fixedText(12.5, 1, 1, ','), QByteArray("12,5"));
    EXPECT_EQ(fixedText(25.05, 1, 1, ','), QByteArray("25,1"));
}

TEST(ReportNumbers, AgreeWithTheProgramsFormatterEverywhere)
{
    // Times in minutes, means of a few wells, temperatures, scaled bins.
    for (int i = -3000; i <= 300000; i += 127) {
        for (double v : {i / 60.0, i / 8.0, i / 3.0, i * 0.01, i * 1.3e-3, i * 12345.678}) {
            ASSERT_EQ(fixedText(v, 1, 1), formatNumber(v, QStringLiteral("0.0")).toLatin1()) << v;
            ASSERT_EQ(fixedText(v, 0, 1), formatNumber(v, QStringLiteral("0")).toLatin1()) << v;
        }
    }
}

TEST(ReportNumbers, PlainIsTheShortestText)
{
    EXPECT_EQ(plainText(40), QByteArray("40"));
    EXPECT_EQ(plainText(-3), QByteArray("-3"));
    EXPECT_EQ(plainText(-0.0), QByteArray("0"));
    EXPECT_EQ(plainText(2.5), QByteArray("2.5"));
    EXPECT_EQ(plainText(2.5, ','), QByteArray("2,5"));
    EXPECT_EQ(plainText(0.1 + 0.2), QByteArray("0.3"));
}

TEST(GeneralDateText, ShortDateWithFullYearAndLongTime)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(0, 30, 5));
    EXPECT_EQ(generalDateText(when, QLocale(QStringLiteral("en_US"))), QStringLiteral("12/8/2026 12:30:05 AM"));
    EXPECT_EQ(generalDateText(when, QLocale(QStringLiteral("de_DE"))), QStringLiteral("08.12.2026 00:30:05"));
    EXPECT_EQ(decimalSeparatorOf(QLocale(QStringLiteral("de_DE"))), ',');
    EXPECT_EQ(decimalSeparatorOf(QLocale(QStringLiteral("en_US"))), '.');
}
