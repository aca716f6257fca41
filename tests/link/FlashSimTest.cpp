#include "Bytes.h"
#include "RawTerminal.h"
#include "support/FakeClock.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedLink.h"
#include "support/TempProgramFolder.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "lib/FlashMemory.h"
#include "lib/FrameParser.h"
#include "lib/SimulatedInstrument.h"
#include "link/commands/FlashPages.h"
#include "link/port/ModCOMM.h"
#include "link/port/QtSerialDevice.h"
#include "link/commands/UnframedCommands.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// The flash page exchange and the unframed commands against the simulated
// instrument over a pseudo-terminal. Pauses run on virtual time; only the
// bytes themselves take real time.
namespace {

// Four lines of text, each padded with NUL to 24 bytes.
QByteArray pageOfLines(const QList<QByteArray>& lines)
{
    QByteArray page;
    for (QByteArray line : lines) {
        line.append(kFlashLineBytes - line.size(), '\0');
        page += line;
    }
    return page;
}

class FlashSimTest : public SimulatedLinkTest<> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        connect();
    }

    // Writes four lines as the flash transfer does, then commits them.
    void writePage(int bank, int firstLine, const QByteArray& page)
    {
        for (int line = 0; line < kFlashPageLines; ++line)
            ASSERT_EQ(WriteFlashLine(ctx, line, page.mid(line * kFlashLineBytes, kFlashLineBytes)), FlashStep::Done);
        ASSERT_EQ(CommitFlashPage(ctx, bank, firstLine), FlashStep::Done);
    }
};

TEST_F(FlashSimTest, APageWrittenCommittedAndReadBack)
{
    const QByteArray header = pageOfLines({"VELDO2019v001f001//", "maker//", "ledxy//", "//"});
    QByteArray data("ledxy:70L416x4/");
    for (int i = 0; data.size() < kFlashPageBytes; ++i)
        data += static_cast<char>(255 - i); // every byte value high and low, NUL included
    writePage(3, 0, header);
    writePage(3, 72, data);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(sim.commandCount('f'), 2 * 96);
    EXPECT_EQ(sim.commandCount('F'), 2);

    const FlashPage first = ReadFlashPage(ctx, 3, 0);
    EXPECT_TRUE(first.good);
    EXPECT_EQ(first.data, header);
    const FlashPage last = ReadFlashPage(ctx, 3, 72);
    EXPECT_TRUE(last.good);
    EXPECT_EQ(last.data, data);
    EXPECT_EQ(console.lenRx(), "Len(Rx) = 100");
    EXPECT_EQ(sim.state().flash.page(3, 72), data);

    // The same lines of another bank were not touched: erased flash.
    const FlashPage other = ReadFlashPage(ctx, 2, 72);
    EXPECT_TRUE(other.good);
    EXPECT_EQ(other.data, QByteArray(kFlashPageBytes, FlashMemory::kErased));
}

TEST_F(FlashSimTest, GarbledPageRepliesGiveABadPageAfterThreeTries)
{
    writePage(0, 4, pageOfLines({"w6_col:1L_06x4/", "", "", ""}));
    sim.resetCounts();
    sim.setFault(Fault::garbleReply('F'));
    const FlashPage page = ReadFlashPage(ctx, 0, 4);
    EXPECT_FALSE(page.good);
    EXPECT_EQ(page.data.size(), kFlashPageBytes);
    EXPECT_EQ(sim.commandCount('F'), 3);
    EXPECT_EQ(sim.receivedCommands().back(), (SimCommand{'F', 0xF0, 4}));

    sim.setFault(Fault::none());
    EXPECT_TRUE(ReadFlashPage(ctx, 0, 4).good);
}

