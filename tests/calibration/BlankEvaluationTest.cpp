#include "calibration/BlankEvaluation.h"
#include "calibration/BlankStore.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

// A blank run's current_activity.txt turned into the blank store file.
namespace {

constexpr int kSerial = 12;
const QByteArray kHeaders = "\"2025/03/14_10:15:00\" \"<Raw_activity_file_without_internal_factor_correction>\"\r\n"
                            "\"Time[m]\" \"Well\" \"Accumulated_activity\"\r\n";
const QString kStoreFile = QStringLiteral("reports/_internal_blank_measurementSN12/blank_w24.dat");

class BlankEvaluationTest : public ::testing::Test {
protected:
    QString run(const QByteArray& rows)
    {
        const QString folder = tmp.path(QStringLiteral("reports/_internal_blank_measurementSN12/"
                                                       "20250314_101500_blank_myblank"));
        EXPECT_TRUE(writeBytes(folder + QStringLiteral("/current_activity.txt"), kHeaders + rows));
        return folder;
    }
    BlankEvaluation evaluate(const QString& folder, double minutes, const QString& code = QStringLiteral("w24"))
    {
        return evaluateBlankRun(tmp.folder(), kSerial, folder, code, minutes);
    }
    QByteArray store() const { return fileBytes(tmp.path(kStoreFile)); }

    TempProgramFolder tmp;
};

// The store file a w24 blank should give: name, lapse, header, 384 lines.
QByteArray expectedStore(const QByteArray& lapse, std::map<int, int> counts)
{
    QByteArray text = "20250314_101500_blank_myblank\r\nacqlapse=" + lapse + "\r\n\"#well\",\"Value\"\r\n";
    for (int i = 0; i < 384; ++i)
        text += QByteArray::number(i) + "," + QByteArray::number(counts.count(i) ? counts[i] : 0) + "\r\n";
    return text;
}

TEST_F(BlankEvaluationTest, EachWellsLastCountAtItsIndexUnderTheRunFoldersName)
{
    // Two scans; B1 is index 1 and A2 index 4 on a plate of 4 rows. D6 is the last well, 23.
    const QString folder = run("0.5 \"A1\" 3\r\n0.5 \"B1\" 5\r\n0.5 \"A2\" 7\r\n"
                               "59.7 \"A1\" 30\r\n59.7 \"B1\" 50\r\n59.7 \"A2\" 70\r\n59.7 \"D6\" 9\r\n");
    const BlankEvaluation result = evaluate(folder, 60);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.message, "Blank OK");
    EXPECT_EQ(store(), expectedStore("0060", {{0, 30}, {1, 50}, {4, 70}, {23, 9}}));
    EXPECT_EQ(ReadBlankFileHeader(tmp.folder(), kSerial, "w24"), "20250314_101500_blank_myblank");
}

TEST_F(BlankEvaluationTest, ARunShorterThanEightyPercentLeavesTheStoreAlone)
{
    ASSERT_TRUE(writeBytes(tmp.path(kStoreFile), "before\r\n"));
    // 0.8 x 60 = 48: 47.4 rounds to 47 and is refused; 47.5 rounds (to even) to 48 and passes.
    const BlankEvaluation refused = evaluate(run("47.4 \"A1\" 3\r\n"), 60);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.message, "ERROR! Expected acqusition=60. Found=47");
    EXPECT_EQ(store(), "before\r\n");

    const BlankEvaluation accepted = evaluate(run("47.5 \"A1\" 3\r\n"), 60);
    EXPECT_TRUE(accepted.written);
    EXPECT_EQ(accepted.message, "Blank OK");
}

TEST_F(BlankEvaluationTest, FortyEightOfSixtyIsEnoughAndTheMessageShowsTheMinutesAsTheyCame)
{
    EXPECT_TRUE(evaluate(run("48 \"A1\" 3\r\n"), 60).written);
    EXPECT_EQ(evaluate(run("10 \"A1\" 3\r\n"), 59.6).message, "ERROR! Expected acqusition=59.6. Found=10");
}

TEST_F(BlankEvaluationTest, TheLapseIsTheMinutesRoundedToEvenInFourDigits)
{
    const struct {
        double minutes;
        const char* lapse;
    } cases[] = {{60, "0060"}, {59.6, "0060"}, {60.4, "0060"}, {60.5, "0060"}, {61.5, "0062"}, {1440, "1440"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minutes);
        ASSERT_TRUE(evaluate(run("1440,2 \"A1\" 3\r\n"), c.minutes).written); // a decimal comma is a point
        EXPECT_EQ(fileLines(tmp.path(kStoreFile)).at(1), QStringLiteral("acqlapse=") + QLatin1String(c.lapse));
    }
}

TEST_F(BlankEvaluationTest, AnyUnreadableLineOrMissingFileIsAFormatErrorAndWritesNothing)
{
    const struct {
        const char* why;
        QByteArray rows;
    } cases[] = {
        {"one blank only", "60 \"A1\"\r\n"},
        {"no blank", "60\r\n"},
        {"empty well", "60  3\r\n"},
        {"index above 384", "60 \"A98\" 3\r\n"}, // column 97 x 4 rows
        {"row before A", "60 \"1\" 3\r\n"},
        {"column beyond any plate", "60 \"A99999999999999999999\" 3\r\n"},
        {"count beyond 16 bits", "60 \"A1\" 70000\r\n"},
        {"count not a number", "60 \"A1\" many\r\n"},
        {"time not a number", "soon \"A1\" 3\r\n"},
        {"an empty line", "60 \"A1\" 3\r\n\r\n"},
    };
    ASSERT_TRUE(writeBytes(tmp.path(kStoreFile), "before\r\n"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const BlankEvaluation result = evaluate(run(c.rows), 60);
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.message, "Blank_File format error");
        EXPECT_EQ(store(), "before\r\n");
    }
    const QString noFile = tmp.path(QStringLiteral("reports/_internal_blank_measurementSN12/20250314_111500_blank_x"));
    EXPECT_EQ(evaluate(noFile, 60).message, "Blank_File format error");
    EXPECT_EQ(evaluate(run("60 \"A1\" 3\r\n"), 60, "../w24").message, "Blank_File format error");
}

TEST_F(BlankEvaluationTest, TheStoreFolderIsMadeWhenTheInstrumentHasNone)
{
    // Serial number 0: start-up makes no blank store folder.
    const QString folder = tmp.path(QStringLiteral("reports/elsewhere/20250314_101500_blank_myblank"));
    ASSERT_TRUE(writeBytes(folder + "/current_activity.txt", kHeaders + "60 \"B3\" 11\r\n"));
    const BlankEvaluation result = evaluateBlankRun(tmp.folder(), 0, folder, "w6", 60);
    ASSERT_TRUE(result.written);
    const QStringList lines = fileLines(tmp.path("reports/_internal_blank_measurement/blank_w6.dat"));
    ASSERT_EQ(lines.size(), 3 + 384 + 1);
    EXPECT_EQ(lines.at(0), "20250314_101500_blank_myblank");
    EXPECT_EQ(lines.at(3 + 5), "5,11"); // B3 on a 2-row plate
}

TEST(BlankFormatRows, RowsOfEachCode)
{
    const std::pair<const char*, int> cases[] = {{"w96f", 8}, {"w96u", 8}, {"w48", 6}, {"w24", 4},
                                                 {"w12", 3},  {"w6", 2},   {"p35", 2}, {"W6", 0}, {"", 0}};
    for (const auto& [code, rows] : cases)
        EXPECT_EQ(blankFormatRows(QLatin1String(code)), rows) << code;
}

} // namespace
