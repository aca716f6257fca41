#include "FlashBench.h"
#include "flash/FlashLayout.h"
#include "flash/FlashSectionRead.h"
#include "link/commands/FlashPages.h"
#include "link/protocol/ExchangeScope.h"

#include <gtest/gtest.h>

// A section's read-back is one transfer: nothing a window event starts
// meanwhile gets between its pages, and closing the window ends it between two.
namespace {

constexpr quint8 kReadLedXyPages = 0xF0 + kLedXyBank;

// The first lines of the page reads the instrument got, in order.
QList<int> pagesAsked(const SimulatedInstrument& sim, quint8 a)
{
    QList<int> lines;
    for (const SimCommand& c : sim.receivedCommands())
        if (c.letter == 'F' && c.a == a)
            lines << c.b;
    return lines;
}

TEST(FlashReadTransfer, AReadAWindowEventStartsBetweenPagesIsRefused)
{
    FlashBench bench;
    ASSERT_TRUE(bench.start());
    const FlashSection& section = ledXySection();
    // The click comes in the pause after the third page, as the LED reader makes one.
    bool pausing = false;
    std::optional<FlashPage> second;
    bench.clock.onTick = [&] {
        if (pausing && !second)
            second = ReadFlashPage(bench.ctx, kWellFormatBank, 0);
    };
    const FlashPageStep pause = [&](LinkContext& held, int firstLine) {
        pausing = firstLine == section.pageLines().at(2);
        held.clock.sleepMs(100);
        pausing = false;
    };
    FlashPageTally tally;
    const std::optional<QByteArray> read = readFlashSection(bench.ctx, section, pause, &tally);
    bench.clock.onTick = nullptr;

    ASSERT_TRUE(second);
    EXPECT_TRUE(second->data.isEmpty());
    EXPECT_TRUE(bench.console.statuses.contains(kLinkBusyText));
    EXPECT_TRUE(read);
    EXPECT_EQ(tally.unanswered, 0);
    // Every page of the section and nothing else, in order.
    EXPECT_EQ(bench.sim.totalCommandCount(), section.pages);
    EXPECT_EQ(pagesAsked(bench.sim, kReadLedXyPages), section.pageLines());
    EXPECT_FALSE(bench.comm.guard().held());
}

TEST(FlashReadTransfer, ASectionReadCannotCutIntoAnotherExchange)
{
    FlashBench bench;
    ASSERT_TRUE(bench.start());
    std::optional<std::optional<QByteArray>> nested;
    FlashPageTally tally;
    bench.clock.onTick = [&] {
        if (!nested)
            nested = readFlashSection(bench.ctx, ledXySection(), {}, &tally);
    };
    EXPECT_TRUE(ReadFlashPage(bench.ctx, kWellFormatBank, 0).good);
    bench.clock.onTick = nullptr;

    ASSERT_TRUE(nested);
    EXPECT_FALSE(*nested);
    // Nothing was read, so what the flash holds there is unknown.
    EXPECT_EQ(tally.unanswered, ledXySection().pages);
    EXPECT_EQ(bench.sim.totalCommandCount(), 1);
}

TEST(FlashReadTransfer, ClosingTheWindowEndsTheReadBetweenTwoPages)
{
    FlashBench bench;
    ASSERT_TRUE(bench.start());
    const FlashSection& section = ledXySection();
    int stopAsked = 0;
    bench.clock.onTick = [&] {
        if (stopAsked == 0 && bench.sim.commandCount('F') >= 5) {
            stopAsked = bench.sim.commandCount('F');
            bench.comm.guard().requestStop();
        }
    };
    FlashPageTally tally;
    const std::optional<QByteArray> read = readFlashSection(bench.ctx, section, {}, &tally);
    bench.clock.onTick = nullptr;

    EXPECT_FALSE(read);
    // The page under way when the stop came is read whole; no other starts.
    const QList<int> asked = pagesAsked(bench.sim, kReadLedXyPages);
    ASSERT_GE(stopAsked, 5);
    EXPECT_GE(asked.size(), stopAsked);
    EXPECT_LE(asked.size(), stopAsked + 1);
    EXPECT_EQ(asked, section.pageLines().first(asked.size()));
    EXPECT_EQ(tally.unanswered, section.pages - asked.size());
    EXPECT_FALSE(bench.comm.guard().held());
    EXPECT_FALSE(bench.comm.guard().stopRequested());
}

} // namespace
