#include "FrameReplyBytes.h"
#include "link/frames/FrameCut.h"
#include "link/frames/FrameLayout.h"
#include "link/frames/FrameTransfer.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameTransferTest, RequestCarriesCameraAndModeWithTheCheckByte)
{
    EXPECT_EQ(makeFrameRequest(3, kFrameModeFull)->toByteArray(), QByteArray("\xFF\x43\x03\x2B\x6B", 5));
    EXPECT_EQ(makeFrameRequest(0, kFrameModeEveryFifth)->toByteArray(), QByteArray("\xFF\x43\x00\x41\x02", 5));
}

TEST(FrameTransferTest, ExpectedLengthOfEveryMode)
{
    struct Case {
        char mode;
        FrameGeometry g;
        qint32 expected;
    };
    const Case cases[] = {
        {'+', {35, 46, 0}, 1611},
        {'A', {35, 46, 0}, 80}, // (9 + 2) * 7 + 3
        {'+', {35, 46, 1}, 1646},
        {'A', {35, 46, 1}, 87},
        {'-', {17, 23, 0}, 392},   // read like "+"
        {'0', {35, 46, 0}, 1611},  // so is any other letter
        {'+', {192, 193, 32767}, (193 + 32767) * 192 + 1}, // beyond 16 bits, no overflow
        {'A', {4, 4, 0}, 3},       // no whole row of samples
    };
    for (const Case& c : cases)
        EXPECT_EQ(expectedFrameLength(c.mode, c.g), c.expected) << c.mode << " " << c.g.lines << "x" << c.g.pixels;
}

TEST(FrameTransferTest, SetUpsOutsideTheFrameBufferAreRefusedWithTheReason)
{
    struct Case {
        FrameSetup setup;
        const char* refusal; // nullptr: accepted
    };
    const Case cases[] = {
        {{0, {1, 1, 0}}, nullptr},
        {{6, {192, 193, 32767}}, nullptr},
        {{7, {35, 46, 0}}, "Frame not read: camera must be 0 to 6, not 7"},
        {{-1, {35, 46, 0}}, "Frame not read: camera must be 0 to 6, not -1"},
        {{0, {0, 46, 0}}, "Frame not read: lines must be 1 to 192, not 0"},
        {{0, {193, 46, 0}}, "Frame not read: lines must be 1 to 192, not 193"},
        {{0, {35, 194, 0}}, "Frame not read: pixels must be 1 to 193, not 194"},
        {{0, {35, -3, 0}}, "Frame not read: pixels must be 1 to 193, not -3"},
        {{0, {35, 46, -1}}, "Frame not read: #CRC must be 0 to 32767, not -1"},
    };
    for (const Case& c : cases) {
        const auto refusal = frameSetupRefusal(c.setup);
        if (c.refusal)
            EXPECT_EQ(refusal.value_or("accepted"), c.refusal);
        else
            EXPECT_FALSE(refusal) << refusal->toStdString();
    }
}

TEST(FrameTransferTest, BoxesAreTakenByTheirLeadingNumber)
{
    CameraBoxes boxes;
    boxes.txt_cam = "2";
    boxes.txt_lines = " 35 lines";
    boxes.txt_pix = "45.5"; // halves to even
    const QString crc = "1";
    const FrameSetup s = frameSetupFromBoxes(boxes, &crc);
    EXPECT_EQ(s.camera, 2);
    EXPECT_EQ(s.geometry.lines, 35);
    EXPECT_EQ(s.geometry.pixels, 46);
    EXPECT_EQ(s.geometry.lineCheckBytes, 1);
    EXPECT_EQ(frameSetupFromBoxes(boxes).geometry.lineCheckBytes, 0);

    boxes.txt_lines = "99999999999999999999"; // far beyond any box, never wrapped into range
    EXPECT_TRUE(frameSetupRefusal(frameSetupFromBoxes(boxes)));
}

TEST(FrameTransferTest, FullWindowPixelsLandMirroredAndMissingOnesEmpty)
{
    const FrameGeometry g{35, 46, 0};
    const QByteArray reply = fullFrameReply(35, 46, 0, patternValue);
    FrameImage image;
    image.set(2, 0, 0, 9);    // x 0 is never written
    image.set(2, 36, 5, 9);   // beyond the rectangle
    image.set(3, 1, 45, 9);   // another plane
    placeFrame(image, 2, '+', g, reply);

    EXPECT_EQ(image.cell(2, 1, 45), patternValue(0, 1)); // p = 1 of line 0 at [1][P - 1]
    EXPECT_EQ(image.cell(2, 1, 0), patternValue(0, 46)); // p = P at [1][0]
    EXPECT_EQ(image.cell(2, 35, 0), patternValue(34, 46));
    EXPECT_EQ(image.cell(2, 0, 0), 9);
    EXPECT_EQ(image.cell(2, 36, 5), 9);
    EXPECT_EQ(image.cell(3, 1, 45), 9);

    // A reply cut short: the lines that did not come become empty, the closing
    // check byte is never placed.
    placeFrame(image, 2, '+', g, reply.left(46 * 10 + 3));
    EXPECT_EQ(image.cell(2, 11, 45), patternValue(10, 1));
    EXPECT_EQ(image.cell(2, 11, 43), patternValue(10, 3));
    EXPECT_FALSE(image.cell(2, 11, 42));
    EXPECT_FALSE(image.cell(2, 35, 0));
    placeFrame(image, 2, '-', g, QByteArray());
    EXPECT_FALSE(image.cell(2, 1, 45));
}

