#pragma once

#include "core/Clock.h"
#include "link/protocol/LinkContext.h"

#include <QString>

// The status line of a sender refused because another exchange holds the link.
inline const QString kLinkBusyText = QStringLiteral("Link busy: wait until the instrument has answered");

// The link held for one exchange (write and reply read) or for a whole
// transfer of many. Taken while window events run inside another exchange it
// is refused: the sender then returns its failure, with kLinkBusyText in the
// status line and nothing written. Senders run their steps on context(), whose
// waits mark the window events they let run as inside this exchange.
class ExchangeScope {
public:
    explicit ExchangeScope(LinkContext& ctx);
    ~ExchangeScope();
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

    bool refused() const { return refused_; }
    LinkContext& context() { return inside_; }
    // The window is closing: a transfer ends at its next block boundary.
    bool stopRequested() const;

private:
    // The sender's clock, with every wait counted as window events inside the exchange.
    class HeldClock final : public Clock {
    public:
        HeldClock(Clock& clock, ModCOMM& comm) : clock_(clock), comm_(comm) {}
        QDateTime now() const override { return clock_.now(); }
        qint64 elapsedMs() const override { return clock_.elapsedMs(); }
        void sleepMs(int ms) override;
        void processEvents() override;

    private:
        Clock& clock_;
        ModCOMM& comm_;
    };

    bool refused_ = false;
    HeldClock clock_;
    LinkContext inside_;
};

// True, with kLinkBusyText in the status line, when a new exchange would cut
// into one that holds the link.
bool refuseWhileLinkBusy(LinkContext& ctx);
