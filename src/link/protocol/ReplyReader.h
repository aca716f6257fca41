#pragma once

#include "link/protocol/CommandFrame.h"
#include "link/protocol/LinkContext.h"
#include "link/protocol/SendSteps.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The bytes read after a command, one byte per poll.
using ShortReply = QByteArray;

struct ShortReplyOptions {
    int awaited = 3;      // 1 for camera selection and the flash commit
    int countdown = 10;   // empty polls in a row before giving up (20 for the advanced gain)
    int emptyPauseMs = 1; // pause after an empty poll
    int readSize = 1;     // bytes asked of each poll; the unframed reads ask the whole reply
    bool eventsWhileWaiting = false; // window events run after every empty poll (the flash writes)
};

// Polls the port (one byte at a time unless readSize says otherwise) until
// `awaited` bytes came or the countdown ran out; every poll that brings bytes
// resets the countdown, every poll takes one off.
ShortReply readShortReply(LinkContext& ctx, const ShortReplyOptions& options = {});

// How a command with an echo is sent and its reply judged.
struct EchoOptions {
    QString acceptedLetters; // the display text must begin with one of these
    WriteWay way = WriteWay::Whole;
    int bytePauseMs = 1; // after each byte when written byte by byte
    ShortReplyOptions read;
    // Show each try's reply as it comes, not only the last one.
    bool showEveryTry = false;
    // The reply's display text; replyDisplayText when not set.
    std::function<QString(const QByteArray&)> display;
    // Judges the display text; by acceptedLetters when not set.
    std::function<bool(const QString&)> accepts;

    // The usual case: whole write, three bytes, accepted on these letters.
    static EchoOptions accepting(const QString& letters)
    {
        EchoOptions options;
        options.acceptedLetters = letters;
        return options;
    }
};

// The outcome of an echo exchange.
struct EchoReply {
    bool accepted = false;
    int sends = 0;
    QByteArray bytes;  // the last reply
    QString display;   // its display text, left in the window's communication box
};

inline constexpr int kEchoSends = 3;
inline constexpr int kEchoRetryPauseMs = 10;

// Sends the frame up to three times, reading a short reply after each send,
// until a reply is accepted; a try that is not accepted is followed by 10 ms.
// Nothing received is never accepted. The last display text goes into txt_in.
EchoReply sendForEchoReply(LinkContext& ctx, const CommandFrame& frame, const EchoOptions& options);

// The outcome of a number exchange (serial number, instrument identifier).
struct NumberReply {
    qint32 value = -1; // high times 256 plus low; -1 when none came or it was cut short
    QByteArray bytes;
    QString display;   // "Empty", or "in:" and the reply's display text, cut replies too
    // Bytes came, but too few to make a number: the sender reports "error".
    bool tooShort() const { return !bytes.isEmpty() && value < 0; }
};

// One whole write of the frame and one short reply of 3 bytes; the display
// goes into txt_in.
NumberReply sendForNumberReply(LinkContext& ctx, const CommandFrame& frame);
