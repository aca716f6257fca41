#include "ScriptedLink.h"
#include "link/commands/FlashPages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A page's 96 bytes: a name line, then counting bytes.
QByteArray samplePage()
{
    QByteArray page("w6_col:1L_06x4/");
    for (int i = 0; page.size() < kFlashPageBytes; ++i)
        page += static_cast<char>(i * 7);
    return page;
}

// The instrument's answer to a page read of (bank, first line).
QByteArray pageReply(int bank, int firstLine, const QByteArray& page)
{
    return bytes({'F', 0xF0 + bank, firstLine}) + page + static_cast<char>(xorOf(page));
}

class FlashPagesTest : public ::testing::Test {
protected:
    void SetUp() override { s.connect(); }
    ScriptedLink s;
};

TEST_F(FlashPagesTest, WriteFlashLineSendsTwentyFourEchoedBytes)
{
    // Line 2 of the buffer is addresses 48 to 71; the short text is NUL padded.
    QByteArray expected;
    for (int i = 0; i < kFlashLineBytes; ++i) {
        const int data = i == 0 ? 65 : i == 1 ? 66 : 0;
        expected += frameBytes('f', 48 + i, data);
        s.line.script(bytes({'f', 48 + i, data}));
    }
    EXPECT_EQ(WriteFlashLine(s.ctx, 2, "AB"), FlashStep::Done);
    EXPECT_EQ(s.line.written, expected);
    EXPECT_EQ(s.line.writes.size(), 24u); // one write per frame
    EXPECT_EQ(s.console.commText(), "rcv(71):,102,71,0");
    EXPECT_TRUE(s.prompts.messages.isEmpty());
    EXPECT_EQ(s.clock.elapsedMs(), 24 * 11); // 10 ms after each frame, 1 ms after each echo
    EXPECT_EQ(s.clock.pumpCount(), 25);
    EXPECT_EQ(s.line.purges, 1); // once before the line, never between its bytes
}

TEST_F(FlashPagesTest, EachFrameAndEchoIsShown)
{
    RecordingConsole history;
    LinkContext ctx{s.globals, s.comm, s.clock, history, s.prompts};
    s.line.script(bytes({'f', 24, 'Z'}));
    s.line.scriptSilence();
    EXPECT_EQ(WriteFlashLine(ctx, 1, "Z"), FlashStep::NoReply);
    const QString sent = QStringLiteral("snd:\u00FFf") + QChar(24) + QStringLiteral("Z") + QChar('f' ^ 24 ^ 'Z');
    EXPECT_EQ(history.commTexts, QStringList({sent, "rcv(24):,102,24,90", "snd:\u00FFf" + QString(QChar(25)) + QChar(0)
                                              + QChar('f' ^ 25), "Empty/No response Headline1"}));

    history.commTexts.clear();
    s.line.script("F");
    // Only the traffic shown matters here.
    (void)CommitFlashPage(ctx, 2, 16);
    EXPECT_EQ(history.commTexts, QStringList({"snd:\u00FFF" + QString(QChar(2)) + QChar(16) + QChar('F' ^ 2 ^ 16),
                                          "rcv():70"}));
    EXPECT_EQ(history.lenRx(), "Len(Rx) = 1");
}

TEST_F(FlashPagesTest, WriteFlashLineTakesOnlyTwentyFourBytes)
{
    const QByteArray text = QByteArray(30, 'x');
    for (int i = 0; i < 24; ++i)
        s.line.script(bytes({'f', i, 'x'}));
    EXPECT_EQ(WriteFlashLine(s.ctx, 0, text), FlashStep::Done);
    EXPECT_EQ(s.line.written.size(), 24 * 5);
    EXPECT_EQ(s.line.written.right(5), frameBytes('f', 23, 'x'));
}

TEST_F(FlashPagesTest, WriteFlashLineEchoFaults)
{
    struct Case {
        const char* name;
        int wrongAt;   // the byte whose echo is wrong, -1 for none
        int silentAt;  // the byte without an echo, -1 for none
        FlashStep result;
        int framesSent;
        QStringList messages;
        QString shown;
    };
    const Case cases[] = {
        // A wrong echo is reported and the line goes on.
        {"wrong echo", 1, -1, FlashStep::Done, 24, {"instruction confirmation error:102,25,6"}, "rcv(23):,102,23,0"},
        // No echo ends the line there.
        {"no echo", -1, 3, FlashStep::NoReply, 4, {}, "Empty/No response Headline0"},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        for (int i = 0; i < kFlashLineBytes; ++i) {
            const int data = i == 0 ? 'A' : 0;
            if (i == c.silentAt)
                link.line.scriptSilence();
            else if (i == c.wrongAt)
                link.line.script(bytes({'f', 25, 6})); // neither its address nor its data
            else
                link.line.script(bytes({'f', i, data}));
        }
        EXPECT_EQ(WriteFlashLine(link.ctx, 0, "A"), c.result) << c.name;
        EXPECT_EQ(link.line.written.size(), c.framesSent * 5) << c.name;
        EXPECT_EQ(link.prompts.messages, c.messages) << c.name;
        EXPECT_EQ(link.console.commText(), c.shown) << c.name;
    }
}

