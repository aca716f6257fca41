#include "analysis/WellActivityLoader.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

// A w6 run of three scans, every camera's window file alike but for its well:
// positions 0 and 4 all "-", positions 1 to 3 with values in scans 0 and 1.
QByteArray wellFile(const QByteArray& well, const std::vector<std::array<const char*, 3>>& scans,
                    const char* edgeLine = "-,-,-,-,-,-")
{
    const char* times[] = {"\"12.5\"", "\"13.5\"", "\"14.0\""};
    QByteArray text;
    for (size_t s = 0; s < scans.size(); ++s) {
        text += "scan," + QByteArray::number(qulonglong(s)) + "\r\n";
        text += QByteArray("time[m],") + times[s % 3] + "\r\n";
        text += well + ",0," + edgeLine + "\r\n";
        for (int p = 0; p < 3; ++p)
            text += well + "," + QByteArray::number(p + 1) + "," + scans[s][size_t(p)] + "\r\n";
        text += well + ",4,-,-,-,-,-,-\r\n";
        text += "\r\n";
    }
    return text;
}

const std::vector<std::array<const char*, 3>> kScans = {
    {"-,2,0,1,-,-", "-,0,3,0,-,-", "-,4,0,0,-,-"},
    {"-,0,0,0,-,-", "-,0,0,5,-,-", "-,0,0,0,-,-"},
    {"-,0,0,0,-,-", "-,0,0,0,-,-", "-,0,0,0,-,-"},
};
const char* kWells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};

struct RecordedRun {
    TempProgramFolder tmp;
    explicit RecordedRun(int cameras = 6)
    {
        for (int c = 0; c < cameras; ++c)
            write(c, wellFile(kWells[c], kScans));
    }
    void write(int camera, const QByteArray& bytes)
    {
        EXPECT_TRUE(writeBytes(tmp.path(QStringLiteral("run/wellactivity%1%2.csv").arg(camera).arg(0)), bytes));
    }
    WellActivityLoad load(const QString& format = "w6", const WellActivityLoadTuning& tuning = {})
    {
        WellActivityLoadView view{[this](const QString& t) { progress << t; }, {}, {}};
        return LoadWellActivityFiles(tmp.path("run"), format, data, view, prompts, tuning);
    }
    HeatMapData data;
    ScriptedPrompts prompts;
    QStringList progress;
};

