#include "lib/SimulatedInstrument.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int kMidReplyHangUpDelayMs = 50;

timespec toTimespec(std::chrono::nanoseconds d)
{
    if (d.count() < 0)
        d = std::chrono::nanoseconds(0);
    const auto secs = std::chrono::duration_cast<std::chrono::seconds>(d);
    return timespec{static_cast<time_t>(secs.count()), static_cast<long>((d - secs).count())};
}

} // namespace

SimulatedInstrument::SimulatedInstrument()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) == 0) {
        wakeRead_ = fds[0];
        wakeWrite_ = fds[1];
    }
    if (pty_.isOpen())
        ::fcntl(pty_.masterFd(), F_SETFL, ::fcntl(pty_.masterFd(), F_GETFL) | O_NONBLOCK);
    registerStandardHandlers(registry_);
}

SimulatedInstrument::~SimulatedInstrument()
{
    stop();
    if (wakeRead_ >= 0)
        ::close(wakeRead_);
    if (wakeWrite_ >= 0)
        ::close(wakeWrite_);
}

void SimulatedInstrument::start()
{
    if (thread_.joinable() || !isReady())
        return;
    parser_.setUnframedLetters(registry_.unframedLetters());
    parser_.setUnframedPayloads(registry_.unframedPayloads());
    parser_.setSingleByteLetters(registry_.singleByteLetters());
    parser_.setCapitalCheckLetters(registry_.capitalCheckLetters());
    thread_ = std::thread([this] { run(); });
}

void SimulatedInstrument::stop()
{
    if (!thread_.joinable())
        return;
    const char byte = 1;
    // The byte stays in the pipe, so every later wait of the thread sees it too.
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
    thread_.join();
}

void SimulatedInstrument::hangUp()
{
    stop();
    pty_.hangUp();
    hungUp_ = true;
}

