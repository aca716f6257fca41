// Closing the program while it starts: by the window or by a termination
// signal, during the port search or while the factory calibration is read.
// Start-up stops at its next step, the closing steps run once, and the
// program ends instead of showing its window again.
#include "ProgramRunRig.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using ClosingDuringStartUp = ProgramRunRig;

// Closes the program once, the first time the status line starts with `status`.
void closeWhenStatusShows(FakeClock& clock, const QString& status, const std::function<QString()>& statusNow,
                          const std::function<void()>& close)
{
    auto done = std::make_shared<bool>(false);
    clock.onTick = [=] {
        if (*done || !statusNow().startsWith(status))
            return;
        *done = true;
        close();
    };
}

TEST_F(ClosingDuringStartUp, ATerminationSignalWhileTheFlashIsReadEndsTheProgram)
{
    size_t atClose = 0;
    closeWhenStatusShows(clock, QStringLiteral("Getting Factory file: [Light_Cal]"), [this] { return status(); },
                         [&] {
                             atClose = static_cast<size_t>(sim.totalCommandCount());
                             std::raise(SIGTERM);
                             QCoreApplication::processEvents(); // the signal's notifier closes the window
                         });
    EXPECT_FALSE(program->start());
    clock.onTick = nullptr;
    ASSERT_GT(atClose, 0u);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(program->globals().portOpen);
    // The flash read under way when the signal came, then the closing steps
    // once, and nothing after them: no further flash page.
    ASSERT_TRUE(sim.waitForCommandCount(static_cast<int>(atClose) + 4, 2000));
    std::vector<ProgramSentCommand> sent = commandsSince(atClose);
    ASSERT_GE(sent.size(), 4u);
    ASSERT_LE(sent.size(), 5u);
    if (sent.size() == 5) {
        EXPECT_EQ(sent.front().letter, 'F');
    }
    EXPECT_EQ(std::vector<ProgramSentCommand>(sent.end() - 4, sent.end()),
              (std::vector<ProgramSentCommand>{{'T', 1, 0}, {'T', 2, 0}, {'T', 15, 0}, {'C', 6, 0}}));
    // The unfinished install leaves nothing: the next start reads the flash again.
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config_SN12"))));
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config_SN12.installing"))));
    // Closing again sends nothing more.
    window().close();
    EXPECT_EQ(commandsSince(atClose).size(), sent.size());
    prompts.messages.clear();
}

TEST_F(ClosingDuringStartUp, ClosingTheWindowDuringThePortSearchOpensNoFurtherPort)
{
    closeWhenStatusShows(clock, QStringLiteral("Opening Port [1]"), [this] { return status(); },
                         [this] { window().close(); });
    EXPECT_FALSE(program->start());
    clock.onTick = nullptr;
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(program->globals().portOpen);
    EXPECT_TRUE(prompts.inputPrompts.isEmpty()); // no question for a port to type
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("config_SN12"))));
    EXPECT_NE(status(), "OK. Connected to VELDO SN12");
    prompts.messages.clear();
}

} // namespace
