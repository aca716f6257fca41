#pragma once

#include "lib/SimCommand.h"

#include <QByteArray>

// How the instrument confirms a command: its letter, A and B as they came.
inline QByteArray echoReply(const SimCommand& command)
{
    QByteArray reply;
    reply += static_cast<char>(command.letter);
    reply += static_cast<char>(command.a);
    reply += static_cast<char>(command.b);
    return reply;
}