bool SimulatedInstrument::stopRequested() const
{
    pollfd p{wakeRead_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

bool SimulatedInstrument::waitUntil(SteadyTime until) const
{
    pollfd p{wakeRead_, POLLIN, 0};
    for (;;) {
        const auto left = until - std::chrono::steady_clock::now();
        if (left <= std::chrono::nanoseconds(0))
            return !stopRequested();
        const timespec t = toTimespec(left);
        const int r = ::ppoll(&p, 1, &t, nullptr);
        if (r > 0)
            return false;
        if (r == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

void SimulatedInstrument::run()
{
    char buffer[4096];
    for (;;) {
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {pty_.masterFd(), POLLIN, 0}};
        const nfds_t count = hungUp_ ? 1 : 2;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (count < 2 || !fds[1].revents)
            continue;
        const ssize_t n = ::read(pty_.masterFd(), buffer, sizeof buffer);
        if (n <= 0) {
            // Nothing readable although poll said so (no program on the line): do not spin.
            if (!waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(10)))
                return;
            continue;
        }
        std::vector<SimCommand> commands = parser_.feed(QByteArray(buffer, static_cast<qsizetype>(n)));
        {
            std::lock_guard lock(mutex_);
            rejected_ += parser_.takeRejected();
        }
        for (const SimCommand& c : commands) {
            handle(c);
            if (hungUp_ || stopRequested())
                break;
        }
        if (stopRequested())
            return;
    }
}

std::vector<SimulatedInstrument::FaultInForce> SimulatedInstrument::faultsFor(const SimCommand& command) const
{
    std::vector<FaultInForce> hurting;
    for (const FaultInForce& f : faults_) {
        const bool spent = f.fault.times > 0 && f.fired >= f.fault.times;
        if (!spent && faultApplies(f.fault, command.letter, command.a, command.b))
            hurting.push_back(f);
    }
    return hurting;
}

void SimulatedInstrument::fire(const FaultInForce& fault, quint8 letter)
{
    std::lock_guard lock(mutex_);
    ++fired_[{fault.fault.kind, letter}];
    for (FaultInForce& f : faults_) {
        if (f.id == fault.id)
            ++f.fired;
    }
}

void SimulatedInstrument::handle(const SimCommand& command)
{
    std::vector<FaultInForce> faults;
    {
        std::lock_guard lock(mutex_);
        ++counts_[command.letter];
        log_.push_back(command);
        faults = faultsFor(command);
    }
    received_.notify_all();

    // The faults that keep the command from being answered at all.
    for (const FaultInForce& f : faults) {
        switch (f.fault.kind) {
        case FaultKind::Silent:
            fire(f, command.letter);
            return;
        case FaultKind::HangUp:
            fire(f, command.letter);
            pty_.hangUp();
            hungUp_ = true;
            return;
        case FaultKind::NoAnswerOnFirstAttempt:
            if (unanswered_ != command) {
                fire(f, command.letter);
                unanswered_ = command;
                return;
            }
            unanswered_.reset();
            break;
        default:
            break;
        }
    }

    QByteArray reply;
    {
        std::lock_guard lock(mutex_);
        const CommandHandler* handler =
            command.framed ? registry_.find(command.letter) : registry_.findUnframed(command.letter);
        state_.now = time_->now();
        if (handler)
            reply = (*handler)(command, state_);
    }
    for (const FaultInForce& f : faults) {
        if (spoilsReply(f.fault, reply)) {
            reply = spoilReply(f.fault, reply);
            fire(f, command.letter);
        }
    }
    if (reply.isEmpty())
        return;
    for (const FaultInForce& f : faults) {
        if (f.fault.kind != FaultKind::Late)
            continue;
        fire(f, command.letter);
        if (!waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(f.fault.delayMs)))
            return;
    }
    for (const FaultInForce& f : faults) {
        if (f.fault.kind != FaultKind::HangUpMidReply)
            continue;
        fire(f, command.letter);
        // The half that went out reaches the program before the line drops.
        if (sendPaced(reply.left(reply.size() / 2)))
            waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(kMidReplyHangUpDelayMs));
        pty_.hangUp();
        hungUp_ = true;
        return;
    }
    sendPaced(reply);
}

bool SimulatedInstrument::sendPaced(const QByteArray& reply)
{
    int baud = 0;
    {
        std::lock_guard lock(mutex_);
        baud = pacingBaud_;
    }
    if (baud <= 0)
        return writeAll(reply.constData(), static_cast<size_t>(reply.size()));
    // Ten bits a byte on the line: start, eight data bits, stop.
    const auto start = std::chrono::steady_clock::now();
    const std::chrono::nanoseconds perByte(10'000'000'000LL / baud);
    for (qsizetype i = 0; i < reply.size(); ++i) {
        if (!waitUntil(start + perByte * (i + 1)) || !writeAll(reply.constData() + i, 1))
            return false;
    }
    return true;
}

bool SimulatedInstrument::writeAll(const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(pty_.masterFd(), data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {pty_.masterFd(), POLLOUT, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            return false;
        if (fds[0].revents)
            return false;
    }
    return true;
}

InstrumentState SimulatedInstrument::state() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

void SimulatedInstrument::updateState(const std::function<void(InstrumentState&)>& change)
{
    std::lock_guard lock(mutex_);
    change(state_);
}

void SimulatedInstrument::setSerialNumber(int serialNumber)
{
    updateState([serialNumber](InstrumentState& s) { s.serialNumber = serialNumber; });
}

void SimulatedInstrument::setFault(const Fault& fault)
{
    {
        std::lock_guard lock(mutex_);
        faults_.clear();
    }
    addFault(fault);
}

void SimulatedInstrument::addFault(const Fault& fault)
{
    if (fault.kind == FaultKind::None)
        return;
    std::lock_guard lock(mutex_);
    faults_.push_back({fault, 0, nextFaultId_++});
}

int SimulatedInstrument::faultCount(FaultKind kind, char letter) const
{
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& [key, fired] : fired_) {
        if (key.first == kind && (letter == 0 || key.second == static_cast<quint8>(letter)))
            count += fired;
    }
    return count;
}

void SimulatedInstrument::setTimeSource(std::shared_ptr<const SimTimeSource> source)
{
    std::lock_guard lock(mutex_);
    time_ = source ? std::move(source) : std::make_shared<SteadyTimeSource>();
    // The new clock counts from elsewhere: the stage goes on from here.
    state_.stage.updatedAt.reset();
}

void SimulatedInstrument::setPacing(int baudRate)
{
    std::lock_guard lock(mutex_);
    pacingBaud_ = baudRate;
}

int SimulatedInstrument::commandCount(char letter) const
{
    std::lock_guard lock(mutex_);
    const auto it = counts_.find(static_cast<quint8>(letter));
    return it == counts_.end() ? 0 : it->second;
}

int SimulatedInstrument::totalCommandCount() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(log_.size());
}

int SimulatedInstrument::rejectedFrameCount() const
{
    std::lock_guard lock(mutex_);
    return rejected_;
}

std::vector<SimCommand> SimulatedInstrument::receivedCommands() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

void SimulatedInstrument::resetCounts()
{
    std::lock_guard lock(mutex_);
    counts_.clear();
    log_.clear();
    rejected_ = 0;
    fired_.clear();
}

bool SimulatedInstrument::waitForCommandCount(int total, int timeoutMs) const
{
    std::unique_lock lock(mutex_);
    return received_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return static_cast<int>(log_.size()) >= total; });
}
