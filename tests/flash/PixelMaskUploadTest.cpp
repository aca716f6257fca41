#include "flash/PixelMaskUpload.h"
#include "link/ScriptedLink.h"
#include "plate/pixelsets/PixelMask.h"
#include "support/FixtureFiles.h"

#include <gtest/gtest.h>

// The mask file and the block transfer over a scripted line, on virtual time.
namespace {

constexpr int kBlocks = 36;
constexpr int kBlockWire = 3 + 96; // header, then data

// A scripted line on which every three bytes are a command: a block's header
// takes one reply, its data 32 "commands" of which the first takes the other.
struct MaskLine {
    MaskLine()
    {
        s.line.bytesPerCommand = 3;
        s.connect();
    }
    void answerBlocks(int blocks, const QByteArray& header = "F", const QByteArray& data = "F")
    {
        for (int i = 0; i < blocks; ++i) {
            s.line.script(header);
            s.line.script(data);
            s.line.scriptSilence(31);
        }
    }
    qint16 send(const PixelMask& mask, int camera = 0) { return SendPixelMaskToFlash(s.ctx, mask, camera); }

    ScriptedLink s;
    RecordingConsole& console = s.console;
};

TEST(PixelMaskBlock, PixelsGoLeastSignificantBitFirst)
{
    struct Case {
        int pixel;
        int line;
        int firstLine; // of the block that carries it
        int byte;      // in the block's 96
        int value;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0x01},
        {7, 0, 0, 0, 0x80},
        {8, 1, 0, 25, 0x01},
        {189, 139, 136, 3 * 24 + 23, 32}, // bit 5 of the fourth line's last byte
        {191, 143, 140, 95, 0x80},
    };
    for (const Case& c : cases) {
        PixelMask mask;
        mask.set(0, c.pixel, c.line, true);
        mask.set(1, c.pixel, c.line + 1, true); // another camera's mask stays out
        const QByteArray block = PixelMaskBlock(mask, 0, c.firstLine);
        QByteArray expected(96, '\0');
        expected[c.byte] = static_cast<char>(c.value);
        EXPECT_EQ(block, expected) << c.pixel << "," << c.line;
        for (int first = 0; first <= 140; first += 4) {
            if (first != c.firstLine) {
                EXPECT_EQ(PixelMaskBlock(mask, 0, first), QByteArray(96, '\0'));
            }
        }
    }
}

TEST(SendPixelMaskToFlash, ThirtySixBlocksEachAnsweredTwice)
{
    MaskLine m;
    m.answerBlocks(kBlocks);
    PixelMask mask;
    mask.set(0, 0, 0, true);
    mask.set(0, 189, 139, true);
    mask.set(0, 191, 143, true); // beyond the panel's reach, but sent and counted

    EXPECT_EQ(m.send(mask), 0);

    const QByteArray& wire = m.s.line.written;
    ASSERT_EQ(wire.size(), kBlocks * kBlockWire);
    for (int i = 0; i < kBlocks; ++i) {
        const QByteArray header = wire.mid(i * kBlockWire, 3);
        EXPECT_EQ(header, bytes({'F', 0, 4 * i})) << i;
        EXPECT_EQ(wire.mid(i * kBlockWire + 3, 96), PixelMaskBlock(mask, 0, 4 * i)) << i;
    }
    // Each write on its own: the header, then the 96 bytes at once.
    ASSERT_EQ(m.s.line.writes.size(), 2u * kBlocks);
    EXPECT_EQ(m.s.line.writes[1].size(), 96);

    EXPECT_EQ(m.console.commTexts.first(), QStringLiteral("snd:") + QString::fromLatin1(bytes({'F', 0, 0})));
    EXPECT_TRUE(m.console.commTexts.contains("rcv(4):70/70"));
    EXPECT_EQ(m.console.commText(), "rcv(140):70/70");
    EXPECT_EQ(m.console.lenRx(), "Len(Rx) = 1");
    EXPECT_TRUE(m.console.statuses.isEmpty());
    EXPECT_EQ(m.s.prompts.messages, QStringList({"quantity activated=3"}));
    // A flush after each block, and at least 221 ms of pauses per block.
    EXPECT_EQ(m.s.line.purges, kBlocks);
    EXPECT_GE(m.s.clock.elapsedMs(), kBlocks * 221);
}

