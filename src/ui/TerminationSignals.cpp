#include "ui/TerminationSignals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler can reach nothing but a static; it only writes one byte.
volatile sig_atomic_t wakeFd = -1;

void onTerminationSignal(int)
{
    const int saved = errno;
    if (wakeFd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFd, &byte, 1);
    }
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QWidget* window) : QObject(window), window_(window)
{
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    wakeFd = wake_[1];
    notifier_ = new QSocketNotifier(wake_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(wake_[0], bytes, sizeof bytes) > 0) {
        }
        if (window_)
            window_->close();
    });

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &oldTerm_);
    sigaction(SIGINT, &action, &oldInt_);
}

TerminationSignals::~TerminationSignals()
{
    if (wake_[0] < 0)
        return;
    sigaction(SIGTERM, &oldTerm_, nullptr);
    sigaction(SIGINT, &oldInt_, nullptr);
    wakeFd = -1;
    delete notifier_;
    ::close(wake_[0]);
    ::close(wake_[1]);
}
