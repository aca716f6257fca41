#include "ui/TerminationSignals.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <csignal>
#include <gtest/gtest.h>

// The system's request to end the program closes the main window as a click
// on its close button does.
namespace {

class CountingWindow final : public QWidget {
public:
    int closings = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closings;
        event->accept();
    }
};

// Lets the event loop run until the window was closed, at most a second.
void processEventsUntilClosed(const CountingWindow& window)
{
    QElapsedTimer timer;
    timer.start();
    while (window.closings == 0 && timer.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(TerminationSignals, TermAndIntCloseTheWindowThroughItsClosingSteps)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        CountingWindow window;
        window.show();
        auto* termination = new TerminationSignals(&window);
        ASSERT_EQ(std::raise(signal), 0);
        // Nothing happens inside the signal: the window closes from the event loop.
        EXPECT_EQ(window.closings, 0);
        processEventsUntilClosed(window);
        EXPECT_EQ(window.closings, 1);
        EXPECT_FALSE(window.isVisible());
        delete termination;
    }
}

TEST(TerminationSignals, TheEarlierHandlingComesBackAfterwards)
{
    struct sigaction mine {};
    mine.sa_handler = SIG_IGN;
    sigemptyset(&mine.sa_mask);
    struct sigaction before {};
    sigaction(SIGTERM, &mine, &before);
    {
        CountingWindow window;
        TerminationSignals termination(&window);
        struct sigaction during {};
        sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, SIG_IGN);
    }
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
    sigaction(SIGTERM, &before, nullptr);
}

} // namespace
