#include "FactoryFlash.h"
#include "flash/FlashLayout.h"

#include <gtest/gtest.h>

// The flash layout as both the readers and the writers use it.
namespace {

QByteArray nul(int n) { return QByteArray(n, '\0'); }

TEST(FlashLayout, SectionsLieWhereTheBanksPutThem)
{
    struct Where {
        FlashSection section;
        int bank, line, pages;
        const char* nameAndSize;
    };
    const std::vector<Where> cases{
        {wellFormatSections()[0], 0, 4, 1, "w6_col:1L_06x4"},
        {wellFormatSections()[1], 0, 8, 1, "w6_row:1L_06x4"},
        {wellFormatSections()[2], 0, 12, 1, "p35_col:1L_06x4"},
        {wellFormatSections()[3], 0, 16, 1, "p35_row:1L_06x4"},
        {wellFormatSections()[4], 0, 20, 1, "w24_col:2L_12x4"},
        {wellFormatSections()[5], 0, 24, 1, "w24_row:2L_12x4"},
        {tempFactorSection(), 1, 4, 1, "Tempfactor:1L_2x1i"},
        {intFactorSections()[0], 1, 8, 1, "w6_intfactor:1L_6x1"},
        {intFactorSections()[1], 1, 12, 1, "p35_intfactor:1L_6x1"},
        {intFactorSections()[2], 1, 16, 1, "w24_intfactor:1L_24x1"},
        {blankSections()[0], 2, 4, 1, "w6_blank:[0030]6x1"},
        {blankSections()[1], 2, 8, 1, "p35_blank:[0030]6x1"},
        {blankSections()[2], 2, 12, 1, "w24_blank:[0030]24x1"},
        {ledXySection(), 3, 4, 18, "ledxy:70L416x4"},
    };
    for (const Where& w : cases) {
        SCOPED_TRACE(w.nameAndSize);
        EXPECT_EQ(w.section.bank, w.bank);
        EXPECT_EQ(w.section.firstLine, w.line);
        EXPECT_EQ(w.section.pages, w.pages);
        EXPECT_EQ(w.section.name + ':' + w.section.sizeText, QByteArray(w.nameAndSize));
    }
    // The LED section ends with the page of lines 72 to 75, the highest line used.
    EXPECT_EQ(ledXySection().pageLines().front(), 4);
    EXPECT_EQ(ledXySection().pageLines().back(), 72);
    EXPECT_EQ(ledXySection().pageLines().size(), 18);
    EXPECT_FALSE(blankSection(QStringLiteral("w96f"), 30).has_value());
}

TEST(FlashLayout, NameLinesCarryTheCheckByteAfterTheFirstSlash)
{
    const FlashSection& w6col = wellFormatSections()[0];
    struct Case {
        const char* what;
        FlashSection section;
        quint8 check;
        QByteArray line;
    };
    const std::vector<Case> cases{
        {"padded with NUL", w6col, 0x41, QByteArray("w6_col:1L_06x4/A/") + nul(7)},
        {"a check byte of 0", w6col, 0, QByteArray("w6_col:1L_06x4/") + nul(1) + "/" + nul(7)},
        {"a check byte of slash", w6col, '/', QByteArray("w6_col:1L_06x4///") + nul(7)},
        {"w24 factors fill the line", intFactorSections()[2], 0xC8, QByteArray("w24_intfactor:1L_24x1/\xC8/")},
        {"a five-digit lapse fills the line", *blankSection(QStringLiteral("w24"), 10000), 7,
         QByteArray("w24_blank:[10000]24x1/\x07/")},
        {"a lapse of 30", *blankSection(QStringLiteral("w6"), 30), 1,
         QByteArray("w6_blank:[0030]6x1/\x01/") + nul(3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray line = flashNameLine(c.section, c.check);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.size(), kFlashLineBytes);
    }
}

TEST(FlashLayout, SectionImagesCutAndPadThePackedData)
{
    // Six records fill the first data line; the others are NUL.
    const QByteArray records = factory::wellFormatData("w6_col");
    const QByteArray page = flashSectionImage(wellFormatSections()[0], records);
    ASSERT_EQ(page.size(), kFlashPageBytes);
    EXPECT_EQ(page.mid(24, 24), records.left(24));
    EXPECT_EQ(page.mid(48), nul(48));

    // Longer than a page: its first 72 bytes, and a check byte over those.
    QByteArray blank(384, '\0');
    blank[0] = 5;
    blank[71] = 6;
    blank[300] = 3;
    const QByteArray longPage = flashSectionImage(blankSections()[0], blank);
    EXPECT_EQ(longPage.size(), kFlashPageBytes);
    EXPECT_EQ(longPage.at(19), 5 ^ 6);
    EXPECT_EQ(longPage.mid(24), blank.left(72));
    EXPECT_TRUE(isValidFlashSection(longPage, "w6_blank"));

    // The LED section: name line, the 70 data lines, one empty line.
    const QByteArray leds = factory::ledXyData();
    const QByteArray image = flashSectionImage(ledXySection(), leds);
    ASSERT_EQ(image.size(), 18 * kFlashPageBytes);
    EXPECT_TRUE(image.startsWith("ledxy:70L416x4/"));
    EXPECT_EQ(static_cast<quint8>(image.at(15)), flashCheckByte(leds));
    EXPECT_EQ(image.mid(24, 1680), leds);
    EXPECT_EQ(image.mid(1704), nul(24));
}

TEST(FlashLayout, HeaderAndEndPages)
{
    const QByteArray header = flashHeaderPage(kBlankTitle, flashDateLine(QDateTime(QDate(2025, 1, 2), QTime(3, 4))));
    EXPECT_EQ(header, QByteArray("VELDO2019v001f001//") + nul(5) + "Quorvantex NORDAVIEN//" + nul(2)
                          + "Blank_measure//" + nul(9) + "202501020304//" + nul(10));
    EXPECT_EQ(flashHeaderPage(kLedXyTitle).mid(48), QByteArray("ledxy//") + nul(17) + "//" + nul(22));
    const QByteArray endLine = QByteArray("END//") + nul(19);
    EXPECT_EQ(flashEndPage(), endLine + endLine + endLine + endLine);
}

TEST(FlashLayout, SignedValuesInHundredths)
{
    struct Case {
        double value;
        int high, low;
        int hundredths; // as read back
    };
    const std::vector<Case> cases{
        {-16.34, 134, 98, -1634}, // the default offset
        {1.732, 0, 173, 173},     // the default slope, read back as 1.73
        {16.34, 6, 98, 1634},     // not 1633 for all its binary fraction
        {2.55, 0, 255, 255},
        {2.56, 1, 0, 256},
        {0, 0, 0, 0},
        {-49.99, 147, 135, -4999},
        {327.67, 127, 255, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::optional<FlashSignedValue> v = FlashSignedValue::fromValue(c.value);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->high, c.high);
        EXPECT_EQ(v->low, c.low);
        EXPECT_EQ(v->hundredths(), c.hundredths);
    }
    // A negative zero reads as zero.
    EXPECT_EQ((FlashSignedValue{128, 0}.hundredths()), 0);
    EXPECT_FALSE(FlashSignedValue::fromValue(327.68).has_value());
    EXPECT_FALSE(FlashSignedValue::fromValue(-400).has_value());
}

TEST(FlashLayout, WhatAReaderAcceptsOfASection)
{
    const FlashSection& w6col = wellFormatSections()[0];
    const QByteArray data = factory::wellFormatData("w6_col");
    const QByteArray good = flashSectionImage(w6col, data);
    auto withByte = [](QByteArray page, int at, int value) {
        page[at] = static_cast<char>(value);
        return page;
    };
    // A page whose data XOR to "/" and one whose data XOR to 0.
    const QByteArray slashData = bytes({'/'}) + nul(71);
    const QByteArray zeroData = bytes({9, 9}) + nul(70);
    // Data beyond the page: the check byte covers the bytes the page stores,
    // so what the writer stores the reader takes, whatever was cut off.
    const QByteArray longEven = data + bytes({6, 6});
    const QByteArray longOdd = data + bytes({6});

    struct Case {
        const char* what;
        QByteArray page;
        QByteArray name;
        bool valid;
    };
    const std::vector<Case> cases{
        {"as written", good, "w6_col", true},
        {"another size text", flashSectionImage({0, 4, 1, "w6_col", "9X_99"}, data), "w6_col", true},
        {"a check byte of slash", flashSectionImage(w6col, slashData), "w6_col", true},
        {"a check byte of 0", flashSectionImage(w6col, zeroData), "w6_col", true},
        {"longer data XOR to 0 beyond the page", flashSectionImage(w6col, longEven), "w6_col", true},
        {"longer data not XOR to 0 beyond the page", flashSectionImage(w6col, longOdd), "w6_col", true},
        {"another section's name", good, "w6_row", false},
        {"the name in another case", withByte(good, 0, 'W'), "w6_col", false},
        {"a data byte changed", withByte(good, 30, good.at(30) ^ 1), "w6_col", false},
        {"a padding byte changed", withByte(good, 95, 1), "w6_col", false},
        {"the check byte changed", withByte(good, 15, good.at(15) ^ 0x10), "w6_col", false},
        {"no slash in the name line", QByteArray("w6_col:1L_06x4") + nul(10) + good.mid(24), "w6_col", false},
        {"erased flash", QByteArray(96, '\xFF'), "w6_col", false},
        {"an empty page", QByteArray(), "w6_col", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isValidFlashSection(c.page, c.name), c.valid);
    }
    EXPECT_EQ(flashSectionData(good), good.mid(24));
}

TEST(FlashLayout, TheBlankLapseBetweenBrackets)
{
    struct Case {
        QByteArray nameLine;
        std::optional<QByteArray> lapse;
    };
    const std::vector<Case> cases{
        {"w6_blank:[0030]6x1/A/", QByteArray("0030")},
        {"w24_blank:[10000]24x1/A/", QByteArray("10000")},
        {"w6_blank:[]6x1/A/", QByteArray()},
        {"w6_blank:00306x1/A/", std::nullopt},
        {"w6_blank:[00306x1/A/", std::nullopt},
        {"w6_blank:]0030[6x1/A/", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nameLine.constData());
        // Brackets among the data bytes do not count.
        QByteArray page = c.nameLine;
        page.append(24 - page.size(), '\0');
        page += "[77]";
        EXPECT_EQ(flashBlankLapse(page), c.lapse);
    }
}

} // namespace
