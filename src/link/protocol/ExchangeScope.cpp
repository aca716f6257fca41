#include "link/protocol/ExchangeScope.h"

#include "core/Console.h"
#include "link/port/ModCOMM.h"

namespace {

// Marks the events a wait lets run as inside the exchange, also when one throws.
class EventsInside {
public:
    explicit EventsInside(LinkGuard& guard) : guard_(guard) { guard_.enterEvents(); }
    ~EventsInside() { guard_.leaveEvents(); }
    EventsInside(const EventsInside&) = delete;
    EventsInside& operator=(const EventsInside&) = delete;

private:
    LinkGuard& guard_;
};

} // namespace

bool refuseWhileLinkBusy(LinkContext& ctx)
{
    if (!ctx.comm.guard().busy())
        return false;
    ctx.console.setStatus(kLinkBusyText);
    return true;
}

ExchangeScope::ExchangeScope(LinkContext& ctx)
    : refused_(refuseWhileLinkBusy(ctx)),
      clock_(ctx.clock, ctx.comm),
      inside_{ctx.globals, ctx.comm, clock_, ctx.console, ctx.prompts}
{
    if (!refused_)
        inside_.comm.guard().hold();
}

ExchangeScope::~ExchangeScope()
{
    if (!refused_)
        inside_.comm.guard().release();
}

bool ExchangeScope::stopRequested() const { return inside_.comm.guard().stopRequested(); }

void ExchangeScope::HeldClock::sleepMs(int ms)
{
    const EventsInside inside(comm_.guard());
    clock_.sleepMs(ms);
}

void ExchangeScope::HeldClock::processEvents()
{
    const EventsInside inside(comm_.guard());
    clock_.processEvents();
}
