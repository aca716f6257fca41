#pragma once

#include "acquisition/temperature/TemperatureLink.h"

#include <QString>

#include <vector>

// Records what would go to the instrument; reads give the scripted reading.
struct RecordingLink final : TemperatureLink {
    double reading = 25;
    double replied = 0; // what the last command's reply carried; 0: none
    std::vector<QString> sent;
    double readTemperature(int code) override
    {
        sent.push_back("read " + QString::number(code));
        return reading;
    }
    double lastReading() const override { return replied; }
    void peltierHeat(int p) override { sent.push_back("heat " + QString::number(p)); }
    void peltierCool(int p) override { sent.push_back("cool " + QString::number(p)); }
    void peltierOff() override { sent.push_back("off"); }
    void fanLevel(int l) override { sent.push_back("fan " + QString::number(l)); }
    void lightPulse(int l) override { sent.push_back("light " + QString::number(l)); }
};
