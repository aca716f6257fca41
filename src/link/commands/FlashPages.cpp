#include "link/commands/FlashPages.h"

#include "core/CheckByte.h"
#include "core/Clock.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/protocol/ExchangeScope.h"
#include "link/protocol/CommandFrame.h"
#include "link/port/ModCOMM.h"
#include "link/protocol/ReplyReader.h"
#include "link/protocol/ReplyText.h"
#include "link/protocol/SendSteps.h"

#include <QColor>
#include <QStringList>

#include <algorithm>

namespace {

constexpr quint8 kPageReadBase = 0xF0;
constexpr int kPageReadTries = 3;
constexpr int kPageChunkBytes = 32;
constexpr int kPageReadCountdown = 5;

bool isByte(int value) { return value >= 0 && value <= 255; }
bool isBank(int bank) { return bank >= 0 && bank < kFlashBankCount; }

QString sentText(const CommandFrame& frame) { return QStringLiteral("snd:") + frame.characters(); }

QString noReplyText(int number) { return QStringLiteral("Empty/No response Headline") + QString::number(number); }

QString lengthText(qsizetype count) { return QStringLiteral("Len(Rx) = ") + QString::number(count); }

// A silent instrument costs seconds per reply: the window answers meanwhile.
ShortReplyOptions flashReplyOptions(int awaited)
{
    ShortReplyOptions options;
    options.awaited = awaited;
    options.eventsWhileWaiting = true;
    return options;
}

// A whole echo of another page byte than the one just sent: the late answer
// of a byte an unanswered try wrote before.
bool isStaleEcho(const ShortReply& echo, const CommandFrame& sent)
{
    const QByteArray expected = sent.toByteArray().mid(1, 3);
    return echo.size() == expected.size() && echo.at(0) == expected.at(0) && echo.at(1) != expected.at(1);
}

// The echo's bytes in decimal, one from the next told apart by ",".
QString separatedDecimals(const QByteArray& bytes)
{
    QStringList numbers;
    for (const char b : bytes)
        numbers << QString::number(static_cast<uchar>(b));
    return numbers.join(QLatin1Char(','));
}

// The page read's display: a byte above 32 as its character, any other as its
// value, each followed by ","; "Empty" when nothing came.
QString pageDisplay(int firstLine, const QByteArray& reply)
{
    QString text = QStringLiteral("C0L") + QString::number(firstLine) + QLatin1Char(':');
    if (reply.isEmpty())
        return text + QStringLiteral("Empty");
    for (const char b : reply) {
        const auto code = static_cast<uchar>(b);
        text += code > 32 ? QString(QChar(code)) : QString::number(code);
        text += QLatin1Char(',');
    }
    return text;
}

// Reads up to 100 bytes in chunks of at most 32, giving up after five passes
// in a row that bring nothing.
QByteArray readPageReply(LinkContext& ctx)
{
    QByteArray reply;
    QByteArray chunk;
    int countdown = kPageReadCountdown;
    while (reply.size() < kFlashPageReplyBytes && countdown >= 1) {
        const int wanted = std::min<int>(kPageChunkBytes, kFlashPageReplyBytes - static_cast<int>(reply.size()));
        if (ctx.comm.CommRead(ctx.globals.commPort, chunk, wanted) < 1) {
            ctx.clock.sleepMs(1);
        } else {
            reply += chunk;
            countdown = kPageReadCountdown;
        }
        --countdown;
    }
    return reply;
}

bool isGoodPageReply(const QByteArray& reply, quint8 a, quint8 firstLine)
{
    if (reply.size() != kFlashPageReplyBytes || reply.at(0) != 'F' || static_cast<quint8>(reply.at(1)) != a
        || static_cast<quint8>(reply.at(2)) != firstLine)
        return false;
    return xorCheckByte(QByteArrayView(reply).sliced(3, kFlashPageBytes))
        == static_cast<quint8>(reply.at(kFlashPageReplyBytes - 1));
}

// The data part of a reply: from its fourth byte on, cut or NUL padded to 96.
QByteArray pageData(const QByteArray& reply)
{
    QByteArray data = reply.mid(3).left(kFlashPageBytes);
    data.append(kFlashPageBytes - data.size(), '\0');
    return data;
}

} // namespace

