#include "Bytes.h"
#include "link/protocol/CommandFrame.h"
#include "link/protocol/ReplyText.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandFrame, BytesAndCheck)
{
    struct Case {
        std::optional<CommandFrame> frame;
        QByteArray expected;
    };
    const Case cases[] = {
        {makeCommandFrame('N', 0, 0), bytes({0xFF, 'N', 0, 0, 0x4E})},
        {makeWordFrame('G', 300), bytes({0xFF, 'G', 1, 44, 'G' ^ 1 ^ 44})},
        {makeWordFrame('G', 15), bytes({0xFF, 'G', 0, 15, 'G' ^ 15})},
        {makeWordFrame('E', 65535), bytes({0xFF, 'E', 255, 255, 'E'})},
        {makeCommandFrame('L', 255, 8), bytes({0xFF, 0x4C, 0xFF, 0x08, 0xBB})},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.frame.has_value());
        EXPECT_EQ(c.frame->toByteArray(), c.expected);
    }
}

TEST(CommandFrame, ArgumentsOutsideAByteMakeNoFrame)
{
    EXPECT_FALSE(makeCommandFrame('L', 256, 0));
    EXPECT_FALSE(makeCommandFrame('S', 0, -1));
    EXPECT_FALSE(makeWordFrame('G', -1)); // high byte -1
    EXPECT_FALSE(makeWordFrame('E', 65536));
    EXPECT_EQ(splitWord(-1).high, -1);
    EXPECT_EQ(splitWord(-1).low, 255);
}

TEST(CommandFrame, CharactersKeepEveryByte)
{
    const QString text = makeCommandFrame('N', 0, 0)->characters();
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text.at(0).unicode(), 0xFF);
    EXPECT_EQ(text.at(2).unicode(), 0);
}

TEST(ReplyText, Display)
{
    EXPECT_EQ(replyDisplayText({}), "Empty");
    EXPECT_EQ(replyDisplayText(bytes({'G', 0, 15})), "G;0;15");
    EXPECT_EQ(replyDisplayText(bytes({'N'})), "N");
    EXPECT_EQ(replyDisplayText(bytes({0xB8, 255})), QStringLiteral("\u00B8;255"));
}

TEST(ReplyText, DecimalRunHasNoSeparators)
{
    EXPECT_EQ(decimalRunText({}), "");
    EXPECT_EQ(decimalRunText(bytes({'F', 0, 4})), "7004");
    EXPECT_EQ(decimalRunText(bytes({255, 0x80})), "255128");
}

TEST(ReplyText, NumberValueIs32BitAndNoneWhenCut)
{
    EXPECT_EQ(numberReplyValue(bytes({'N', 0, 42})), 42);
    EXPECT_EQ(numberReplyValue(bytes({'N', 128, 1})), 32769);
    EXPECT_EQ(numberReplyValue(bytes({'N', 255, 255})), 65535);
    EXPECT_EQ(numberReplyValue(bytes({'N', 0})), -1);
    EXPECT_EQ(numberReplyValue({}), -1);
}

} // namespace
