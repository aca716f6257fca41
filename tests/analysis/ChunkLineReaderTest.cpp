#include "analysis/loader/ChunkLineReader.h"
#include "support/FixtureFiles.h"
#include "support/TempProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <utility>

// The loader's line reader: lines and their offsets from a file position to a
// limit, whatever the stretch's size against the reader's buffer.
namespace {

using Lines = std::vector<std::pair<qint64, QByteArray>>;

Lines readLines(const QByteArray& bytes, qint64 from, qint64 limit)
{
    TempProgramFolder tmp;
    const QString path = tmp.path("lines.csv");
    EXPECT_TRUE(writeBytes(path, bytes));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    f.seek(from);
    ChunkLineReader reader(f, limit);
    Lines lines;
    Bytes line;
    qint64 at = 0;
    while (reader.next(line, at))
        lines.emplace_back(at, QByteArray(line.p, line.n));
    return lines;
}

TEST(ChunkLineReader, LinesAndOffsetsOfAStretch)
{
    const QByteArray text = "scan,0\r\nA1,1,-\nA1,2,3\r\r\n\r\nlast";
    const struct {
        const char* name;
        qint64 from;
        qint64 limit;
        Lines lines;
    } cases[] = {
        {"whole file", 0, -1, {{0, "scan,0"}, {8, "A1,1,-"}, {15, "A1,2,3"}, {24, ""}, {26, "last"}}},
        {"from a line start", 8, -1, {{8, "A1,1,-"}, {15, "A1,2,3"}, {24, ""}, {26, "last"}}},
        // A limit inside a line hands out the line's part before it.
        {"to a limit", 0, 18, {{0, "scan,0"}, {8, "A1,1,-"}, {15, "A1,"}}},
        {"nothing to read", 26, 26, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLines(text, c.from, c.limit), c.lines) << c.name;
}

TEST(ChunkLineReader, ALineLongerThanTheLargestChunkComesWhole)
{
    // Past the 4 MiB the buffer starts with, so it has to grow.
    const QByteArray longLine((qsizetype(1) << 22) + 1000, 'x');
    const Lines lines = readLines("a\r\n" + longLine + "\r\nb\r\n", 0, -1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (std::pair<qint64, QByteArray>(0, "a")));
    EXPECT_EQ(lines[1].first, 3);
    EXPECT_EQ(lines[1].second.size(), longLine.size());
    EXPECT_EQ(lines[1].second, longLine);
    EXPECT_EQ(lines[2], (std::pair<qint64, QByteArray>(3 + longLine.size() + 2, "b")));
}

} // namespace