// An instrument that stops answering mid-line: the window's events run during
// every empty poll of the wait, and the echo that comes late answers nothing
// of the next line.
TEST_F(FlashPagesTest, ASilentInstrumentKeepsTheWindowAnsweringAndItsLateEchoIsDropped)
{
    s.line.script(bytes({'f', 0, 'A'}), 6000); // after the line has given up
    const int pumpsBefore = s.clock.pumpCount();
    EXPECT_EQ(WriteFlashLine(s.ctx, 0, "A"), FlashStep::NoReply);
    EXPECT_GE(s.clock.pumpCount() - pumpsBefore, 10); // one for each empty poll at least
    s.clock.advance(2000); // the instrument is back, its late echo waiting

    for (int i = 0; i < kFlashLineBytes; ++i)
        s.line.script(bytes({'f', 24 + i, 'B'}));
    EXPECT_EQ(WriteFlashLine(s.ctx, 1, QByteArray(24, 'B')), FlashStep::Done);
    EXPECT_TRUE(s.prompts.messages.isEmpty()) << s.prompts.messages.join('|').toStdString();
}

TEST_F(FlashPagesTest, WriteFlashLineRefusesLinesOutsideThePageBuffer)
{
    for (const int line : {-1, 4, 10}) {
        EXPECT_EQ(WriteFlashLine(s.ctx, line, "AB"), FlashStep::Refused) << line;
        EXPECT_TRUE(s.line.written.isEmpty()) << line;
    }
}

TEST_F(FlashPagesTest, CommitAcceptsAnyByteThenFlushesAndWaits)
{
    s.line.script(bytes({0}));
    EXPECT_EQ(CommitFlashPage(s.ctx, 1, 8), FlashStep::Done);
    EXPECT_EQ(s.line.written, frameBytes('F', 1, 8));
    EXPECT_EQ(s.console.commText(), "rcv():0");
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 1");
    EXPECT_EQ(s.line.purges, 2); // before the frame, and after the answer
    EXPECT_EQ(s.clock.elapsedMs(), 10 + 1 + 100 + 100);
}

TEST_F(FlashPagesTest, CommitWithoutReplySkipsTheFlushAndPauses)
{
    s.line.scriptSilence();
    EXPECT_EQ(CommitFlashPage(s.ctx, 0, 8), FlashStep::NoReply);
    EXPECT_EQ(s.console.commText(), "Empty/No response Headline8");
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 0"); // untouched
    // One flush before the frame; ten empty one-byte polls purge on their own; no flush follows them.
    EXPECT_EQ(s.line.purges, 1 + 10);
    EXPECT_EQ(s.clock.elapsedMs(), 10 + 10 * 501);
}

TEST_F(FlashPagesTest, CommitRefusesPlacesNoCommandCanName)
{
    // A bank of 0xF0 and above would be read, not written.
    for (const auto& [bank, line] : std::vector<std::pair<int, int>>{{-1, 4}, {16, 4}, {0xF1, 4}, {0, 256}}) {
        EXPECT_EQ(CommitFlashPage(s.ctx, bank, line), FlashStep::Refused) << bank << "," << line;
        EXPECT_TRUE(s.line.written.isEmpty());
    }
}

TEST_F(FlashPagesTest, ReadFlashPageGoodAtTheFirstTry)
{
    s.line.script(pageReply(1, 4, samplePage()));
    const FlashPage page = ReadFlashPage(s.ctx, 1, 4);
    EXPECT_TRUE(page.good);
    EXPECT_EQ(page.data, samplePage());
    EXPECT_EQ(s.line.written, frameBytes('F', 0xF1, 4));
    EXPECT_EQ(s.line.purges, 1);
    EXPECT_EQ(s.clock.elapsedMs(), 20 + 10);
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 100");
}

