#include "plate/geometry/CameraLayout.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

#include <gtest/gtest.h>

TEST(PlateFormat, GridOfEachCodeAndOfUnknownCodes)
{
    const struct { const char* code; int rows; int columns; } cases[] = {
        {"w96f", 8, 12}, {"w96u", 8, 12}, {"w48", 6, 8}, {"w24", 4, 6}, {"w12", 3, 4}, {"w6", 2, 3}, {"p35", 2, 3},
        // Codes are exact, letter case included; anything else has no wells.
        {"W24", 0, 0}, {"w24 ", 0, 0}, {"", 0, 0}, {"w96", 0, 0},
    };
    for (const auto& c : cases) {
        const PlateGrid g = plateGrid(QString::fromLatin1(c.code));
        EXPECT_EQ(g, (PlateGrid{c.rows, c.columns})) << c.code;
        EXPECT_EQ(g.isEmpty(), c.rows == 0) << c.code;
    }
    EXPECT_EQ(plateFormatCodes().size(), 7);
    EXPECT_EQ(startupFormatList(), (QStringList{QStringLiteral("w6"), QStringLiteral("w24")}));
    EXPECT_TRUE(hasBuiltInTables(QStringLiteral("p35")));
    EXPECT_FALSE(hasBuiltInTables(QStringLiteral("w12")));
}

TEST(WellNumbering, IndexAndNameOfWellsInEachFormat)
{
    const struct { const char* code; int column; int row; int index; const char* name; } cases[] = {
        {"w24", 0, 0, 0, "A1"},   {"w24", 0, 1, 1, "B1"},   {"w24", 0, 2, 2, "C1"},   {"w24", 1, 0, 4, "A2"},
        {"w24", 5, 3, 23, "D6"},  {"w6", 1, 0, 2, "A2"},    {"w6", 2, 1, 5, "B3"},    {"p35", 0, 1, 1, "B1"},
        {"w12", 3, 2, 11, "C4"},  {"w48", 7, 5, 47, "F8"},  {"w96f", 11, 7, 95, "H12"}, {"w96u", 1, 0, 8, "A2"},
    };
    for (const auto& c : cases) {
        const PlateGrid grid = plateGrid(QString::fromLatin1(c.code));
        EXPECT_EQ(WellIndex(c.column, c.row, grid.rows), c.index) << c.code << " " << c.name;
        EXPECT_EQ(wellName(c.row, c.column), QLatin1String(c.name));
        EXPECT_EQ(wellNameOfIndex(c.index, grid), QLatin1String(c.name)) << c.code;
        EXPECT_EQ(wellPosition(c.index, grid), (WellPosition{c.column, c.row})) << c.code;
    }
}

TEST(WellNumbering, IndexesOffTheGridHaveNoWell)
{
    const PlateGrid w6 = plateGrid(QStringLiteral("w6"));
    EXPECT_FALSE(wellPosition(6, w6));
    EXPECT_FALSE(wellPosition(-1, w6));
    // An unknown format has no wells, and asking about one divides by nothing.
    const PlateGrid none = plateGrid(QStringLiteral("W6"));
    EXPECT_FALSE(wellPosition(0, none));
    EXPECT_EQ(wellNameOfIndex(3, none), QString());
    EXPECT_EQ(wellName(-1, 0), QString());
    EXPECT_EQ(wellName(26, 0), QString());
}

TEST(CameraLayout, WellsEachCameraSeesInTheBuiltInFormats)
{
    const auto names = [](const QString& code, int camera) {
        QStringList out;
        for (int w : builtInCameraWells(resolvePlateFormat(code), camera))
            out << wellNameOfIndex(w, plateGrid(code));
        return out.join(QLatin1Char(' '));
    };
    const char* w6[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    const char* w24[] = {"A1 B1 A2 B2", "C1 D1 C2 D2", "A3 B3 A4 B4", "C3 D3 C4 D4", "A5 B5 A6 B6", "C5 D5 C6 D6"};
    for (int c = 0; c < kCameraCount; ++c) {
        EXPECT_EQ(names(QStringLiteral("w6"), c), QLatin1String(w6[c])) << c;
        EXPECT_EQ(names(QStringLiteral("p35"), c), QLatin1String(w6[c])) << c;
        EXPECT_EQ(builtInCameraWells(resolvePlateFormat(QStringLiteral("w6")), c), QList<int>{c}); // well index = camera
        EXPECT_EQ(names(QStringLiteral("w24"), c), QLatin1String(w24[c])) << c;
    }
    EXPECT_TRUE(builtInCameraWells(resolvePlateFormat(QStringLiteral("w96f")), 0).isEmpty());
    EXPECT_TRUE(builtInCameraWells(resolvePlateFormat(QStringLiteral("w24")), kNoCamera).isEmpty());
}
