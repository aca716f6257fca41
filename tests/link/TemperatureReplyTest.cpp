#include "Bytes.h"
#include "link/commands/TemperatureReply.h"

#include <gtest/gtest.h>

namespace {

TEST(TemperatureReply, DecodesBothLettersAndTheirValidRange)
{
    struct Case {
        QByteArray reply;
        double value;
        bool valid;
    };
    const Case cases[] = {
        {bytes({'T', 0x01, 0x90}), 25.0, true},     // 400 / 16
        {bytes({'T', 0x00, 0x01}), 0.0625, true},
        {bytes({'T', 0x00, 0x00}), 0.0, false},     // 0 is not a reading
        {bytes({'T', 0x06, 0x3F}), 99.9375, true},
        {bytes({'T', 0x06, 0x40}), 100.0, false},   // nor is 100
        {bytes({'T', 0xFF, 0xFF}), 4095.9375, false},
        {bytes({'t', 0x64, 0x00}), 20.0, true},     // 25600 / 1280
        {bytes({'t', 0xFA, 0x00}), 50.0, true},
        {bytes({'t', 0x00, 0x00}), 0.0, false},
        {bytes({'X', 0x01, 0x90}), 0.0, false},     // another letter has no value
    };
    for (const Case& c : cases) {
        const auto r = decodeTemperatureReply(c.reply);
        ASSERT_TRUE(r) << c.reply.toHex().constData();
        EXPECT_DOUBLE_EQ(r->value(), c.value) << c.reply.toHex().constData();
        EXPECT_EQ(r->valid(), c.valid) << c.reply.toHex().constData();
    }
    EXPECT_FALSE(decodeTemperatureReply(QByteArray()));
    EXPECT_FALSE(decodeTemperatureReply(bytes({'T', 0x01})));
}

TEST(TemperatureReply, ParseTakesOnlyTheLetterOfTheGeneration)
{
    struct Case {
        QByteArray reply;
        int generation;
        double reading;
    };
    const Case cases[] = {
        {bytes({'T', 0x01, 0x90}), 2, 25.0},
        {bytes({'T', 0x01, 0x90}), 1, 0.0},   // "T" on the first generation is no reading here
        {bytes({'t', 0x64, 0x00}), 1, 20.0},
        {bytes({'t', 0x64, 0x00}), 2, 0.0},
        {bytes({'T', 0x06, 0x40}), 2, 0.0},   // out of range
        {bytes({'t', 0x00, 0x00}), 1, 0.0},
        {bytes({'N', 0x01, 0x90}), 2, 0.0},
        {bytes({'T', 0x01}), 2, 0.0},         // cut short
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseTemperatureReply(c.reply, c.generation), c.reading)
            << c.reply.toHex().constData() << " generation " << c.generation;
}

} // namespace
