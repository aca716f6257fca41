#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;
class QWidget;

// Ends the program through a window's own closing steps when the system asks
// it to end (SIGTERM, as at log-out, or SIGINT from a terminal), as if the
// user had closed the window: the instrument's drives are switched off and
// the settings written. The signal only wakes the event loop; the window is
// closed from there. One at a time per program; the signals' earlier handling
// comes back when it goes.
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(QWidget* window);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    QWidget* window_;
    int wake_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction oldTerm_ {};
    struct sigaction oldInt_ {};
};
