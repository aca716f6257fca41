#include "lib/Fault.h"

#include <array>

namespace {

// The longest short reply: letter, A, B. Frames and pages are longer.
constexpr qsizetype kShortReplyBytes = 3;
// A page reply opens with "F", A and B before its data.
constexpr qsizetype kPageHeaderBytes = 3;

bool carriesCheck(const QByteArray& reply) { return reply.size() > kShortReplyBytes; }

void invert(QByteArray& reply, qsizetype at) { reply[at] = static_cast<char>(~reply.at(at)); }

struct KindName {
    FaultKind kind;
    const char* name;
    const char* help;
};

constexpr std::array kKindNames{
    KindName{FaultKind::Silent, "silent", "takes the command in and answers nothing"},
    KindName{FaultKind::Late, "late", "answers late"},
    KindName{FaultKind::GarbledCheckByte, "garbled-check", "a frame's or page's check byte arrives inverted"},
    KindName{FaultKind::ShortFrame, "short-frame", "a frame or page arrives without its last byte"},
    KindName{FaultKind::WrongFrameCheck, "wrong-frame-check", "a byte inside a frame is spoilt, its check no longer holds"},
    KindName{FaultKind::GarbledPage, "garbled-page", "a flash page's first data byte arrives inverted"},
    KindName{FaultKind::CutReply, "one-byte", "only the first byte of the reply arrives"},
    KindName{FaultKind::CutReply, "two-byte", "only the first two bytes of the reply arrive"},
    KindName{FaultKind::HangUp, "hang-up", "drops the line"},
    KindName{FaultKind::HangUpMidReply, "hang-up-mid-reply", "sends half of the reply, then drops the line"},
    KindName{FaultKind::GarbledReply, "garbled", "every reply byte arrives inverted"},
    KindName{FaultKind::NoAnswerOnFirstAttempt, "first-unanswered", "ignores a command once, answers its repetition"},
};

} // namespace

bool faultApplies(const Fault& fault, quint8 letter, quint8 a, quint8 b)
{
    if (fault.kind == FaultKind::None)
        return false;
    if (fault.letter != 0 && static_cast<quint8>(fault.letter) != letter)
        return false;
    return (!fault.a || *fault.a == a) && (!fault.b || *fault.b == b);
}

bool spoilsReply(const Fault& fault, const QByteArray& reply)
{
    switch (fault.kind) {
    case FaultKind::GarbledCheckByte:
    case FaultKind::ShortFrame:
    case FaultKind::WrongFrameCheck:
        return carriesCheck(reply);
    case FaultKind::GarbledPage:
        return reply.size() > kPageHeaderBytes + 1;
    case FaultKind::CutReply:
        return reply.size() > fault.keepBytes;
    case FaultKind::GarbledReply:
        return !reply.isEmpty();
    default:
        return false;
    }
}

QByteArray spoilReply(const Fault& fault, QByteArray reply)
{
    if (!spoilsReply(fault, reply))
        return reply;
    switch (fault.kind) {
    case FaultKind::GarbledCheckByte:
        invert(reply, reply.size() - 1);
        break;
    case FaultKind::ShortFrame:
        reply.chop(1);
        break;
    case FaultKind::WrongFrameCheck:
        invert(reply, reply.size() / 2);
        break;
    case FaultKind::GarbledPage:
        invert(reply, kPageHeaderBytes);
        break;
    case FaultKind::CutReply:
        reply.truncate(fault.keepBytes);
        break;
    case FaultKind::GarbledReply:
        for (char& c : reply)
            c = static_cast<char>(~c);
        break;
    default:
        break;
    }
    return reply;
}

std::optional<Fault> parseFault(const QString& text, int lateMs)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() > 2 || (parts.size() == 2 && parts[1].size() != 1))
        return std::nullopt;
    const char letter = parts.size() == 2 ? parts[1].at(0).toLatin1() : 0;
    if (parts.size() == 2 && letter == 0)
        return std::nullopt;
    for (const KindName& k : kKindNames) {
        if (parts[0] != QLatin1String(k.name))
            continue;
        Fault f;
        f.kind = k.kind;
        f.letter = letter;
        if (k.kind == FaultKind::Late)
            f.delayMs = lateMs;
        if (k.kind == FaultKind::CutReply)
            f.keepBytes = parts[0] == QLatin1String("one-byte") ? 1 : 2;
        return f;
    }
    return std::nullopt;
}

QString faultKindHelp()
{
    QString help;
    for (const KindName& k : kKindNames)
        help += QStringLiteral("  %1  %2\n").arg(QLatin1String(k.name), -18).arg(QLatin1String(k.help));
    return help;
}
