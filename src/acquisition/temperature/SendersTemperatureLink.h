#pragma once

#include "acquisition/temperature/TemperatureLink.h"

#include <functional>

struct LinkContext;
struct LinkState;
struct LightIndicator;

// The temperature and light commands through the instrument senders.
class SendersTemperatureLink final : public TemperatureLink {
public:
    SendersTemperatureLink(LinkContext& ctx, LinkState& state, int& pulseSecondsLeft)
        : ctx_(ctx), state_(state), pulseSecondsLeft_(pulseSecondsLeft) {}

    double readTemperature(int targetCode) override;
    double lastReading() const override;
    void peltierHeat(int power) override;
    void peltierCool(int power) override;
    void peltierOff() override;
    void fanLevel(int level) override;
    void lightPulse(int level) override;

    // The light panel shows the indicator each switching gives.
    std::function<void(const LightIndicator&)> onLightIndicator;

private:
    LinkContext& ctx_;
    LinkState& state_;
    int& pulseSecondsLeft_;  // the light pulse's countdown, kept by the window's state
};
