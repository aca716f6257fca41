#pragma once

#include "lib/SimCommand.h"

#include <QByteArray>

#include <array>
#include <map>
#include <set>
#include <vector>

// Finds commands in the bytes the program sends: framed ones (0xFF, letter,
// A, B, check) and, for the letters given as unframed, three-byte ones
// (letter, A, B). Other bytes outside a command are skipped; a frame with a
// wrong check byte is dropped as the instrument drops it, and the search
// starts again after it. An unframed command whose letter has a payload size
// takes that many following bytes as its data, whatever they hold; until they
// have come, nothing else is taken for a command.
class FrameParser {
public:
    // The letters that start an unframed command outside a frame; none at first.
    void setUnframedLetters(const std::set<quint8>& letters) { unframedLetters_ = letters; }
    void setUnframedPayloads(const std::map<quint8, UnframedPayloadSize>& sizes) { payloadSizes_ = sizes; }
    // Letters that are a whole command in one byte outside a frame.
    void setSingleByteLetters(const std::set<quint8>& letters) { singleByteLetters_ = letters; }
    // Framed letters whose check byte may be made with the letter's capital instead.
    void setCapitalCheckLetters(const std::set<quint8>& letters) { capitalCheckLetters_ = letters; }
    std::vector<SimCommand> feed(const QByteArray& bytes);
    // Frames dropped for their check byte since the last call.
    int takeRejected()
    {
        const int n = rejected_;
        rejected_ = 0;
        return n;
    }

private:
    void expectPayload(const SimCommand& command);

    std::array<quint8, 4> body_{};
    int have_ = -1; // bytes of the body so far; -1 while looking for the start byte
    bool framed_ = true; // what the body being collected belongs to
    int rejected_ = 0;
    std::set<quint8> unframedLetters_;
    std::set<quint8> singleByteLetters_;
    std::set<quint8> capitalCheckLetters_;
    std::map<quint8, UnframedPayloadSize> payloadSizes_;
    SimCommand withPayload_; // the command whose data is being collected
    int payloadLeft_ = 0;
};
