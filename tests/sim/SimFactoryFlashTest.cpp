#include "factory/SimFactoryFlash.h"
#include "flash/FlashLayout.h"
#include "lib/FlashMemory.h"
#include "lib/SimPlate.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <stdexcept>
#include <vector>

// The flash a simulated unit leaves the factory with, read back as the
// program's readers take it.
namespace {

constexpr int kFirstGeneration = 12; // serial numbers
constexpr int kSecondGeneration = 300;

QByteArray sectionPages(const FlashMemory& flash, const FlashSection& section)
{
    QByteArray joined;
    for (const int line : section.pageLines())
        joined += flash.page(section.bank, line);
    return joined;
}

QByteArray records(std::initializer_list<std::array<int, 4>> rows)
{
    QByteArray data;
    for (const auto& row : rows)
        for (const int v : row)
            data += static_cast<char>(v);
    return data;
}

const FlashSection& wellFormatSection(const QByteArray& name)
{
    for (const FlashSection& s : wellFormatSections())
        if (s.name == name)
            return s;
    throw std::invalid_argument(name.toStdString());
}

struct SeededFlash {
    explicit SeededFlash(int serialNumber) { seeded = seedFlash(flash, simFactoryFlashImage(serialNumber)); }
    QByteArray data(const FlashSection& section) const { return flashSectionData(sectionPages(flash, section)); }

