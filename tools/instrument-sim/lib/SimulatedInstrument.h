#pragma once

#include "lib/CommandRegistry.h"
#include "lib/Fault.h"
#include "lib/FrameParser.h"
#include "lib/InstrumentState.h"
#include "lib/PseudoTerminal.h"
#include "lib/SimCommand.h"
#include "lib/SimTimeSource.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The instrument behind a pseudo-terminal: a thread reads what the program
// sends, finds the framed commands and answers each through the handler of its
// letter. Tests and the run script start it, point ports/COM<n> at its device,
// and may make it misbehave or pace its output to a baud rate.
class SimulatedInstrument {
public:
    SimulatedInstrument();
    ~SimulatedInstrument();
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    bool isReady() const { return pty_.isOpen() && wakeRead_ >= 0; }
    const QString& devicePath() const { return pty_.devicePath(); }
    bool linkAs(const QString& linkPath) const { return pty_.linkAs(linkPath); }

    // Handlers may be added or replaced before start().
    CommandRegistry& registry() { return registry_; }

    void start();
    // Stops the thread; also done by the destructor.
    void stop();
    // Drops the line now, as an instrument unplugged or switched off while
    // nothing is exchanged (or the simulator ending). It stays down.
    void hangUp();

    InstrumentState state() const;
    void updateState(const std::function<void(InstrumentState&)>& change);
    void setSerialNumber(int serialNumber);

    // The faults in force: setFault replaces them all (Fault::none() clears
    // them), addFault adds one. Every fault that applies to a command fires.
    void setFault(const Fault& fault);
    void addFault(const Fault& fault);
    // How often faults of this kind fired, on commands of `letter` (0: any).
    int faultCount(FaultKind kind, char letter = 0) const;
    // The clock the stage follows; the steady clock unless set. The stage's
    // temperature is taken as it stands at the change.
    void setTimeSource(std::shared_ptr<const SimTimeSource> source);
    // Bytes go out at baudRate / 10 per second; 0 sends at once.
    void setPacing(int baudRate);

    int commandCount(char letter) const;
    int totalCommandCount() const;
    int rejectedFrameCount() const;
    std::vector<SimCommand> receivedCommands() const;
    // Clears the command counts, the log and the fault counts.
    void resetCounts();
    // Waits (really) until `total` commands have come in; false on time-out.
    bool waitForCommandCount(int total, int timeoutMs) const;

private:
    using SteadyTime = std::chrono::steady_clock::time_point;

    struct FaultInForce {
        Fault fault;
        int fired = 0;
        int id = 0;
    };

    void run();
    void handle(const SimCommand& command);
    bool sendPaced(const QByteArray& reply);
    bool writeAll(const char* data, size_t size);
    // Waits until `until`; false when stopped meanwhile.
    bool waitUntil(SteadyTime until) const;
    bool stopRequested() const;
    // The faults in force that hurt this command now.
    std::vector<FaultInForce> faultsFor(const SimCommand& command) const;
    void fire(const FaultInForce& fault, quint8 letter);

    PseudoTerminal pty_;
    CommandRegistry registry_;
    FrameParser parser_;
    std::thread thread_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    mutable std::mutex mutex_;
    mutable std::condition_variable received_;
    InstrumentState state_;
    std::vector<FaultInForce> faults_;
    int nextFaultId_ = 0;
    std::map<std::pair<FaultKind, quint8>, int> fired_;
    std::shared_ptr<const SimTimeSource> time_ = std::make_shared<SteadyTimeSource>();
    int pacingBaud_ = 0;
    std::map<quint8, int> counts_;
    std::vector<SimCommand> log_;
    int rejected_ = 0;

    // Thread-only: the command waiting for its repetition, and whether the line was dropped.
    std::optional<SimCommand> unanswered_;
    bool hungUp_ = false;
};
