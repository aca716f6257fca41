#pragma once

#include "lib/InstrumentState.h"
#include "lib/SimCommand.h"

#include <QByteArray>

#include <functional>
#include <map>

// Answers one kind of command: the reply bytes (empty for no reply). Runs with
// the instrument's state locked, so it may read and change it.
using CommandHandler = std::function<QByteArray(const SimCommand&, InstrumentState&)>;

// The handler of each command letter. A later registration of a letter
// replaces the earlier one.
class CommandRegistry {
public:
    void add(char letter, CommandHandler handler) { handlers_[static_cast<quint8>(letter)] = std::move(handler); }
    const CommandHandler* find(quint8 letter) const
    {
        const auto it = handlers_.find(letter);
        return it == handlers_.end() ? nullptr : &it->second;
    }

private:
    std::map<quint8, CommandHandler> handlers_;
};

// Registers every command the instrument knows (StandardHandlers.cpp).
void registerStandardHandlers(CommandRegistry& registry);