    FlashMemory flash;
    bool seeded = false;
};

TEST(SimFactoryFlash, EverySectionPassesTheReadersChecks)
{
    for (const int serial : {kFirstGeneration, kSecondGeneration}) {
        SCOPED_TRACE(serial);
        const SeededFlash f(serial);
        ASSERT_TRUE(f.seeded);
        std::vector<FlashSection> sections = wellFormatSections();
        sections.push_back(tempFactorSection());
        for (const FlashSection& s : intFactorSections())
            sections.push_back(s);
        for (const char* code : {"w6", "p35", "w24"})
            sections.push_back(*blankSection(QString::fromLatin1(code), 30));
        sections.push_back(ledXySection());
        for (const FlashSection& s : sections) {
            const QByteArray joined = sectionPages(f.flash, s);
            EXPECT_TRUE(isValidFlashSection(joined, s.name)) << s.name.constData();
            if (s.bank == kBlankBank) {
                EXPECT_EQ(flashBlankLapse(joined), QByteArray("0030")) << s.name.constData();
            }
        }
        for (const int bank : {kWellFormatBank, kFactorBank, kBlankBank, kLedXyBank})
            EXPECT_TRUE(f.flash.page(bank, kFlashHeaderLine).startsWith("VELDO2019v001f001//")) << bank;
        EXPECT_EQ(f.flash.page(kWellFormatBank, kWellFormatEndLine).left(5), "END//");
    }
}

TEST(SimFactoryFlash, TheWellTablesAreTheDefaultOnes)
{
    const QByteArray oneWellColumns =
        records({{0, 0, 5, 140}, {1, 0, 5, 140}, {2, 1, 5, 140}, {3, 1, 5, 140}, {4, 2, 5, 140}, {5, 2, 5, 140}});
    const QByteArray oneWellRows =
        records({{0, 0, 10, 165}, {1, 1, 10, 165}, {2, 0, 10, 165}, {3, 1, 10, 165}, {4, 0, 10, 165}, {5, 1, 10, 165}});
    const std::map<QByteArray, QByteArray> expected{
        {"w6_col", oneWellColumns},
        {"w6_row", oneWellRows},
        {"p35_col", oneWellColumns},
        {"p35_row", oneWellRows},
        {"w24_col", records({{0, 0, 5, 75}, {0, 1, 75, 142}, {1, 0, 5, 75}, {1, 1, 75, 142},
                             {2, 2, 5, 75}, {2, 3, 75, 142}, {3, 2, 5, 75}, {3, 3, 75, 142},
                             {4, 4, 5, 75}, {4, 5, 75, 142}, {5, 4, 5, 75}, {5, 5, 75, 142}})},
        {"w24_row", records({{0, 0, 10, 90}, {0, 1, 90, 170}, {1, 2, 10, 90}, {1, 3, 90, 170},
                             {2, 0, 10, 90}, {2, 1, 90, 170}, {3, 2, 10, 90}, {3, 3, 90, 170},
                             {4, 0, 10, 90}, {4, 1, 90, 170}, {5, 2, 10, 90}, {5, 3, 90, 170}})},
    };
    const SeededFlash f(kFirstGeneration);
    ASSERT_EQ(wellFormatSections().size(), expected.size());
    for (const FlashSection& s : wellFormatSections()) {
        const QByteArray& want = expected.at(s.name);
        const QByteArray data = f.data(s);
        EXPECT_EQ(data.left(want.size()), want) << s.name.constData();
        EXPECT_EQ(data.mid(want.size()), QByteArray(data.size() - want.size(), '\0')) << s.name.constData();
    }
}

// The tables put each well of the simulator's plate inside a column and a
// row window of its camera (the row axis runs y = 183 - pixel).
TEST(SimFactoryFlash, TheW24TablesHoldThePlatesWells)
{
    const SeededFlash f(kFirstGeneration);
    const QByteArray columns = f.data(wellFormatSection("w24_col"));
    const QByteArray rows = f.data(wellFormatSection("w24_row"));
    auto within = [](const QByteArray& table, int camera, int first, int last) {
        for (int k = 0; k < 12; ++k) {
            auto at = [&](int i) { return static_cast<int>(static_cast<quint8>(table.at(4 * k + i))); };
            if (at(0) == camera && at(2) <= first && last <= at(3))
                return true;
        }
        return false;
    };
    const SimPlate plate = SimPlate::standard();
    ASSERT_EQ(plate.wells.size(), 24u);
    for (const SimWell& w : plate.wells) {
        SCOPED_TRACE(testing::Message() << "camera " << w.camera << " line " << w.firstLine << " pixel "
                                        << w.firstPixel);
        EXPECT_TRUE(within(columns, w.camera, w.firstLine, w.lastLine));
        EXPECT_TRUE(within(rows, w.camera, 183 - w.lastPixel, 183 - w.firstPixel));
    }
}

TEST(SimFactoryFlash, TheLedRectanglesAreWhereTheLayoutShinesInTheDefaultWindow)
{
    struct Case {
        int serial;
        int led;
        std::array<int, 4> xy; // x1, x2, y1, y2
    };
    const Case cases[] = {
        {kFirstGeneration, 0, {1, 15, 161, 183}},   // camera 0, column 0, row 0
        {kFirstGeneration, 9, {16, 31, 137, 160}},  // column 1, row 1
        {kFirstGeneration, 72, {1, 17, 161, 183}},  // camera 2: 8 columns
        {kFirstGeneration, 415, {125, 140, 0, 17}}, // its pixels run past the window: y1 stops at 0
        {kSecondGeneration, 64, {1, 15, 157, 183}}, // camera 2: 7 rows
        {kSecondGeneration, 382, {125, 140, 0, 21}},
        {kSecondGeneration, 63, {0, 0, 0, 0}},      // outside every block
        {kSecondGeneration, 415, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "serial " << c.serial << " LED " << c.led);
        const QByteArray data = SeededFlash(c.serial).data(ledXySection());
        ASSERT_GE(data.size(), 416 * 4);
        std::array<int, 4> got{};
        for (int i = 0; i < 4; ++i)
            got[static_cast<size_t>(i)] = static_cast<quint8>(data.at(c.led * 4 + i));
        EXPECT_EQ(got, c.xy);
    }
}

TEST(SimFactoryFlash, TheFactorsAreTheDefaultsAndNoBlankIsMeasured)
{
    const SeededFlash f(kFirstGeneration);
    // OFFSET -16.34: 1634 = 0x0662 with the sign bit; SLOPE 1.732: 173.
    EXPECT_EQ(f.data(tempFactorSection()).left(4), QByteArray("\x86\x62\x00\xAD", 4));
    for (const FlashSection& s : intFactorSections())
        EXPECT_EQ(f.data(s).left(24), QByteArray(24, 100)) << s.name.constData();
    for (const FlashSection& s : blankSections())
        EXPECT_EQ(f.data(s), QByteArray(72, '\0')) << s.name.constData();
}

} // namespace
