#pragma once

#include "lib/InstrumentState.h"
#include "lib/SimCommand.h"

#include <QByteArray>

#include <functional>
#include <map>
#include <set>

// Answers one kind of command: the reply bytes (empty for no reply). Runs with
// the instrument's state locked, so it may read and change it.
using CommandHandler = std::function<QByteArray(const SimCommand&, InstrumentState&)>;

// The handler of each command letter, framed and unframed apart: the same
// letter means different things in the two forms. A later registration of a
// letter replaces the earlier one.
class CommandRegistry {
public:
    void add(char letter, CommandHandler handler) { handlers_[static_cast<quint8>(letter)] = std::move(handler); }
    const CommandHandler* find(quint8 letter) const { return lookUp(handlers_, letter); }

    // Letters registered here start an unframed command wherever the
    // instrument is not inside a frame.
    void addUnframed(char letter, CommandHandler handler)
    {
        unframed_[static_cast<quint8>(letter)] = std::move(handler);
    }
    const CommandHandler* findUnframed(quint8 letter) const { return lookUp(unframed_, letter); }
    // The data that follows an unframed command of this letter; none unless set.
    void setUnframedPayload(char letter, UnframedPayloadSize size)
    {
        payloads_[static_cast<quint8>(letter)] = std::move(size);
    }
    const std::map<quint8, UnframedPayloadSize>& unframedPayloads() const { return payloads_; }
    // A letter that is a whole command by itself, sent as one byte outside any frame.
    void addSingleByte(char letter, CommandHandler handler)
    {
        singleBytes_.insert(static_cast<quint8>(letter));
        addUnframed(letter, std::move(handler));
    }
    const std::set<quint8>& singleByteLetters() const { return singleBytes_; }
    // A framed letter whose check byte may also be made with its capital.
    void acceptCapitalCheck(char letter) { capitalChecks_.insert(static_cast<quint8>(letter)); }
    const std::set<quint8>& capitalCheckLetters() const { return capitalChecks_; }
    std::set<quint8> unframedLetters() const
    {
        std::set<quint8> letters;
        for (const auto& entry : unframed_) {
            if (!singleBytes_.count(entry.first))
                letters.insert(entry.first);
        }
        return letters;
    }

private:
    static const CommandHandler* lookUp(const std::map<quint8, CommandHandler>& handlers, quint8 letter)
    {
        const auto it = handlers.find(letter);
        return it == handlers.end() ? nullptr : &it->second;
    }

    std::map<quint8, CommandHandler> handlers_;
    std::map<quint8, CommandHandler> unframed_;
    std::map<quint8, UnframedPayloadSize> payloads_;
    std::set<quint8> singleBytes_;
    std::set<quint8> capitalChecks_;
};

// Registers every command the instrument knows (StandardHandlers.cpp).
void registerStandardHandlers(CommandRegistry& registry);