TEST_F(FlashPagesTest, ReadFlashPageDisplayShowsCharactersAboveThirtyTwo)
{
    QByteArray page = bytes({'A', 0, 32, 33, 0xE9});
    page.append(kFlashPageBytes - page.size(), '\0');
    s.line.script(pageReply(1, 4, page));
    ReadFlashPage(s.ctx, 1, 4);
    // 0xF1 is above 32, so it is shown as a character; the line 4 is not.
    QString expected = QStringLiteral("C0L4:F,\u00F1,4,A,0,32,!,\u00E9,");
    for (int i = 5; i < kFlashPageBytes; ++i)
        expected += QStringLiteral("0,");
    expected += QStringLiteral("\u00A9,"); // the check byte 169
    EXPECT_EQ(s.console.commText(), expected);
}

TEST_F(FlashPagesTest, ReadFlashPageRetriesAWrongCheckByte)
{
    QByteArray garbled = pageReply(2, 12, samplePage());
    garbled[99] = static_cast<char>(garbled.at(99) ^ 0x01);
    s.line.script(garbled);
    s.line.script(pageReply(2, 12, samplePage()));
    const FlashPage page = ReadFlashPage(s.ctx, 2, 12);
    EXPECT_TRUE(page.good);
    EXPECT_EQ(page.data, samplePage());
    // The same request both times: the caller's bank stays 2.
    EXPECT_EQ(s.line.written, frameBytes('F', 0xF2, 12) + frameBytes('F', 0xF2, 12));
    EXPECT_EQ(s.clock.elapsedMs(), 30 + 100 + 30);
    EXPECT_EQ(s.clock.pumpCount(), 1);
}

TEST_F(FlashPagesTest, ThreeBadTriesReturnTheLastBytesMarkedBad)
{
    const QByteArray good = pageReply(0, 4, samplePage());
    QByteArray badCheck = good;
    badCheck[99] = static_cast<char>(good.at(99) ^ 0x40);
    QByteArray otherLine = good;
    otherLine[2] = 8;
    QByteArray notF = good;
    notF[0] = 'f';
    struct Case {
        const char* name;
        QByteArray reply; // to each of the three tries
        QByteArray data;
    };
    const QByteArray padded50 = good.left(50).mid(3) + QByteArray(49, '\0');
    const Case cases[] = {
        {"wrong check byte", badCheck, samplePage()},
        {"99 bytes", good.left(99), samplePage()}, // bytes 4 to 99 are all 96 data bytes
        {"cut at 50 bytes", good.left(50), padded50},
        {"other first line", otherLine, samplePage()},
        {"first byte not F", notF, samplePage()},
    };
    for (const Case& c : cases) {
        ScriptedLink link;
        link.connect();
        for (int i = 0; i < 3; ++i)
            link.line.script(c.reply);
        const FlashPage page = ReadFlashPage(link.ctx, 0, 4);
        EXPECT_FALSE(page.good) << c.name;
        EXPECT_EQ(page.data, c.data) << c.name;
        EXPECT_EQ(link.line.written, frameBytes('F', 0xF0, 4).repeated(3)) << c.name;
        EXPECT_EQ(link.clock.pumpCount(), 3) << c.name;
    }
}

TEST_F(FlashPagesTest, SilentInstrumentGivesAnEmptyBadPage)
{
    s.line.scriptSilence(3);
    const FlashPage page = ReadFlashPage(s.ctx, 3, 72);
    EXPECT_FALSE(page.good);
    EXPECT_EQ(page.data, QByteArray(kFlashPageBytes, '\0'));
    EXPECT_EQ(s.line.written.size(), 15);
    EXPECT_EQ(s.console.commText(), "C0L72:Empty");
    EXPECT_EQ(s.console.lenRx(), "Len(Rx) = 0");
    // Per try: flush pause, send pause, five empty reads of 500 ms and 1 ms, the 100 ms pause.
    EXPECT_EQ(s.clock.elapsedMs(), 3 * (20 + 10 + 5 * 501 + 100));
}

TEST_F(FlashPagesTest, ReadFlashPageWithoutAPortOrAPlaceSendsNothing)
{
    s.globals.portOpen = false;
    const FlashPage closed = ReadFlashPage(s.ctx, 0, 4);
    EXPECT_TRUE(closed.data.isEmpty());
    EXPECT_FALSE(closed.good);
    EXPECT_TRUE(s.console.commText().isEmpty());

    s.globals.portOpen = true;
    // A bank below 0 would ask for a commit; one above 15 fits no byte.
    for (const auto& [bank, line] : std::vector<std::pair<int, int>>{{-1, 4}, {16, 4}, {0, -4}, {0, 256}}) {
        const FlashPage page = ReadFlashPage(s.ctx, bank, line);
        EXPECT_FALSE(page.good);
        EXPECT_EQ(page.data, QByteArray(kFlashPageBytes, '\0'));
    }
    EXPECT_TRUE(s.line.written.isEmpty());
    EXPECT_TRUE(s.console.commText().isEmpty());
}

} // namespace
