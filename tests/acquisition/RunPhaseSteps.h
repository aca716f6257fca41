#pragma once

#include "acquisition/run/RunPhase.h"

// Brings a run phase to `target` by the events a user's clicks would send.
inline void bringToPhase(RunPhase& phase, RunPhase::Phase target)
{
    using P = RunPhase::Phase;
    using E = RunPhase::Event;
    phase.apply(E::Stop);
    switch (target) {
    case P::Idle:
        break;
    case P::Confirming:
        phase.apply(E::OpenConfirmation);
        break;
    case P::Running:
        phase.apply(E::OpenConfirmation);
        phase.apply(E::Confirm);
        break;
    case P::Calibrating:
        phase.apply(E::BeginCalibration);
        break;
    case P::Done:
        phase.apply(E::OpenConfirmation);
        phase.apply(E::Confirm);
        phase.apply(E::End);
        break;
    }
}
