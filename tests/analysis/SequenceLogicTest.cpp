#include "analysis/sequence/ChemotaxisIndexKind.h"
#include "analysis/sequence/RawExport.h"
#include "analysis/sequence/SequenceImages.h"
#include "analysis/sequence/SequenceWells.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(SequenceWells, ListsColumnByColumn)
{
    struct Case {
        const char* code;
        int count;
        QStringList head;
        const char* last;
    };
    const Case cases[] = {
        {"w6", 6, {"A1", "B1", "A2", "B2", "A3", "B3"}, "B3"},
        {"p35", 6, {"A1", "B1", "A2"}, "B3"},
        {"w24", 24, {"A1", "B1", "C1", "D1", "A2"}, "D6"},
        {"w12", 12, {"A1", "B1", "C1", "A2"}, "C4"},
        {"w48", 48, {"A1", "B1", "C1", "D1", "E1", "F1", "A2"}, "F8"},
        {"w96f", 96, {"A1", "B1", "C1", "D1", "E1", "F1", "G1", "H1", "A2"}, "H12"},
        {"w96u", 0, {}, ""},
        {"", 0, {}, ""},
    };
    for (const Case& c : cases) {
        const QStringList wells = sequenceWellList(QString::fromLatin1(c.code));
        ASSERT_EQ(wells.size(), c.count) << c.code;
        EXPECT_EQ(wells.mid(0, int(c.head.size())), c.head) << c.code;
        if (c.count > 0) {
            EXPECT_EQ(wells.last(), QString::fromLatin1(c.last)) << c.code;
        }
    }
}

TEST(SequenceImages, NamesAndFolders)
{
    EXPECT_EQ(frameImageName("A1", 12), "A1_0012.bmp");
    EXPECT_EQ(frameImageName("B2", 10000), "B2_10000.bmp");
    EXPECT_EQ(indexPlotName("CI_QR", "B2"), "CI_QR_b2.bmp");
    EXPECT_EQ(indexPlotName("", "B2"), "_b2.bmp");
    EXPECT_EQ(sequenceImagesFolder("/r/run", false), "/r/run/1scans_images");
    EXPECT_EQ(sequenceImagesFolder("/r/run", true), "/r/run/3scans_images");
}

TEST(SequenceImages, LastFrameIsTheNumberBeforeBmp)
{
    TempProgramFolder tmp;
    const QString folder = tmp.path("run/1scans_images");
    EXPECT_EQ(lastFrameNumber(folder, "A1"), 0); // no folder
    touch(folder + "/A1_0000.bmp");
    touch(folder + "/A1_0012.bmp");
    touch(folder + "/B1_0500.bmp");
    touch(folder + "/CI_XR_a1.bmp");
    EXPECT_EQ(lastFrameNumber(folder, "A1"), 12);
    touch(folder + "/A1_10000.bmp");
    EXPECT_EQ(lastFrameNumber(folder, "A1"), 10000);
    EXPECT_EQ(lastFrameNumber(folder, "B1"), 500);
    EXPECT_EQ(lastFrameNumber(folder, "C1"), 0);
}

TEST(SequenceImages, FindsAnImageWhateverItsCase)
{
    TempProgramFolder tmp;
    touch(tmp.path("run/1scans_images/ci_qr_B2.BMP"));
    EXPECT_EQ(QFileInfo(existingImage(tmp.path("run/1scans_images"), "CI_QR_b2.bmp")).fileName(), "ci_qr_B2.BMP");
    EXPECT_TRUE(existingImage(tmp.path("run/1scans_images"), "CI_QL_b2.bmp").isEmpty());
    EXPECT_TRUE(existingImage(tmp.path("run/3scans_images"), "CI_QR_b2.bmp").isEmpty());
}

TEST(ChemotaxisIndexName, OptionsOfTheListIndexInTableOrder)
{
    const auto with = [](std::initializer_list<int> on) {
        OptionSelection s{};
        for (int i : on)
            s[size_t(i)] = true;
        return s;
    };
    struct Case {
        int list;
        OptionSelection selected;
        const char* name;
    };
    const Case cases[] = {
        {0, with({1}), "CI_XR"},      {0, with({2}), "CI_XL"},      {0, with({3}), "CI_YT"},
        {0, with({4}), "CI_YB"},      {1, with({5}), "CI_QL"},      {1, with({6}), "CI_QR"},
        {2, with({6}), "CI_QR"},      {0, with({6}), ""},           {1, with({1}), ""},
        {0, with({2, 3}), "CI_XL"},   {1, with({1, 5, 6}), "CI_QL"}, {0, with({}), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chemotaxisIndexName(c.list, c.selected), QString::fromLatin1(c.name)) << c.list << c.name;
}

TEST(RawExport, SamplesOfEachLineGoToTheirBlocks)
{
    TempProgramFolder tmp;
    ASSERT_TRUE(writeBytes(tmp.path("run/lastread00.csv"),
                           "scan,0\r\ntime[m],\"0.5\"\r\nA1,57,,,1,2,,,3,4\r\n\r\n"));
    ASSERT_EQ(exportRawSamples(tmp.path("run")), RawExportResult::Written);
    QByteArray expected = "\r\n1,2\r\n\r\n\r\n" "\r\n3,4\r\n\r\n\r\n";
    for (int k = 2; k < 10; ++k)
        expected += "\r\n\r\n\r\n";
    EXPECT_EQ(fileBytes(tmp.path("run/bmp_last/1.csv")), expected);
}

TEST(RawExport, TwoRowsAndSamplesBeyondTheTwelfth)
{
    TempProgramFolder tmp;
    QByteArray line = "A1,1";
    for (int k = 0; k < 14; ++k)
        line += ",,," + QByteArray::number(k);
    ASSERT_TRUE(writeBytes(tmp.path("run/lastread00.csv"), line + "\n" + line + "\n"));
    ASSERT_EQ(exportRawSamples(tmp.path("run")), RawExportResult::Written);
    QByteArray expected;
    for (int k = 0; k < 10; ++k)
        expected += "\r\n" + QByteArray::number(k) + "\r\n" + QByteArray::number(k) + "\r\n\r\n\r\n";
    EXPECT_EQ(fileBytes(tmp.path("run/bmp_last/1.csv")), expected);
}

TEST(RawExport, NothingWithoutTheSource)
{
    TempProgramFolder tmp;
    QDir().mkpath(tmp.path("run"));
    EXPECT_EQ(exportRawSamples(tmp.path("run")), RawExportResult::NoSource);
    EXPECT_FALSE(QFileInfo::exists(tmp.path("run/bmp_last")));
}

} // namespace
