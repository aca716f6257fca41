#pragma once

// How the simulated instrument misbehaves on request.
enum class FaultKind {
    None,
    Silent,                 // takes nothing in, answers nothing
    GarbleReply,            // every reply byte inverted
    LateReply,              // answers after delayMs
    HangUp,                 // drops the line at the next command
    HangUpMidReply,         // sends the first half of the next reply, then drops the line
    NoAnswerOnFirstAttempt, // ignores a command the first time, answers its repetition
};

struct Fault {
    FaultKind kind = FaultKind::None;
    int delayMs = 0;
    char letter = 0; // only commands of this letter; 0 for every command

    static Fault none() { return {}; }
    static Fault silent(char onlyLetter = 0) { return {FaultKind::Silent, 0, onlyLetter}; }
    static Fault garbleReply(char onlyLetter = 0) { return {FaultKind::GarbleReply, 0, onlyLetter}; }
    static Fault lateReply(int ms, char onlyLetter = 0) { return {FaultKind::LateReply, ms, onlyLetter}; }
    static Fault hangUp(char onlyLetter = 0) { return {FaultKind::HangUp, 0, onlyLetter}; }
    static Fault hangUpMidReply(char onlyLetter = 0) { return {FaultKind::HangUpMidReply, 0, onlyLetter}; }
    static Fault noAnswerOnFirstAttempt(char onlyLetter = 0)
    {
        return {FaultKind::NoAnswerOnFirstAttempt, 0, onlyLetter};
    }
};
