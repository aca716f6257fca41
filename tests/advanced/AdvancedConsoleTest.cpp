#include "link/ScriptedLink.h"
#include "support/RecordingConsole.h"
#include "support/SimulatedLink.h"
#include "advanced/AdvancedConsole.h"
#include "link/protocol/SendSteps.h"

#include <gtest/gtest.h>

// The raw command console of the advanced page.
namespace {

// The page's console parts, the boxes at their design values (35 lines, 46 pixels, no extra bytes).
struct ConsolePage {
    CameraBoxes boxes = CameraBoxes::advancedPage();
    QString txt_crc = QStringLiteral("0");
    PageFrameGeometry geometry;
    FrameImage image;
    PictureCanvas canvas{143, 183};
    FramePicture picture{canvas, boxes, image};
    AdvancedConsolePage parts{boxes, txt_crc, geometry, image, picture, canvas};
};

// A console over a scripted port where every byte written is a command.
struct ConsoleRig : ConsolePage {
    ConsoleRig()
    {
        s.connect();
        s.line.bytesPerCommand = 1;
    }
    ConsoleTransmit transmit(const QString& text)
    {
        boxes.txtprogram = text;
        return transmitConsoleText(s.ctx, parts, stop);
    }
    ScriptedLink s;
    bool stop = false;
};

QByteArray pattern(int size)
{
    QByteArray b;
    for (int i = 0; i < size; ++i)
        b += static_cast<char>(i % 251);
    return b;
}

QStringList rowsOf(const QString& table)
{
    QStringList rows = table.split(QStringLiteral("\r\n"));
    EXPECT_EQ(rows.last(), QString()); // every row ends with CR LF
    rows.removeLast();
    return rows;
}

TEST(AdvancedConsole, RepliesByTheLastCharacterSent)
{
    struct Case {
        const char* name;
        QString text;
        QByteArray reply;
        qint32 expected;
        int received;
    };
    const Case cases[] = {
        {"frame of the geometry", "1", pattern(1611), 1611, 1611},
        {"full window", "+", pattern(25845), 142 * 182 + 1, 25845},
        {"counted", "0", bytes({0, 5, 1, 2, 3, 4, 5}), 7, 7},
        {"counted, more than announced", "0", bytes({0, 1, 9, 9, 9}), 3, 3},
        {"silent", "0", {}, 46 * 35, 0},
        {"short", "ab1", pattern(100), 1611, 100},
    };
    for (const Case& c : cases) {
        ConsoleRig r;
        r.s.line.script(c.reply);
        const ConsoleTransmit t = r.transmit(c.text);
        EXPECT_EQ(t.outcome, ConsoleOutcome::Read) << c.name;
        EXPECT_EQ(t.expected, c.expected) << c.name;
        EXPECT_EQ(t.reply.size(), c.received) << c.name;
        EXPECT_EQ(r.s.line.written, c.text.toLatin1()) << c.name;
        EXPECT_EQ(r.s.console.lenRx(), QStringLiteral("LEN(Rx) = %1").arg(c.received)) << c.name;
        // N + 1 rows whatever came.
        EXPECT_EQ(rowsOf(r.s.console.commText()).size(), 36) << c.name;
    }
}

TEST(AdvancedConsole, ByteTableRows)
{
    ConsoleRig r;
    r.s.line.script(pattern(1611));
    r.transmit("1");
    const QStringList rows = rowsOf(r.s.console.commText());
    ASSERT_EQ(rows.size(), 36);
    QString first;
    for (int j = 0; j < 46; ++j)
        first += QString::number(j) + QLatin1Char(';');
    EXPECT_EQ(rows[0], first);
    // The last row holds the closing byte alone: byte 1611 is 1610 % 251.
    EXPECT_EQ(rows[35], QStringLiteral("104;"));

    // Silence: 36 empty rows.
    ConsoleRig silent;
    silent.transmit("0");
    EXPECT_EQ(silent.s.console.commText(), QString("\r\n").repeated(36));
    EXPECT_EQ(silent.s.console.lenRx(), "LEN(Rx) = 0");
}

TEST(AdvancedConsole, ExtraBytesShowAsZero)
{
    ConsoleRig r;
    r.txt_crc = "1";
    QByteArray reply = pattern(47 * 35 + 1);
    reply[46] = static_cast<char>(200); // the first line's extra byte
    r.s.line.script(reply);
    EXPECT_EQ(r.transmit("1").expected, 47 * 35 + 1);
    const QStringList rows = rowsOf(r.s.console.commText());
    EXPECT_TRUE(rows[0].endsWith("44;45;0;"));
    EXPECT_EQ(rows[0].count(QLatin1Char(';')), 47);
}

TEST(AdvancedConsole, FullWindowReplyIsStoredWithItsPixelsReversed)
{
    ConsoleRig r;
    r.boxes.txt_cam = "2";
    r.boxes.txt_lines = "2";
    r.boxes.txt_pix = "3";
    r.txt_crc = "1";
    r.s.line.script(bytes({10, 11, 12, 13, 14, 15, 16, 17, 18}));
    r.image.set(2, 0, 0, 99);
    const ConsoleTransmit t = r.transmit("+");
    EXPECT_EQ(t.expected, 25845);
    EXPECT_EQ(t.reply.size(), 9);
    // Line i at x = i, pixel j at y = (P + E) - j; the extra byte is not stored.
    EXPECT_EQ(r.image.cell(2, 0, 3), 10);
    EXPECT_EQ(r.image.cell(2, 0, 2), 11);
    EXPECT_EQ(r.image.cell(2, 0, 1), 12);
    EXPECT_EQ(r.image.cell(2, 0, 0), 99); // left as it was
    EXPECT_EQ(r.image.cell(2, 1, 3), 14);
    EXPECT_EQ(r.image.cell(2, 1, 1), 16);
    EXPECT_EQ(r.image.cell(2, 2, 3), 18);
    EXPECT_FALSE(r.image.cell(2, 2, 2).has_value());
    EXPECT_EQ(r.geometry.frameLineCount, 2);
    EXPECT_EQ(r.geometry.frameExtraBytes, 1);
    // The picture is cleared at the end.
    EXPECT_EQ(r.canvas.pixel(70, 90), r.canvas.backColor);

    // Another last character stores nothing.
    ConsoleRig other;
    other.s.line.script(bytes({10, 11, 12}));
    other.transmit("9");
    EXPECT_FALSE(other.image.cell(0, 0, 45).has_value());
}

TEST(AdvancedConsole, BoxesBeyondTheFrameBufferAreRefused)
{
    struct Case {
        const char* name;
        const char* lines;
        const char* pixels;
        const char* crc;
        const char* cam;
        const char* xfin;
        const char* text;
    };
    const Case cases[] = {
        {"193 lines", "193", "46", "0", "0", "142", "1"},
        {"pixels and extra over 193", "35", "190", "4", "0", "142", "1"},
        {"fractional lines", "2.5", "46", "0", "0", "142", "1"},
        {"camera 7", "35", "46", "0", "7", "142", "1"},
        {"camera text", "35", "46", "0", "a", "142", "1"},
        {"window of 300 lines", "35", "46", "0", "0", "299", "+"},
    };
    for (const Case& c : cases) {
        ConsoleRig r;
        r.boxes.txt_lines = c.lines;
        r.boxes.txt_pix = c.pixels;
        r.txt_crc = c.crc;
        r.boxes.txt_cam = c.cam;
        r.boxes.txt_xfin = c.xfin;
        EXPECT_EQ(r.transmit(c.text).outcome, ConsoleOutcome::Refused) << c.name;
        EXPECT_TRUE(r.s.line.written.isEmpty()) << c.name;
        EXPECT_TRUE(r.s.console.status().startsWith("Not sent: ")) << c.name;
        EXPECT_EQ(r.s.console.lenRx(), "Len(Rx) = 0") << c.name;
    }

    // The largest that fits: 192 lines of 190 pixels and 3 extra bytes.
    ConsoleRig largest;
    largest.boxes.txt_lines = "192";
    largest.boxes.txt_pix = "190";
    largest.txt_crc = "3";
    EXPECT_EQ(largest.transmit("1").expected, 193 * 192 + 1);
}

TEST(AdvancedConsole, PortClosedAtTheStartOrWhileSending)
{
    ConsoleRig closed;
    closed.s.globals.portOpen = false;
    EXPECT_EQ(closed.transmit("1").outcome, ConsoleOutcome::PortClosed);
    EXPECT_EQ(closed.s.prompts.messages, QStringList{kPortNotOpenText});
    EXPECT_EQ(closed.s.console.lenRx(), "Reading...");

    // Closed during the events before the third character: silently over.
    ConsoleRig during;
    during.s.clock.onTick = [&] {
        if (during.s.clock.pumpCount() == 3)
            during.s.globals.portOpen = false;
    };
    EXPECT_EQ(during.transmit("abcd").outcome, ConsoleOutcome::StoppedSending);
    EXPECT_EQ(during.s.line.written, "ab");
    EXPECT_TRUE(during.s.prompts.messages.isEmpty());
    EXPECT_EQ(during.s.console.lenRx(), "Reading...");

    // The page closing ends a read that waits for its reply.
    ConsoleRig reading;
    reading.s.clock.onTick = [&] {
        if (reading.s.clock.sleepCount() == 4)
            reading.stop = true;
    };
    reading.transmit("1");
    EXPECT_EQ(reading.s.line.reads, 2); // two empty polls, then the stop
}

TEST(AdvancedConsole, EmptyTextStillWaitsForAFrame)
{
    ConsoleRig r;
    const qint64 before = r.s.clock.elapsedMs();
    const ConsoleTransmit t = r.transmit("");
    EXPECT_EQ(t.expected, 1611);
    EXPECT_TRUE(r.s.line.written.isEmpty());
    EXPECT_EQ(r.s.line.reads, 10);
    // Flush and 1 ms, then ten empty polls of 500 ms and 1 ms.
    EXPECT_EQ(r.s.clock.elapsedMs() - before, 1 + 10 * 501);
}

using ConsoleSim = SimulatedLinkTest<FakeClock, RecordingConsole>;

TEST_F(ConsoleSim, TypedBytesReachTheInstrumentAndSilenceEndsTheRead)
{
    connect();
    ConsolePage page;
    page.boxes.txtprogram = "ZZZ";
    const bool stop = false;
    const ConsoleTransmit t = transmitConsoleText(ctx, page.parts, stop);
    EXPECT_EQ(t.outcome, ConsoleOutcome::Read);
    EXPECT_EQ(sim.state().sensor.resetBytes, 3);
    EXPECT_EQ(console.lenRx(), "LEN(Rx) = 0");
}

} // namespace
