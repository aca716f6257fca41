#include "core/NumberText.h"
#include "core/Rounding.h"

#include <QLocale>
#include <limits>
#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct { double in; std::int64_t out; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {178.5, 178}, {127.5, 128},
        {0.4999, 0}, {2.6, 3}, {-0.5, 0}, {1e9 + 0.5, 1000000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(wholePart(2.55 * 100), 254);
    EXPECT_EQ(wholePart(-0.5), -1);
}

TEST(Rounding, FiguresBeyondSixtyFourBitsAreHeldAtTheEnds)
{
    constexpr auto top = std::numeric_limits<std::int64_t>::max();
    constexpr auto bottom = std::numeric_limits<std::int64_t>::min();
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double in; std::int64_t out; } cases[] = {
        {1.45556e28, top}, {-1e28, bottom}, {inf, top}, {-inf, bottom},
        {std::numeric_limits<double>::quiet_NaN(), 0}, {9007199254740992.0, 9007199254740992},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
        EXPECT_EQ(wholePart(c.in), c.out) << c.in;
    }
}

TEST(FormatNumber, PatternsRoundHalfAwayFromZeroAfter15Digits)
{
    const struct { double v; const char* pattern; const char* text; } cases[] = {
        {0.25, "0.0", "0.3"},   {2.5, "0", "3"},       {3.5, "0", "4"},
        {-2.5, "0", "-3"},      {-1, "000", "-001"},   {7, "000", "007"},
        {1234, "000", "1234"},  {12.345, "0.00", "12.35"}, {1.005, "0.00", "1.01"},
        {0.05, "0.0", "0.1"},   {-0.04, "0.0", "0.0"}, {0, "0.00", "0.00"},
        {99.96, "0.0", "100.0"}, {-16.34, "0.00", "-16.34"}, {1.732, "0.00", "1.73"},
        {12.5, "0", "13"},      {0.1 + 0.2, "0.0", "0.3"}, {1e15, "0", "1000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.v, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.text))
            << c.v << " " << c.pattern;
}

TEST(FormatNumber, LocalFormUsesTheSystemSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(formatNumberLocal(-16.345, QStringLiteral("0.00")), QStringLiteral("-16,35"));
    EXPECT_EQ(systemDecimalSeparator(), QLatin1Char(','));
    EXPECT_EQ(systemListSeparator(), QStringLiteral(";"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(formatNumberLocal(-16.345, QStringLiteral("0.00")), QStringLiteral("-16.35"));
    EXPECT_EQ(systemListSeparator(), QStringLiteral(","));
    QLocale::setDefault(saved);
    EXPECT_EQ(withDecimalPoint(QStringLiteral("1,73")), QStringLiteral("1.73"));
}

TEST(TextValue, ReadsTheLeadingNumber)
{
    const struct { const char* text; double value; } cases[] = {
        {"12", 12},   {"  -3.5abc", -3.5}, {"+7", 7},    {"1.2.3", 1.2}, {"abc", 0},
        {"", 0},      {"-", 0},            {".5", 0.5},  {"15 ", 15},    {"\t42,5", 42},
        {"0012", 12}, {"3e2", 3},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(textValue(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrictNumberValue, AcceptsOnlyATextThatIsANumberAsAWhole)
{
    const struct { QString text; std::optional<double> value; } cases[] = {
        {QStringLiteral("12"), 12},          {QStringLiteral(" 1.5\t"), 1.5}, {QStringLiteral("+7"), 7},
        {QStringLiteral("-.5"), -0.5},       {QStringLiteral("5."), 5},        {QStringLiteral("007.250"), 7.25},
        {QStringLiteral("."), std::nullopt}, {QStringLiteral("+"), std::nullopt}, {QStringLiteral("-."), std::nullopt},
        {QString(), std::nullopt},           {QStringLiteral("1.2.3"), std::nullopt}, {QStringLiteral("1e3"), std::nullopt},
        {QStringLiteral("1 2"), std::nullopt}, {QStringLiteral("--1"), std::nullopt}, {QStringLiteral("0x10"), std::nullopt},
        {QStringLiteral("inf"), std::nullopt}, {QStringLiteral("nan"), std::nullopt}, {QStringLiteral("1,5"), std::nullopt},
        // Digits of other scripts are not the files' digits.
        {QString::fromUtf8("\u0661\u0662"), std::nullopt}, {QString::fromUtf8("1\uFF12"), std::nullopt},
        // Too large for a double.
        {QStringLiteral("1") + QString(400, QLatin1Char('0')), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strictNumberValue(c.text), c.value) << c.text.toStdString();
}

TEST(ToInt16Strict, AcceptsOnlyWhole16BitNumbers)
{
    const struct { const char* text; std::optional<std::int16_t> value; } cases[] = {
        {"12", 12},         {" 183 ", 183},     {"-5", -5},        {"2.5", 2},
        {"3.5", 4},         {"32767", 32767},   {"-32768", -32768}, {"32768", std::nullopt},
        {"-32769", std::nullopt}, {"", std::nullopt}, {"12a", std::nullopt}, {"a12", std::nullopt},
        {"1 2", std::nullopt}, {"32767.4", 32767}, {"32767.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toInt16Strict(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(RoundedInt16, RoundsHalfToEvenAndRefusesWhatDoesNotFit)
{
    const struct { double value; std::optional<std::int16_t> rounded; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-0.5, 0}, {32767.4, 32767}, {-32768.0, -32768},
        {32767.5, std::nullopt}, {-32768.6, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt}, {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundedInt16(c.value), c.rounded) << c.value;
}
