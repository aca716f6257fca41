#include "Bytes.h"
#include "RawTerminal.h"
#include "lib/FrameParser.h"
#include "lib/SimulatedInstrument.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

TEST(FrameParser, FindsFramesAndDropsBadChecks)
{
    FrameParser parser;
    // Noise before the start byte, a frame split over two feeds, 0xFF as an argument.
    EXPECT_TRUE(parser.feed(bytes({0x00, 0x41}) + frameBytes('N', 0, 0).left(3)).empty());
    EXPECT_EQ(parser.feed(frameBytes('N', 0, 0).mid(3) + frameBytes('L', 255, 8)),
              (std::vector<SimCommand>{{'N', 0, 0}, {'L', 255, 8}}));
    // A wrong check byte: dropped, and the next frame is found again.
    EXPECT_EQ(parser.feed(bytes({0xFF, 'G', 1, 44, 0}) + frameBytes('G', 1, 44)),
              (std::vector<SimCommand>{{'G', 1, 44}}));
    EXPECT_EQ(parser.takeRejected(), 1);
    EXPECT_EQ(parser.takeRejected(), 0);
}

class SimulatedInstrumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.isReady());
        sim.start();
        ASSERT_TRUE(term.isOpen());
    }
    QByteArray ask(const QByteArray& command, int wanted = 3, int ms = 1000)
    {
        term.write(command);
        return term.read(wanted, ms);
    }

    SimulatedInstrument sim;
    RawTerminal term{sim.devicePath()};
};

TEST_F(SimulatedInstrumentTest, AnswersTheSerialNumberAndEchoes)
{
    EXPECT_EQ(ask(frameBytes('N', 0, 0)), bytes({'N', 0, kDefaultSimSerialNumber}));
    sim.setSerialNumber(300);
    EXPECT_EQ(ask(frameBytes('N', 0, 0)), bytes({'N', 1, 44}));
    EXPECT_EQ(sim.state().serialNumber, 300);

    for (const char letter : {'G', 'E', 'S', 'y', 'Y', 'x', 'X', 'L', 'l'})
        EXPECT_EQ(ask(frameBytes(letter, 7, 200)), bytes({letter, 7, 200})) << letter;
    EXPECT_EQ(sim.commandCount('N'), 2);
    EXPECT_EQ(sim.commandCount('G'), 1);
    EXPECT_EQ(sim.totalCommandCount(), 11);
}

TEST_F(SimulatedInstrumentTest, IgnoresBadChecksAndUnknownLetters)
{
    EXPECT_TRUE(ask(bytes({0xFF, 'N', 0, 0, 0x4F}), 3, 100).isEmpty());
    EXPECT_TRUE(ask(frameBytes('Q', 1, 2), 3, 100).isEmpty());
    EXPECT_EQ(sim.rejectedFrameCount(), 1);
    EXPECT_EQ(sim.commandCount('N'), 0);
    EXPECT_EQ(sim.commandCount('Q'), 1);
    EXPECT_EQ(ask(frameBytes('N', 0, 0)).size(), 3);
}

TEST_F(SimulatedInstrumentTest, Faults)
{
    sim.setFault(Fault::silent('N'));
    EXPECT_TRUE(ask(frameBytes('N', 0, 0), 3, 100).isEmpty());
    EXPECT_EQ(ask(frameBytes('G', 0, 15)), bytes({'G', 0, 15})); // only N is silenced
    EXPECT_EQ(sim.commandCount('N'), 1);

    sim.setFault(Fault::garbleReply());
    EXPECT_EQ(ask(frameBytes('G', 0, 15)), bytes({0xB8, 0xFF, 0xF0}));

    sim.setFault(Fault::noAnswerOnFirstAttempt());
    EXPECT_TRUE(ask(frameBytes('G', 0, 15), 3, 100).isEmpty());
    EXPECT_EQ(ask(frameBytes('G', 0, 15)), bytes({'G', 0, 15}));     // the repetition
    EXPECT_TRUE(ask(frameBytes('E', 0, 23), 3, 100).isEmpty());      // a new command
    EXPECT_EQ(ask(frameBytes('E', 0, 23)), bytes({'E', 0, 23}));

    sim.setFault(Fault::lateReply(200));
    term.write(frameBytes('N', 0, 0));
    EXPECT_TRUE(term.read(3, 100).isEmpty());
    EXPECT_EQ(term.read(3, 1000).size(), 3);

    sim.setFault(Fault::none());
    EXPECT_EQ(ask(frameBytes('N', 0, 0)).size(), 3);
}

TEST_F(SimulatedInstrumentTest, PacesItsOutputToABaudRate)
{
    sim.setPacing(1200); // 120 bytes a second: 25 ms for three
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(ask(frameBytes('N', 0, 0)).size(), 3);
    EXPECT_GE(t.elapsed(), 20);
    EXPECT_LT(t.elapsed(), 500);
}

TEST_F(SimulatedInstrumentTest, StopsAtOnceEvenWhileWaitingToAnswer)
{
    sim.setFault(Fault::lateReply(10000));
    term.write(frameBytes('N', 0, 0));
    ASSERT_TRUE(sim.waitForCommandCount(1, 1000));
    QElapsedTimer t;
    t.start();
    sim.stop();
    EXPECT_LT(t.elapsed(), 500);
}

} // namespace