TEST_F(FlashSimTest, UnframedCommandsReachTheInstrument)
{
    const QByteArray page = pageOfLines({"Tempfactor:1L_2x1i/", bytes({134, 98, 0, 173}), "", ""});
    writePage(1, 4, page);

    QString cam = QStringLiteral("1");
    ReadFlashLine(ctx, cam, 4);
    QString values;
    for (const char b : page)
        values += QString::number(static_cast<uchar>(b)) + QLatin1Char(',');
    EXPECT_EQ(console.commText(), QStringLiteral("C1L4:") + values);

    EXPECT_EQ(SendCameraSelectRaw(ctx, 4), 0);
    EXPECT_EQ(console.commText(), "Camera=4");
    // Each sender flushes the port first, which would drop the unanswered
    // command before it if the instrument had not read it yet: no time passes
    // between them on the fake clock, as it would on a real line.
    int received = sim.totalCommandCount();
    EXPECT_EQ(SendGainRaw(ctx, 300), 0);
    ASSERT_TRUE(sim.waitForCommandCount(++received, 1000));
    EXPECT_EQ(SendExposureRaw(ctx, 46), 0);
    ASSERT_TRUE(sim.waitForCommandCount(++received, 1000));
    EXPECT_EQ(SendLedPowerRaw(ctx, 8), 0);
    ASSERT_TRUE(sim.waitForCommandCount(++received, 1000));
    EXPECT_EQ(ReadCameraWellRows(ctx, 4).size(), 378);
    EXPECT_TRUE(console.commText().startsWith("Camera[4]:0; 1; 2; "));
    EXPECT_EQ(ReadCameraWellColumns(ctx, 4).size(), 381);
    EXPECT_EQ(console.lenRx(), "LEN(Rx) = 381");

    // The unanswered raw senders are seen by what they changed.
    const InstrumentState state = sim.state();
    EXPECT_EQ(state.camera.selected, 4);
    EXPECT_EQ(state.camera.cameras[4].gain, 300);
    EXPECT_EQ(state.camera.cameras[4].exposure, 46);
    EXPECT_EQ(state.ledPower[0], 8);
    EXPECT_EQ(state.ledPower[415], 8);
    const std::vector<SimCommand> log = sim.receivedCommands();
    EXPECT_EQ(log.back(), (SimCommand{'C', 4, 'X', false}));
}

TEST(SimFlashMemory, KeptInAFileAcrossRuns)
{
    TempProgramFolder folder;
    const QString file = folder.path("flash.bin");
    const QByteArray page = QByteArray("w24_intfactor:1L_24x1/") + bytes({7, '/'}) + QByteArray(72, 100);
    {
        FlashMemory flash;
        ASSERT_TRUE(flash.keepInFile(file));
        EXPECT_FALSE(QFile::exists(file)); // nothing stored yet
        for (int i = 0; i < kFlashPageBytes; ++i)
            ASSERT_TRUE(flash.setBufferByte(i, static_cast<quint8>(page.at(i))));
        ASSERT_TRUE(flash.commit(1, 16));
    }
    FlashMemory again;
    ASSERT_TRUE(again.keepInFile(file));
    EXPECT_EQ(again.page(1, 16), page);
    EXPECT_EQ(again.page(1, 20), QByteArray(kFlashPageBytes, FlashMemory::kErased));

    // A file that is not a flash image is neither taken nor overwritten.
    const QString other = folder.path("notes.txt");
    ASSERT_TRUE(writeBytes(other, "not flash"));
    FlashMemory third;
    EXPECT_FALSE(third.keepInFile(other));
    EXPECT_TRUE(third.commit(0, 0));
    EXPECT_EQ(fileBytes(other), "not flash");
}

TEST(SimFlashMemory, TheExecutableKeepsItsFlashInTheFileGiven)
{
    TempProgramFolder folder;
    const QString file = folder.path("flash.bin");
    const QByteArray page = pageOfLines({"w6_blank:[0030]6x1/", bytes({1, 2, 3, 4, 5, 6}), "", ""});
    for (int run = 0; run < 2; ++run) {
        QProcess sim;
        sim.start(QStringLiteral(INSTRUMENT_SIM_EXE), {folder.path("ports/COM1"), "--flash", file});
        ASSERT_TRUE(sim.waitForReadyRead(5000));
        Globals globals;
        ModCOMM comm(globals, PortMapping(folder.folder()), QtSerialDevice::factory());
        FakeClock clock;
        MemoryConsole console;
        ScriptedPrompts prompts;
        LinkContext ctx{globals, comm, clock, console, prompts};
        ASSERT_EQ(comm.CommOpen(1, QStringLiteral("COM1"), lineSettingsText(115200)), 0);
        globals.commPort = 1;
        globals.portOpen = true;
        if (run == 0) {
            // The commit's answer and the read-back judge the lines.
            for (int line = 0; line < kFlashPageLines; ++line)
                (void)WriteFlashLine(ctx, line, page.mid(line * kFlashLineBytes, kFlashLineBytes));
            ASSERT_EQ(CommitFlashPage(ctx, 2, 4), FlashStep::Done);
        } else {
            const FlashPage back = ReadFlashPage(ctx, 2, 4);
            EXPECT_TRUE(back.good);
            EXPECT_EQ(back.data, page);
        }
        comm.CommClose(1);
        sim.terminate();
        ASSERT_TRUE(sim.waitForFinished(3000));
    }

    // A file that is not a flash image stops it at once.
    ASSERT_TRUE(writeBytes(file, "short"));
    QProcess refused;
    refused.start(QStringLiteral(INSTRUMENT_SIM_EXE), {"--flash", file});
    ASSERT_TRUE(refused.waitForFinished(3000));
    EXPECT_EQ(refused.exitCode(), 1);
}

