#include "acquisition/run/RunLoopText.h"

#include <gtest/gtest.h>

// The texts the run loop shows in its boxes and its error message.
namespace {

TEST(RunLoopText, ElapsedTimeInDaysHoursMinutesAndSeconds)
{
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "[00] 00:00.00"},
        {3909, "[00] 01:05.09"},       // one hour, five minutes, nine seconds
        {59.99, "[00] 00:00.59"},      // seconds are whole seconds gone
        {86399, "[00] 23:59.59"},
        {86400 + 61.5, "[01] 00:01.01"}, // a day gone shows in the brackets
        {12 * 86400, "[12] 00:00.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(elapsedTimeText(c.seconds), QString(c.text)) << c.seconds;
}

TEST(RunLoopText, StatusLengthAndErrorTexts)
{
    EXPECT_EQ(sampleStatusText(2, 1, 0, 4), "[Scan3_C2.0] Frame #4/10");
    EXPECT_EQ(sampleStatusText(0, 5, 1, 10), "[Scan1_C6.1] Frame #10/10");
    EXPECT_EQ(frameLengthText(21060), "21060bytes");
    EXPECT_EQ(frameLengthText(5), "5bytes");
    EXPECT_EQ(frameLengthText(0), "0bytes");
    EXPECT_EQ(communicationErrorText(0, 3909), "Communication Error CAM0 [00] 01:05.09");
}

} // namespace
