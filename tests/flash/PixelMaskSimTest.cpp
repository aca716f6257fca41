#include "flash/PixelMaskUpload.h"
#include "lib/FrameParser.h"
#include "link/Bytes.h"
#include "plate/pixelsets/PixelMask.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"

#include <cmath>
#include <gtest/gtest.h>

// The mask upload against the simulated instrument, and how the instrument
// tells a block's data from commands.
namespace {

TEST(FrameParser, TheDataAfterAMaskBlockHeaderIsNoCommand)
{
    FrameParser parser;
    parser.setUnframedLetters({'F'});
    parser.setUnframedPayloads({{'F', [](const SimCommand& h) { return h.a <= 6 ? 96 : 0; }}});

    // Data that looks like a frame and like another header.
    QByteArray data(96, '\0');
    data.replace(10, 5, bytes({0xFF, 'N', 0, 0, 'N'}));
    data.replace(40, 3, bytes({'F', 0, 8}));
    const QByteArray header = bytes({'F', 0, 4});
    const QByteArray next = bytes({0xFF, 'N', 0, 0, 'N'});

    // The header is taken as soon as it is complete, its data when the last byte came.
    EXPECT_EQ(parser.feed(header + data.left(50)), (std::vector<SimCommand>{{'F', 0, 4, false}}));
    EXPECT_EQ(parser.feed(data.mid(50) + next),
              (std::vector<SimCommand>{{'F', 0, 4, false, data}, {'N', 0, 0}}));
    // A header naming no mask announces no data.
    EXPECT_EQ(parser.feed(bytes({'F', 0xF2, 4}) + next),
              (std::vector<SimCommand>{{'F', 0xF2, 4, false}, {'N', 0, 0}}));
    EXPECT_EQ(parser.takeRejected(), 0);
}

using PixelMaskSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST_F(PixelMaskSim, TheInstrumentKeepsTheMaskItWasSent)
{
    connect();
    PixelMask mask;
    int enabled = 0;
    for (int line = 0; line < PixelMask::kSensorLines; ++line)
        for (int pixel = 0; pixel < PixelMask::kSensorPixels; ++pixel) {
            // A disc, and a byte pattern that holds 0xFF and "F" (0x46) in the data.
            const bool on = std::hypot(pixel - 95, line - 70) < 30 || (line == 3 && pixel < 8)
                            || (line == 5 && (pixel == 1 || pixel == 2 || pixel == 6));
            mask.set(2, pixel, line, on);
            enabled += on ? 1 : 0;
        }

    EXPECT_EQ(SendPixelMaskToFlash(ctx, mask, 2), 0);

    const SimPixelMasks kept = sim.state().pixelMasks;
    EXPECT_EQ(kept.blocksStored, 36);
    for (int line = 0; line < SimPixelMasks::kLines; ++line)
        for (int pixel = 0; pixel < SimPixelMasks::kLineBytes * 8; ++pixel)
            ASSERT_EQ(kept.enabled(2, line, pixel), mask.enabled(2, pixel, line)) << line << "," << pixel;
    EXPECT_EQ(kept.enabledCount(0), 0);

    // 36 headers, each followed by its data; nothing else came in.
    std::vector<int> firstLines;
    for (const SimCommand& c : sim.receivedCommands()) {
        ASSERT_EQ(c.letter, 'F');
        ASSERT_FALSE(c.framed);
        ASSERT_EQ(c.a, 2);
        if (c.payload.isEmpty())
            firstLines.push_back(c.b);
        else
            EXPECT_EQ(c.payload, PixelMaskBlock(mask, 2, c.b));
    }
    ASSERT_EQ(firstLines.size(), 36u);
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(firstLines[static_cast<size_t>(i)], 4 * i);
    EXPECT_EQ(sim.totalCommandCount(), 72);

    EXPECT_EQ(console.commText(), "rcv(140):70/70");
    EXPECT_TRUE(console.statuses.isEmpty());
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("quantity activated=%1").arg(enabled)}));
}

} // namespace
