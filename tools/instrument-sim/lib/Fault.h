#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The ways the simulated instrument misbehaves on request. Each fault names
// the command letter it hurts (0: every letter), may be narrowed to one A and
// B, and fires a number of times or for good; the instrument counts how often
// each one fired.
enum class FaultKind {
    None,
    Silent,                 // takes the command in, does nothing, answers nothing
    Late,                   // answers after delayMs
    GarbledCheckByte,       // a frame's or page's closing check byte arrives inverted
    ShortFrame,             // a frame or page arrives without its last byte
    WrongFrameCheck,        // a byte inside a frame is spoilt, so its check byte no longer holds
    GarbledPage,            // a page's first data byte arrives inverted, its check byte as sent
    CutReply,               // only the first keepBytes bytes of the reply arrive (1 or 2)
    HangUp,                 // drops the line at the command
    HangUpMidReply,         // sends the first half of the reply, then drops the line
    GarbledReply,           // every reply byte inverted
    NoAnswerOnFirstAttempt, // ignores a command the first time, answers its repetition
};

struct Fault {
    FaultKind kind = FaultKind::None;
    char letter = 0;  // only commands of this letter; 0 for every command
    int times = 0;    // fires this often, then the instrument is sound again; 0 for ever
    int delayMs = 0;  // Late
    int keepBytes = 0; // CutReply
    std::optional<quint8> a; // only commands with this A
    std::optional<quint8> b; // only commands with this B

    static Fault make(FaultKind kind, char onlyLetter)
    {
        Fault f;
        f.kind = kind;
        f.letter = onlyLetter;
        return f;
    }
    static Fault none() { return {}; }
    static Fault silent(char onlyLetter = 0) { return make(FaultKind::Silent, onlyLetter); }
    static Fault lateReply(int ms, char onlyLetter = 0)
    {
        Fault f = make(FaultKind::Late, onlyLetter);
        f.delayMs = ms;
        return f;
    }
    static Fault garbledCheckByte(char onlyLetter = 0) { return make(FaultKind::GarbledCheckByte, onlyLetter); }
    static Fault shortFrame(char onlyLetter = 0) { return make(FaultKind::ShortFrame, onlyLetter); }
    static Fault wrongFrameCheck(char onlyLetter = 0) { return make(FaultKind::WrongFrameCheck, onlyLetter); }
    static Fault garbledPage(char onlyLetter = 0) { return make(FaultKind::GarbledPage, onlyLetter); }
    static Fault oneByteReply(char onlyLetter = 0) { return cutReply(1, onlyLetter); }
    static Fault twoByteReply(char onlyLetter = 0) { return cutReply(2, onlyLetter); }
    static Fault cutReply(int keep, char onlyLetter = 0)
    {
        Fault f = make(FaultKind::CutReply, onlyLetter);
        f.keepBytes = keep;
        return f;
    }
    static Fault hangUp(char onlyLetter = 0) { return make(FaultKind::HangUp, onlyLetter); }
    static Fault garbleReply(char onlyLetter = 0) { return make(FaultKind::GarbledReply, onlyLetter); }
    static Fault hangUpMidReply(char onlyLetter = 0) { return make(FaultKind::HangUpMidReply, onlyLetter); }
    static Fault noAnswerOnFirstAttempt(char onlyLetter = 0)
    {
        return make(FaultKind::NoAnswerOnFirstAttempt, onlyLetter);
    }

    // The same fault, firing only `count` times.
    Fault only(int count) const
    {
        Fault f = *this;
        f.times = count;
        return f;
    }
    // The same fault, only for commands with these A and B.
    Fault onArguments(quint8 onlyA, quint8 onlyB) const
    {
        Fault f = *this;
        f.a = onlyA;
        f.b = onlyB;
        return f;
    }
    // The same fault, only for the framed read of one flash page.
    Fault onFlashPage(int bank, int firstLine) const
    {
        return onArguments(static_cast<quint8>(0xF0 + bank), static_cast<quint8>(firstLine));
    }
};

// Whether the fault hurts a command of this letter, A and B (its count aside).
bool faultApplies(const Fault& fault, quint8 letter, quint8 a, quint8 b);

// The reply as a fault that shapes reply bytes lets it arrive. Frame and page
// faults only touch replies longer than the three-byte short replies; a
// kind that does not shape bytes leaves the reply as it is.
QByteArray spoilReply(const Fault& fault, QByteArray reply);

// Whether spoilReply changes this reply.
bool spoilsReply(const Fault& fault, const QByteArray& reply);

// The fault a "kind[:letter]" text names, as the executable takes it, e.g.
// "silent:N", "short-frame:C", "hang-up"; none for an unknown kind or a
// letter of more than one character. A late reply waits `lateMs`.
std::optional<Fault> parseFault(const QString& text, int lateMs = 3000);

// The kinds parseFault knows, with what each does, one per line.
QString faultKindHelp();