TEST(SendPixelMaskToFlash, AnEmptyMaskSendsZerosAndCountsNone)
{
    MaskLine m;
    m.answerBlocks(kBlocks);
    EXPECT_EQ(m.send(PixelMask(), 2), 0);
    for (int i = 0; i < kBlocks; ++i) {
        EXPECT_EQ(m.s.line.written.mid(i * kBlockWire, 3), bytes({'F', 2, 4 * i}));
        EXPECT_EQ(m.s.line.written.mid(i * kBlockWire + 3, 96), QByteArray(96, '\0'));
    }
    EXPECT_EQ(m.s.prompts.messages, QStringList({"quantity activated=0"}));
}

TEST(SendPixelMaskToFlash, AWriteLeftUnansweredEndsTheTransferAsAnError)
{
    struct Case {
        const char* name;
        int goodBlocks;       // answered in full before the silence
        bool headerAnswered;  // the silent block's header still gets its answer
        QString commText;
        qsizetype written;
        QString lenRx;
    };
    const Case cases[] = {
        {"no instrument", 0, false, "Empty/No response Headline0", 3, "Len(Rx) = 0"},
        {"header of block 2", 2, false, "Empty/No response Headline8", 2 * kBlockWire + 3, "Len(Rx) = 1"},
        {"data of block 2", 2, true, "rcv(8):70/Empty/No response flashline8", 3 * kBlockWire, "Len(Rx) = 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MaskLine m;
        m.answerBlocks(c.goodBlocks);
        if (c.headerAnswered)
            m.s.line.script("F");
        PixelMask mask;
        mask.set(0, 3, 3, true);
        EXPECT_EQ(m.send(mask), -1);
        EXPECT_EQ(m.console.commText(), c.commText);
        EXPECT_EQ(m.console.status(), "Error");
        EXPECT_EQ(m.console.lenRx(), c.lenRx);
        EXPECT_EQ(m.s.line.written.size(), c.written);
        EXPECT_TRUE(m.s.prompts.messages.isEmpty()); // no closing count
    }
}

TEST(SendPixelMaskToFlash, GoesOutWithoutAPortTestAndRefusesACameraWithoutAMask)
{
    MaskLine m;
    m.s.globals.portOpen = false; // not tested: the blocks go to the port all the same
    m.s.globals.dummyMode = 1;
    m.answerBlocks(kBlocks);
    EXPECT_EQ(m.send(PixelMask()), 0);
    EXPECT_EQ(m.s.line.written.size(), kBlocks * kBlockWire);
    EXPECT_EQ(m.s.prompts.messages, QStringList({"quantity activated=0"}));

    MaskLine refused;
    EXPECT_EQ(refused.send(PixelMask(), 7), -1);
    EXPECT_EQ(refused.console.status(), "Error");
    EXPECT_TRUE(refused.s.line.written.isEmpty());
}

TEST(WriteFlashMaskFile, TheMaskFileReadsBackAsTheMask)
{
    TempProgramFolder folder;
    PixelMask mask;
    mask.set(3, 17, 5, true);
    mask.set(3, 189, 139, true);
    mask.set(3, 190, 139, true); // beyond the sensor frame: not in the file
    ASSERT_TRUE(writeBytes(folder.path("flash3.dat"), "old\r\n"));

    EXPECT_EQ(WriteFlashMaskFile(folder.folder(), mask, 3), 0);

    const QStringList lines = fileLines(folder.path("flash3.dat"));
    ASSERT_EQ(lines.size(), 26602);
    EXPECT_EQ(lines.at(0), "\"line\",\"pixel\",\"enabled\"");
    EXPECT_EQ(lines.at(1 + 5 * 190 + 17), "5,17,1");
    EXPECT_EQ(lines.at(1 + 5 * 190 + 18), "5,18,0");
    EXPECT_EQ(lines.at(26600), "139,189,1");

    PixelMask read;
    LoadFlashPixelMasks(read, folder.folder());
    for (int line = 0; line < PixelMask::kSensorLines; ++line)
        for (int pixel = 0; pixel < PixelMask::kSensorPixels; ++pixel)
            ASSERT_EQ(read.enabled(3, pixel, line), mask.enabled(3, pixel, line)) << line << "," << pixel;

    // A folder that is not there: nothing written, -1.
    const ProgramFolder missing(folder.path("no/such/folder"));
    EXPECT_EQ(WriteFlashMaskFile(missing, mask, 3), -1);
}

} // namespace
