#pragma once

#include <optional>

// Where the main window's run stands. The window owns one; everything else
// reads it. Only the events below move it, and the table in next() decides
// which moves are allowed, so no caption or flag elsewhere can disagree.
class RunPhase {
public:
    enum class Phase {
        Idle,        // nothing runs: Start opens the confirmation
        Confirming,  // the confirmation panel is open
        Running,     // an acquisition is armed or going
        Calibrating, // a calibration holds the window: Start aborts it
        Done,        // a run ended by itself: Start clears it ("New")
    };
    enum class Event {
        OpenConfirmation, // Start from idle
        Confirm,          // PLAY, or a blank measurement's start without the panel
        Stop,             // STOP, Cancel, a lost port, a calibration taking the window
        End,              // the run's last window after its time
        BeginCalibration,
        EndCalibration,   // finished, or already aborted by Stop
    };
    // What a click on the Start button does.
    enum class PlayAction { OpenConfirmation, StopRun, AbortCalibration, ClearEndedRun, Nothing };

    RunPhase() = default;
    // Loops hold references to the number below: the object never moves.
    RunPhase(const RunPhase&) = delete;
    RunPhase& operator=(const RunPhase&) = delete;

    // The phase after `event`, none when the event is refused in `from`.
    static std::optional<Phase> next(Phase from, Event event);
    static PlayAction playAction(Phase phase);
    // The number long loops watch: 1 running, -1 calibrating, 0 otherwise.
    static int runStateOf(Phase phase);

    // Moves to the next phase; false (and no change) when refused.
    bool apply(Event event);
    bool allows(Event event) const { return next(phase_, event).has_value(); }
    Phase phase() const { return phase_; }
    bool is(Phase phase) const { return phase_ == phase; }
    // runStateOf(phase()), kept up to date for loops that stop once it changes.
    const int& runState() const { return runState_; }

private:
    Phase phase_ = Phase::Idle;
    int runState_ = 0;
};
