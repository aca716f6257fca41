#include "flash/PixelMaskUpload.h"
#include "link/protocol/ExchangeScope.h"
#include "plate/pixelsets/PixelMask.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

// A mask upload is one transfer: nothing a window event starts meanwhile gets
// between its blocks.
namespace {

class PixelMaskTransferGuard : public SimulatedLinkTest<FakeClock, RecordingConsole> {
protected:
    void SetUp() override
    {
        SimulatedLinkTest::SetUp();
        sim.setPacing(115200);
        connect();
        for (int line = 0; line < PixelMask::kSensorLines; ++line)
            for (int pixel = 0; pixel < PixelMask::kSensorPixels; ++pixel) {
                first.set(2, pixel, line, (pixel + line) % 3 == 0);
                second.set(4, pixel, line, (pixel * line) % 5 == 1);
            }
    }

    // The instrument got the 36 blocks of `mask` on `camera`, each header
    // followed by its whole data, in line order, and nothing else, from
    // received command `from` on.
    void expectWholeUpload(const PixelMask& mask, int camera, size_t from = 0)
    {
        const std::vector<SimCommand> got = sim.receivedCommands();
        ASSERT_EQ(got.size(), from + 72u);
        for (size_t i = 0; i < 72u; ++i) {
            const SimCommand& c = got[from + i];
            const int line = static_cast<int>(i / 2) * 4;
            ASSERT_EQ(c.letter, 'F') << i;
            ASSERT_EQ(c.a, camera) << i;
            ASSERT_EQ(c.b, line) << i;
            if (i % 2 == 0)
                ASSERT_TRUE(c.payload.isEmpty()) << i;
            else
                ASSERT_EQ(c.payload, PixelMaskBlock(mask, camera, line)) << i;
        }
        EXPECT_EQ(sim.state().pixelMasks.blocksStored, from == 0 ? 36 : 72);
    }

    PixelMask first;
    PixelMask second;
};

// "Apply to all" clicked again at different moments of the first upload:
// inside a block (between header and data) and in the rest after a block.
struct SecondClick {
    const char* when;
    QString commTextPrefix; // the event comes once the communication box shows this
};

class SecondUploadDuringUpload : public PixelMaskTransferGuard,
                                 public ::testing::WithParamInterface<SecondClick> {};

TEST_P(SecondUploadDuringUpload, IsRefusedAndTheFirstArrivesWhole)
{
    int secondResult = 1;
    int clicks = 0;
    clock.onTick = [&] {
        if (clicks == 0 && console.commText().startsWith(GetParam().commTextPrefix)) {
            ++clicks;
            secondResult = SendPixelMaskToFlash(ctx, second, 4);
        }
    };

    EXPECT_EQ(SendPixelMaskToFlash(ctx, first, 2), 0);
    clock.onTick = nullptr;

    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(secondResult, -1);
    EXPECT_EQ(console.statuses, QStringList{kLinkBusyText});
    expectWholeUpload(first, 2);
    // Only the upload that ran tells its count.
    EXPECT_EQ(prompts.messages.size(), 1);

    // Once the first is done the link is free again.
    EXPECT_EQ(SendPixelMaskToFlash(ctx, second, 4), 0);
    expectWholeUpload(second, 4, 72);
    EXPECT_EQ(prompts.messages.size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Moments, SecondUploadDuringUpload,
                         ::testing::Values(SecondClick{"header", QStringLiteral("snd:")},
                                           SecondClick{"afterBlock", QStringLiteral("rcv(20):")}),
                         [](const auto& moment) { return std::string(moment.param.when); });

TEST_F(PixelMaskTransferGuard, AStopEndsTheTransferAtABlockBoundary)
{
    clock.onTick = [&] {
        if (console.commText().startsWith(QStringLiteral("rcv(40):")))
            comm.guard().requestStop();
    };
    EXPECT_EQ(SendPixelMaskToFlash(ctx, first, 2), -1);
    clock.onTick = nullptr;

    // Blocks 0 to 40 went whole; nothing of the next one.
    const std::vector<SimCommand> got = sim.receivedCommands();
    ASSERT_EQ(got.size(), 22u);
    EXPECT_EQ(got.back().b, 40);
    EXPECT_EQ(got.back().payload, PixelMaskBlock(first, 2, 40));
    EXPECT_EQ(console.statuses.last(), QStringLiteral("Error"));
    EXPECT_TRUE(prompts.messages.isEmpty());
    // The stop belonged to that transfer.
    EXPECT_FALSE(comm.guard().held());
    EXPECT_FALSE(comm.guard().stopRequested());
}

} // namespace