FlashStep WriteFlashLine(LinkContext& outer, int line, const QByteArray& text)
{
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return FlashStep::Refused;
    LinkContext& ctx = exchange.context();
    // Only lines 0 to 3 lie inside the instrument's 96-byte page buffer.
    if (line < 0 || line >= kFlashPageLines)
        return FlashStep::Refused;
    QByteArray data = text.left(kFlashLineBytes);
    data.append(kFlashLineBytes - data.size(), '\0');
    // What an exchange left unanswered may have come meanwhile: it answers nothing of this line.
    ctx.comm.CommFlush(ctx.globals.commPort);

    for (int i = 0; i < kFlashLineBytes; ++i) {
        const int address = line * kFlashLineBytes + i;
        const auto byte = static_cast<uchar>(data.at(i));
        const CommandFrame frame = *makeCommandFrame('f', address, byte);
        ctx.console.setCommText(sentText(frame));
        writeFrame(ctx, frame, WriteWay::Whole);
        ctx.clock.sleepMs(10);
        ctx.clock.processEvents();

        ShortReply echo = readShortReply(ctx, flashReplyOptions(3));
        // An instrument that paused answers late: the echo of a byte an
        // unanswered try sent answers nothing of this byte, and is dropped when
        // this byte's own echo follows it. With nothing behind it, it is a wrong
        // echo and reported below.
        for (int stale = 0; isStaleEcho(echo, frame) && stale < kFlashPageBytes; ++stale) {
            const ShortReply next = readShortReply(ctx, flashReplyOptions(3));
            if (next.isEmpty())
                break;
            echo = next;
        }
        if (echo.isEmpty()) {
            ctx.console.setCommText(noReplyText(line));
            return FlashStep::NoReply;
        }
        if (echo != frame.toByteArray().mid(1, 3)) {
            ctx.prompts.message(QStringLiteral("instruction confirmation error:") + separatedDecimals(echo));
            // The rest of a late or stray reply must not pass for the next byte's echo.
            ctx.comm.CommFlush(ctx.globals.commPort);
        }
        QString shown = QStringLiteral("rcv(") + QString::number(address) + QStringLiteral("):");
        for (const char b : echo)
            shown += QLatin1Char(',') + QString::number(static_cast<uchar>(b));
        ctx.console.setCommText(shown);
        ctx.clock.sleepMs(1);
    }
    ctx.clock.processEvents();
    return FlashStep::Done;
}

FlashStep CommitFlashPage(LinkContext& outer, int bank, int firstLine)
{
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return FlashStep::Refused;
    LinkContext& ctx = exchange.context();
    if (!isBank(bank) || !isByte(firstLine))
        return FlashStep::Refused;
    const CommandFrame frame = *makeCommandFrame('F', bank, firstLine);
    ctx.console.setCommText(sentText(frame));
    // A late echo of the lines must not pass for the commit's answer.
    ctx.comm.CommFlush(ctx.globals.commPort);
    writeFrame(ctx, frame, WriteWay::Whole);
    ctx.clock.sleepMs(10);
    ctx.clock.processEvents();

    const ShortReply reply = readShortReply(ctx, flashReplyOptions(1));
    if (reply.isEmpty()) {
        ctx.console.setCommText(noReplyText(firstLine));
        return FlashStep::NoReply;
    }
    ctx.console.setCommText(QStringLiteral("rcv():") + QString::number(static_cast<uchar>(reply.at(0))));
    ctx.console.setLenRx(lengthText(reply.size()), Qt::black);
    // The instrument takes its time to store the page.
    ctx.comm.CommFlush(ctx.globals.commPort);
    ctx.clock.sleepMs(1);
    ctx.clock.processEvents();
    ctx.clock.sleepMs(100);
    ctx.clock.processEvents();
    ctx.clock.sleepMs(100);
    return FlashStep::Done;
}

FlashPage ReadFlashPage(LinkContext& outer, int bank, int firstLine)
{
    if (!outer.globals.portOpen)
        return {};
    ExchangeScope exchange(outer);
    if (exchange.refused())
        return {};
    LinkContext& ctx = exchange.context();
    // A page nobody can ask for: nothing is sent, and nothing is taken for data.
    if (!isBank(bank) || !isByte(firstLine))
        return {QByteArray(kFlashPageBytes, '\0'), false};

    const auto a = static_cast<quint8>(kPageReadBase + bank);
    const auto line = static_cast<quint8>(firstLine);
    const CommandFrame frame = *makeCommandFrame('F', a, line);
    QByteArray reply;
    bool good = false;
    for (int attempt = 0; attempt < kPageReadTries && !good; ++attempt) {
        ctx.comm.CommFlush(ctx.globals.commPort);
        ctx.clock.sleepMs(20);
        writeFrame(ctx, frame, WriteWay::Whole);
        ctx.clock.sleepMs(10);
        reply = readPageReply(ctx);
        good = isGoodPageReply(reply, a, line);
        if (!good) {
            ctx.clock.sleepMs(100);
            ctx.clock.processEvents();
        }
    }
    ctx.console.setCommText(pageDisplay(firstLine, reply));
    ctx.console.setLenRx(lengthText(reply.size()), Qt::black);
    return {pageData(reply), good};
}