TEST(WellActivityLoader, SixWellRunSumsMaximaTimesAndProgress)
{
    RecordedRun run;
    ASSERT_EQ(run.load(), WellActivityLoad::Loaded);
    EXPECT_TRUE(run.prompts.messages.isEmpty());
    EXPECT_EQ(run.progress, (QStringList{"0% Read", "17% Read", "33% Read", "50% Read", "67% Read", "83% Read",
                                         "100% OK"}));
    const HeatMapData& d = run.data;
    EXPECT_EQ(d.lastLine, 4) << "3 lines x 1.5, halves to even";
    EXPECT_EQ(d.lastCell, 4);
    EXPECT_EQ(d.lastScan, 2);
    EXPECT_EQ(d.scanMinutes, (std::vector<double>{12.5, 13.5, 14.0}));
    EXPECT_EQ(d.maxSumActivity, 5);
    EXPECT_EQ(d.maxScanActivity, 5);
    for (int well = 0; well < 6; ++well) {
        SCOPED_TRACE(well);
        EXPECT_EQ(d.geometry[size_t(well)].lineCount, 3);
        EXPECT_EQ(d.geometry[size_t(well)].cellCount, 3);
        EXPECT_EQ(d.sum(well, 0, 0), 2);
        EXPECT_EQ(d.sum(well, 0, 2), 1);
        EXPECT_EQ(d.sum(well, 1, 1), 3);
        EXPECT_EQ(d.sum(well, 2, 0), 4);
        EXPECT_EQ(d.sum(well, 1, 2), 5);
        EXPECT_EQ(d.sum(well, 0, 1), 0);
    }

    // One scan's grid, read again from its offset: [line][cell], the cell past
    // the well's count unread (0), "-" as -1.
    const WellGrid g0 = scanGrid(d, 3, 0); // B2
    ASSERT_EQ(g0.lines, 5);
    const std::vector<qint32> rows0 = {2, 0, 1, -1, 0, 0, 3, 0, -1, 0, 4, 0, 0, -1, 0, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(g0.values, rows0);
    const WellGrid g1 = scanGrid(d, 0, 1);
    EXPECT_EQ(g1.at(1, 2), 5);
    EXPECT_EQ(g1.at(0, 0), 0);
    EXPECT_TRUE(scanGrid(d, 0, 3).values.empty()) << "no such scan";
}

TEST(WellActivityLoader, FaultyRuns)
{
    struct Case {
        const char* name;
        std::function<void(RecordedRun&)> spoil;
        WellActivityLoad outcome;
        QStringList messages;
        int wellsLoaded; // wells whose sums hold the run's values
    };
    const Case cases[] = {
        {"no scan line", [](RecordedRun& r) { r.write(0, "A1,1,-,2\r\n"); }, WellActivityLoad::ErrorFile, {"error file"}, 0},
        {"no time line",
         [](RecordedRun& r) { r.write(2, "scan,0\r\nA2,1,-,2,0,1,-,-\r\n"); },
         WellActivityLoad::NoTimeLine,
         {},
         2},
        {"a well line without a comma",
         [](RecordedRun& r) { r.write(1, "scan,0\r\ntime[m],1\r\nB1\r\n\r\n"); },
         WellActivityLoad::FileError,
         {"File error c1b0.csv"},
         1},
        {"a cell beyond the bounds",
         [](RecordedRun& r) { r.write(4, wellFile("A3", {{"-,1,1,1,1,1,1,1", "-,0,0,0,-,-", "-,0,0,0,-,-"}})); },
         WellActivityLoad::ProcessingError,
         {"Error processing files"},
         4},
        {"a well the format does not have",
         [](RecordedRun& r) { r.write(0, wellFile("A4", kScans)); },
         WellActivityLoad::ProcessingError,
         {"Error processing files"},
         0},
        // On the two rows of w6, column 2147483647 of row E would wrap round to A1.
        {"a column past any plate",
         [](RecordedRun& r) { r.write(0, wellFile("E2147483647", kScans)); },
         WellActivityLoad::ProcessingError,
         {"Error processing files"},
         0},
        // Camera 0's first file sizes the tables by its scans: a damaged scan
        // number must not have them take gigabytes.
        {"a scan number past any run",
         [](RecordedRun& r) { r.write(0, wellFile("A1", kScans).replace("scan,0\r\n", "scan,222222220\r\n")); },
         WellActivityLoad::ProcessingError,
         {"Error processing files"},
         0},
        {"the last scan number a run can reach",
         [](RecordedRun& r) { r.write(0, wellFile("A1", kScans).replace("scan,2\r\n", "scan,1920000\r\n")); },
         WellActivityLoad::Loaded,
         {},
         6},
        {"no camera 5", [](RecordedRun& r) { QFile::remove(r.tmp.path("run/wellactivity50.csv")); }, WellActivityLoad::Loaded,
         {}, 5},
        {"no camera 0", [](RecordedRun& r) { QFile::remove(r.tmp.path("run/wellactivity00.csv")); },
         WellActivityLoad::ErrorFile, {"error file"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedRun run;
        c.spoil(run);
        EXPECT_EQ(run.load(), c.outcome);
        EXPECT_EQ(run.prompts.messages, c.messages);
        int loaded = 0;
        if (run.data.loaded())
            for (int well = 0; well < 6; ++well)
                loaded += run.data.sum(well, 1, 2) == 5 ? 1 : 0;
        EXPECT_EQ(loaded, c.wellsLoaded);
    }
}

TEST(WellActivityLoader, PositionZeroLastCellsAndLargeSums)
{
    RecordedRun run(1);
    // Position 0 holds a value; the last cell of a line is read; sums pass 16 bits.
    run.write(0, wellFile("A1", {{"-,20000,0,7", "-,0,3,0,-,-", "-,4,0,0,-,-"},
                                 {"-,20000,0,0,-,-", "-,0,0,5,-,-", "-,0,0,0,-,-"}},
                          "-,9,-,-,-,-"));
    ASSERT_EQ(run.load(), WellActivityLoad::Loaded);
    const HeatMapData& d = run.data;
    EXPECT_EQ(d.geometry[0].firstDataLine, 0) << "position 0 holds a value";
    EXPECT_EQ(d.sum(0, 0, 0), 18) << "position 0: 9 in both scans";
    EXPECT_EQ(d.sum(0, 1, 0), 40000);
    EXPECT_EQ(d.sum(0, 1, 2), 7) << "the line's last cell";
    EXPECT_EQ(d.maxSumActivity, 40000);
    EXPECT_EQ(d.maxScanActivity, 20000);
    EXPECT_TRUE(run.prompts.messages.isEmpty());
}

TEST(WellActivityLoader, FormatsWithoutLayoutLoadNothing)
{
    RecordedRun run;
    EXPECT_EQ(run.load("w96f"), WellActivityLoad::Loaded);
    EXPECT_FALSE(run.data.loaded());
    EXPECT_TRUE(run.progress.isEmpty());
}

} // namespace

namespace {

// One A1 window file: a first block of `cells` zero cells at position 0, then
// the given value lines at position 0, a scan each.
QByteArray oneLineRun(int cells, const std::vector<QByteArray>& lines)
{
    QByteArray zeros;
    for (int c = 0; c < cells; ++c)
        zeros += ",0";
    QByteArray text = "scan,0\r\ntime[m],\"0.5\"\r\nA1,0" + zeros + "\r\n\r\n";
    for (size_t s = 0; s < lines.size(); ++s)
        text += "scan," + QByteArray::number(qulonglong(s + 1)) + "\r\ntime[m],\"1.0\"\r\nA1,0," + lines[s] + "\r\n\r\n";
    return text;
}

TEST(WellActivityLoader, CellFormsAcrossALongLine)
{
    // Each cell as the loader reads it: a whole number above 0 counts, "-",
    // blanks around digits, signs, decimals and over-long numbers as the
    // slow reader has them. Enough cells that they cross 64-byte blocks.
    const std::vector<std::pair<QByteArray, qint64>> cells = {
        {"7", 7},          {"12", 12},        {"123", 123},           {"12345678", 12345678}, {"123456789", 123456789},
        {"-", 0},          {"", 0},           {" 5", 5},              {"5 ", 5},              {"+3", 0},
        {"1.5", 0},        {"abc", 0},        {"-3", 0},              {"00000012", 12},       {"99999999", 99999999},
        {"0000000000000000042", 0},           {"9", 9},               {"x", 0},               {"10", 10},
        {"1234", 1234},    {"0", 0},          {"22", 22},             {"-", 0},               {"3", 3},
    };
    QByteArray line;
    for (size_t i = 0; i < cells.size(); ++i)
        line += (i ? "," : "") + cells[i].first;
    RecordedRun run(0);
    run.write(0, oneLineRun(int(cells.size()), {line}));
    ASSERT_EQ(run.load(), WellActivityLoad::Loaded);
    for (size_t i = 0; i < cells.size(); ++i)
        EXPECT_EQ(run.data.sum(0, 0, int(i)), cells[i].second) << "cell " << i << " \"" << cells[i].first.constData() << "\"";
    EXPECT_EQ(run.data.maxScanActivity, 123456789);
    EXPECT_EQ(run.data.maxSumActivity, 123456789);
}

TEST(WellActivityLoader, FileLongerThanTheReadBuffer)
{
    // 2500 scans of a 1000-cell line (about 5 MB, past the 4 MB chunk): lines
    // cross the reader's chunks and every scan's offset still finds its block.
    // The first cell of the line of file scan n is (n - 1) % 7 + 1, the rest 1.
    QByteArray ones;
    for (int c = 1; c < 1000; ++c)
        ones += ",1";
    std::vector<QByteArray> lines;
    for (int s = 0; s < 2500; ++s)
        lines.push_back(QByteArray::number(s % 7 + 1) + ones);
    RecordedRun run(0);
    run.write(0, oneLineRun(1000, lines));
    ASSERT_EQ(run.load(), WellActivityLoad::Loaded);
    EXPECT_EQ(run.data.lastScan, 2500);
    EXPECT_EQ(run.data.sum(0, 0, 0), 357 * 28 + 1);
    EXPECT_EQ(run.data.sum(0, 0, 999), 2500);
    EXPECT_EQ(run.data.maxSumActivity, 357 * 28 + 1);
    for (const auto& [scan, first] : {std::pair{2000, 5}, {1999, 4}, {2500, 1}, {3, 3}}) {
        const WellGrid grid = scanGrid(run.data, 0, scan);
        ASSERT_EQ(grid.lines, run.data.lastLine + 1);
        EXPECT_EQ(grid.at(0, 0), first) << "scan " << scan;
        EXPECT_EQ(grid.at(0, 999), 1);
    }
}

} // namespace

namespace {

void expectSameLoad(const HeatMapData& a, const HeatMapData& b)
{
    EXPECT_EQ(a.lastLine, b.lastLine);
    EXPECT_EQ(a.lastCell, b.lastCell);
    EXPECT_EQ(a.lastScan, b.lastScan);
    EXPECT_EQ(a.scanMinutes, b.scanMinutes);
    EXPECT_EQ(a.sumActivity, b.sumActivity);
    EXPECT_EQ(a.maxSumActivity, b.maxSumActivity);
    EXPECT_EQ(a.maxScanActivity, b.maxScanActivity);
    for (size_t w = 0; w < a.geometry.size(); ++w) {
        EXPECT_EQ(a.geometry[w].lineCount, b.geometry[w].lineCount);
        EXPECT_EQ(a.geometry[w].cellCount, b.geometry[w].cellCount);
        EXPECT_EQ(a.geometry[w].file, b.geometry[w].file);
    }
    ASSERT_EQ(a.files.size(), b.files.size());
    for (size_t f = 0; f < a.files.size(); ++f)
        EXPECT_EQ(a.files[f].scanOffsets, b.files[f].scanOffsets);
}

TEST(WellActivityLoader, StretchesReadAtOnceLoadAsOnePass)
{
    // Forty scans a file, cut at scan lines into four stretches read on their
    // own threads, against one pass: the same tables, faults at the same place.
    std::vector<std::array<const char*, 3>> scans;
    for (int s = 0; s < 40; ++s)
        scans.push_back(kScans[size_t(s % 2)]);
    const auto longRun = [&](RecordedRun& r) {
        for (int c = 0; c < 6; ++c)
            r.write(c, wellFile(kWells[c], scans));
    };
    struct Case {
        const char* name;
        std::function<void(RecordedRun&)> make;
    };
    const Case cases[] = {
        {"a whole run", longRun},
        {"a cell beyond the bounds in scan 25 of camera 2",
         [&](RecordedRun& r) {
             longRun(r);
             auto spoiled = scans;
             spoiled[25] = {"-,1,1,1,1,1,1,1", "-,0,0,0,-,-", "-,0,0,0,-,-"};
             r.write(2, wellFile("A2", spoiled));
         }},
        {"a scan beyond camera 0's last in camera 3",
         [&](RecordedRun& r) {
             longRun(r);
             r.write(3, wellFile("B2", scans) + "scan,41\r\ntime[m],1\r\nB2,1,-,9,9,9,-,-\r\n");
         }},
        {"lines keeping the last position at the start of every later scan",
         [&](RecordedRun& r) {
             longRun(r);
             // Position 4 of the scan before: line 3 of the well gets 7s.
             QByteArray text = wellFile("A1", scans);
             const qsizetype second = text.indexOf("scan,1\r\n");
             r.write(0, text.left(second) + text.mid(second).replace("A1,0,-,-,-,-,-,-", "A1,-1,-,7,7,7,-,-"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedRun one, stretches;
        c.make(one);
        c.make(stretches);
        const WellActivityLoad whole = one.load("w6", {1, 1});
        EXPECT_EQ(stretches.load("w6", {4, 1}), whole);
        EXPECT_EQ(stretches.prompts.messages, one.prompts.messages);
        expectSameLoad(stretches.data, one.data);
    }
}

} // namespace
