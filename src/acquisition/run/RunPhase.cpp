#include "acquisition/run/RunPhase.h"

std::optional<RunPhase::Phase> RunPhase::next(Phase from, Event event)
{
    using P = Phase;
    switch (event) {
    case Event::OpenConfirmation:
        return from == P::Idle ? std::optional(P::Confirming) : std::nullopt;
    case Event::Confirm:
        // A blank measurement starts its run without the panel, also after an ended run.
        if (from == P::Idle || from == P::Confirming || from == P::Done)
            return P::Running;
        return std::nullopt;
    case Event::Stop:
        return P::Idle;
    case Event::End:
        return from == P::Running ? std::optional(P::Done) : std::nullopt;
    case Event::BeginCalibration:
        // Never under a running acquisition: it would stop the run without closing it.
        if (from == P::Idle || from == P::Confirming || from == P::Done)
            return P::Calibrating;
        return std::nullopt;
    case Event::EndCalibration:
        return from == P::Calibrating ? std::optional(P::Idle) : std::nullopt;
    }
    return std::nullopt;
}

RunPhase::PlayAction RunPhase::playAction(Phase phase)
{
    switch (phase) {
    case Phase::Idle:
        return PlayAction::OpenConfirmation;
    case Phase::Running:
        return PlayAction::StopRun;
    case Phase::Calibrating:
        return PlayAction::AbortCalibration;
    case Phase::Done:
        return PlayAction::ClearEndedRun;
    case Phase::Confirming:
        break; // the button is disabled while the panel is open
    }
    return PlayAction::Nothing;
}

int RunPhase::runStateOf(Phase phase)
{
    switch (phase) {
    case Phase::Running:
        return 1;
    case Phase::Calibrating:
        return -1;
    default:
        return 0;
    }
}

bool RunPhase::apply(Event event)
{
    const std::optional<Phase> to = next(phase_, event);
    if (!to)
        return false;
    phase_ = *to;
    runState_ = runStateOf(phase_);
    return true;
}