TEST(SimFlashMemory, BufferBanksAndTheEndOfABank)
{
    FlashMemory flash;
    EXPECT_FALSE(flash.setBufferByte(96, 1));
    EXPECT_FALSE(flash.setBufferByte(-1, 1));
    EXPECT_FALSE(flash.commit(FlashMemory::kBanks, 0));
    EXPECT_TRUE(flash.page(FlashMemory::kBanks, 0).isEmpty());
    // A page from line 254 keeps its first two lines; the rest lies past the bank.
    ASSERT_TRUE(flash.store(0, 254, QByteArray(kFlashPageBytes, 'a')));
    EXPECT_EQ(flash.page(0, 254), QByteArray(48, 'a') + QByteArray(48, FlashMemory::kErased));
    EXPECT_EQ(flash.page(1, 254), QByteArray(kFlashPageBytes, FlashMemory::kErased));
}

TEST(FrameParser, FindsUnframedCommandsBetweenFrames)
{
    FrameParser parser;
    parser.setUnframedLetters({'F', 'L'});
    const QByteArray framed = bytes({0xFF, 'N', 0, 0, 'N'});
    // 0xFF as an argument of an unframed command is no start byte; an unknown
    // letter outside a frame is skipped; a command may be split over two feeds.
    EXPECT_EQ(parser.feed(bytes({'L', 255, 8}) + framed + bytes({'Q', 'F', 242})),
              (std::vector<SimCommand>{{'L', 255, 8, false}, {'N', 0, 0}}));
    EXPECT_EQ(parser.feed(bytes({4}) + bytes({0xFF, 'F', 0xF2, 4, 'F' ^ 0xF2 ^ 4})),
              (std::vector<SimCommand>{{'F', 242, 4, false}, {'F', 0xF2, 4}}));
    EXPECT_EQ(parser.takeRejected(), 0);
}

TEST(SimFlashCommands, AnsweredOnTheWire)
{
    SimulatedInstrument sim;
    ASSERT_TRUE(sim.isReady());
    sim.start();
    RawTerminal term(sim.devicePath());
    ASSERT_TRUE(term.isOpen());

    term.write(frameBytes('f', 95, 0x5A));
    EXPECT_EQ(term.read(3, 1000), bytes({'f', 95, 0x5A}));
    term.write(frameBytes('f', 96, 1)); // outside the page buffer: no echo
    EXPECT_TRUE(term.read(3, 100).isEmpty());
    term.write(frameBytes('F', 4, 8));
    EXPECT_EQ(term.read(1, 1000), "F");
    term.write(frameBytes('F', 20, 8)); // no such bank: no answer
    EXPECT_TRUE(term.read(1, 100).isEmpty());

    term.write(frameBytes('F', 0xF4, 8));
    const QByteArray reply = term.read(100, 1000);
    ASSERT_EQ(reply.size(), 100);
    EXPECT_EQ(reply.left(3), bytes({'F', 0xF4, 8}));
    EXPECT_EQ(reply.at(98), 0x5A); // address 95 is the page's last byte
    char check = 0;
    for (int i = 3; i < 99; ++i)
        check = static_cast<char>(check ^ reply.at(i));
    EXPECT_EQ(reply.at(99), check);

    term.write(bytes({'F', 0xF4, 8})); // unframed: the page alone
    EXPECT_EQ(term.read(96, 1000), reply.mid(3, 96));
}

} // namespace
