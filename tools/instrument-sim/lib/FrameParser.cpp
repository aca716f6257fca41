#include "lib/FrameParser.h"

namespace {

quint8 capitalOf(quint8 letter) { return letter >= 'a' && letter <= 'z' ? static_cast<quint8>(letter - 0x20) : letter; }

} // namespace

std::vector<SimCommand> FrameParser::feed(const QByteArray& bytes)
{
    std::vector<SimCommand> commands;
    for (const char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        if (payloadLeft_ > 0) {
            withPayload_.payload += c;
            if (--payloadLeft_ == 0)
                commands.push_back(withPayload_);
            continue;
        }
        if (have_ < 0) {
            if (byte == 0xFF) {
                framed_ = true;
                have_ = 0;
            } else if (singleByteLetters_.count(byte)) {
                commands.push_back({byte, 0, 0, false});
            } else if (unframedLetters_.count(byte)) {
                framed_ = false;
                body_[0] = byte;
                have_ = 1;
            }
            continue;
        }
        body_[static_cast<size_t>(have_++)] = byte;
        if (!framed_) {
            if (have_ == 3) {
                have_ = -1;
                const SimCommand command{body_[0], body_[1], body_[2], false};
                commands.push_back(command);
                expectPayload(command);
            }
            continue;
        }
        if (have_ < 4)
            continue;
        have_ = -1;
        if ((body_[0] ^ body_[1] ^ body_[2]) == body_[3]) {
            commands.push_back({body_[0], body_[1], body_[2]});
        } else if (capitalCheckLetters_.count(body_[0]) && (capitalOf(body_[0]) ^ body_[1] ^ body_[2]) == body_[3]) {
            SimCommand command{body_[0], body_[1], body_[2]};
            command.capitalCheck = true;
            commands.push_back(command);
        } else {
            ++rejected_;
        }
    }
    return commands;
}

void FrameParser::expectPayload(const SimCommand& command)
{
    const auto it = payloadSizes_.find(command.letter);
    const int size = it == payloadSizes_.end() || !it->second ? 0 : it->second(command);
    if (size <= 0)
        return;
    withPayload_ = command;
    payloadLeft_ = size;
}
