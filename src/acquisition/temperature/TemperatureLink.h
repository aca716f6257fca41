#pragma once

// The instrument commands temperature control and light pulses send. The
// window passes the senders; tests pass a recorder.
class TemperatureLink {
public:
    virtual ~TemperatureLink() = default;
    // Asks for a reading with a target code; the reply's reading becomes the
    // last temperature and is returned (-1 no reply, 0 port closed).
    virtual double readTemperature(int targetCode) = 0;
    // The reading the last reply of any temperature command carried (heat, cool
    // and off answer with it too); 0 when none is known.
    virtual double lastReading() const = 0;
    virtual void peltierHeat(int power) = 0;
    virtual void peltierCool(int power) = 0;
    virtual void peltierOff() = 0;
    virtual void fanLevel(int level) = 0;
    virtual void lightPulse(int level) = 0;
};