TEST(FrameTransferTest, PerLineCheckBytesWidenTheStrideAndAreNotPlaced)
{
    const FrameGeometry g{35, 46, 1};
    const QByteArray reply = fullFrameReply(35, 46, 1, patternValue);
    ASSERT_EQ(reply.size(), expectedFrameLength('+', g));
    FrameImage image;
    placeFrame(image, 0, '+', g, reply);
    for (const int line : {0, 1, 34})
        EXPECT_EQ(image.cell(0, line + 1, 45), patternValue(line, 1)) << line; // line i starts at 47 i + 1
}

TEST(FrameTransferTest, EveryFifthSamplesLandOnEveryFifthCellAndTheRestIsEmpty)
{
    const FrameGeometry g{35, 46, 0};
    QByteArray body("\x07\x09", 2);
    for (int i = 0; i < 7; ++i) {
        for (int k = 1; k <= 9; ++k)
            body += static_cast<char>(10 * i + k);
        body += QByteArray("\xEE\xEE", 2); // carried, not placed
    }
    const QByteArray reply = closedByCheckByte(body);
    ASSERT_EQ(reply.size(), 80);
    FrameImage image;
    image.set(1, 2, 40, 9);
    placeFrame(image, 1, 'A', g, reply);
    int placed = 0;
    for (int x = 1; x <= 35; ++x)
        for (int y = 0; y < 46; ++y)
            if (const auto v = image.cell(1, x, y)) {
                ++placed;
                ASSERT_EQ((x - 1) % 5, 0) << x;
                ASSERT_EQ((46 - y) % 5, 0) << y;
                EXPECT_EQ(*v, 10 * ((x - 1) / 5) + (46 - y) / 5) << x << "," << y;
            }
    EXPECT_EQ(placed, 63);
    EXPECT_EQ(image.cell(1, 31, 1), 69); // the last sample of the last row
    EXPECT_FALSE(image.cell(1, 2, 40));

    // Any other mode letter places nothing.
    placeFrame(image, 1, '0', g, QByteArray(1611, '\x05'));
    EXPECT_EQ(image.cell(1, 1, 41), 1);
}

TEST(FrameTransferTest, DumpShowsPixelsLineCheckBytesAsZeroAndTheClosingByte)
{
    const QByteArray reply = closedByCheckByte(QByteArray("\x01\x02\x03\x04\x05\x06", 6));
    // L 2, P 2, E 1: "1;2;0;" and "4;5;0;", then the check byte on line L.
    EXPECT_EQ(frameDump(reply, {2, 2, 1}), "1;2;0;\r\n4;5;0;\r\n7;\r\n");
    // Cut short: what did not come adds nothing, every line still ends.
    EXPECT_EQ(frameDump(reply.left(4), {2, 2, 1}), "1;2;0;\r\n4;\r\n\r\n");
    EXPECT_EQ(frameDump(QByteArray(), {2, 2, 0}), "\r\n\r\n\r\n");
}

TEST(FrameTransferTest, CutTakesEachWellColumnsLinesFromTheFirstColumnsStart)
{
    // 10 lines of R = 3 bytes: line n holds n, n, n.
    QByteArray body;
    for (int line = 0; line < 10; ++line)
        body += QByteArray(3, static_cast<char>(line));
    const QByteArray reply = closedByCheckByte(body);

    struct Case {
        const char* name;
        FrameCutLayout layout;
        std::optional<QByteArray> cut;
    };
    const auto lines = [](std::initializer_list<int> ns) {
        QByteArray b;
        for (const int n : ns)
            b += QByteArray(3, static_cast<char>(n));
        return b;
    };
    const Case cases[] = {
        {"adjoining columns: R * (last end - first start)", {3, {{5, 8}, {8, 12}, {12, 15}}},
         lines({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {"a gap between columns is dropped", {3, {{5, 7}, {9, 11}}}, lines({0, 1, 4, 5})},
        {"a column starting before the first", {3, {{5, 7}, {4, 6}}}, std::nullopt},
        {"a column running past the frame", {3, {{5, 7}, {12, 16}}}, std::nullopt},
        {"a column ending before its start", {3, {{5, 7}, {8, 6}}}, std::nullopt},
        {"the check byte is not a frame byte", {4, {{0, 8}}}, std::nullopt},
        {"no rows", {0, {{5, 8}}}, std::nullopt},
        {"no columns", {3, {}}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cutFrame(reply, c.layout), c.cut) << c.name;
}

} // namespace
