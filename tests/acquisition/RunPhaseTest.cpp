#include "RunPhaseSteps.h"
#include "acquisition/run/RunPhase.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using P = RunPhase::Phase;
using E = RunPhase::Event;
using A = RunPhase::PlayAction;

constexpr std::optional<P> refused = std::nullopt;

// Every phase against every event: where it leads, or refused.
struct Move {
    P from;
    E event;
    std::optional<P> to;
};

const Move kMoves[] = {
    {P::Idle, E::OpenConfirmation, P::Confirming},
    {P::Idle, E::Confirm, P::Running}, // a blank measurement starts without the panel
    {P::Idle, E::Stop, P::Idle},
    {P::Idle, E::End, refused},
    {P::Idle, E::BeginCalibration, P::Calibrating},
    {P::Idle, E::EndCalibration, refused},

    {P::Confirming, E::OpenConfirmation, refused},
    {P::Confirming, E::Confirm, P::Running},
    {P::Confirming, E::Stop, P::Idle}, // Cancel
    {P::Confirming, E::End, refused},
    {P::Confirming, E::BeginCalibration, P::Calibrating},
    {P::Confirming, E::EndCalibration, refused},

    {P::Running, E::OpenConfirmation, refused},
    {P::Running, E::Confirm, refused},
    {P::Running, E::Stop, P::Idle},
    {P::Running, E::End, P::Done},
    {P::Running, E::BeginCalibration, refused}, // a calibration never takes a running acquisition
    {P::Running, E::EndCalibration, refused},

    {P::Calibrating, E::OpenConfirmation, refused},
    {P::Calibrating, E::Confirm, refused},
    {P::Calibrating, E::Stop, P::Idle}, // STOP Setup aborts it
    {P::Calibrating, E::End, refused},
    {P::Calibrating, E::BeginCalibration, refused},
    {P::Calibrating, E::EndCalibration, P::Idle},

    {P::Done, E::OpenConfirmation, refused}, // "New" clears the ended run first
    {P::Done, E::Confirm, P::Running},
    {P::Done, E::Stop, P::Idle},
    {P::Done, E::End, refused},
    {P::Done, E::BeginCalibration, P::Calibrating},
    {P::Done, E::EndCalibration, refused},
};

TEST(RunPhase, EveryPhaseAgainstEveryEvent)
{
    for (const Move& m : kMoves) {
        SCOPED_TRACE(testing::Message() << "from " << int(m.from) << " event " << int(m.event));
        EXPECT_EQ(RunPhase::next(m.from, m.event), m.to);

        RunPhase phase;
        bringToPhase(phase, m.from);
        ASSERT_TRUE(phase.is(m.from));
        EXPECT_EQ(phase.allows(m.event), m.to.has_value());
        EXPECT_EQ(phase.apply(m.event), m.to.has_value());
        // A refused event leaves the phase and its number as they were.
        const P now = m.to.value_or(m.from);
        EXPECT_TRUE(phase.is(now));
        EXPECT_EQ(phase.runState(), RunPhase::runStateOf(now));
    }
    EXPECT_EQ(std::size(kMoves), 5u * 6u);
}

TEST(RunPhase, TheStartButtonAndTheNumberLoopsWatchFollowThePhase)
{
    struct Row {
        P phase;
        A play;
        int runState;
    };
    const Row rows[] = {
        {P::Idle, A::OpenConfirmation, 0}, {P::Confirming, A::Nothing, 0}, {P::Running, A::StopRun, 1},
        {P::Calibrating, A::AbortCalibration, -1}, {P::Done, A::ClearEndedRun, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RunPhase::playAction(r.phase), r.play) << int(r.phase);
        EXPECT_EQ(RunPhase::runStateOf(r.phase), r.runState) << int(r.phase);
    }
}

TEST(RunPhase, ALoopHoldingTheNumberSeesARunEndWhileItWaits)
{
    RunPhase phase;
    const int& watched = phase.runState();
    EXPECT_EQ(watched, 0);
    phase.apply(E::OpenConfirmation);
    phase.apply(E::Confirm);
    EXPECT_EQ(watched, 1);
    phase.apply(E::End);
    EXPECT_EQ(watched, 0);
    EXPECT_TRUE(phase.is(P::Done));
}

} // namespace
