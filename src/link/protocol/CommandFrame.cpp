#include "link/protocol/CommandFrame.h"

QByteArray CommandFrame::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QString CommandFrame::characters() const { return QString::fromLatin1(toByteArray()); }

quint8 frameCheck(quint8 letter, quint8 a, quint8 b) { return static_cast<quint8>(letter ^ a ^ b); }

std::optional<CommandFrame> makeCommandFrame(char letter, int a, int b)
{
    if (a < 0 || a > 255 || b < 0 || b > 255)
        return std::nullopt;
    const auto l = static_cast<quint8>(letter);
    const auto qa = static_cast<quint8>(a);
    const auto qb = static_cast<quint8>(b);
    return CommandFrame{{CommandFrame::kStart, l, qa, qb, frameCheck(l, qa, qb)}};
}

WordBytes splitWord(int value)
{
    const int high = value >> 8; // rounds down, also below 0
    return {high, value - high * 256};
}

std::optional<CommandFrame> makeWordFrame(char letter, int value)
{
    const WordBytes w = splitWord(value);
    return makeCommandFrame(letter, w.high, w.low);
}
