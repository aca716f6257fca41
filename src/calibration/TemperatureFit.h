#pragma once

#include <QStringList>

#include <optional>

// The straight line through two (sensor value, reference temperature) points,
// checked against the default sensor line.
struct TemperatureFit {
    double slope = 0;   // m
    double offset = 0;  // b
    double delta20 = 0; // the default line at 20 minus the new one
    double delta37 = 0; // the default line at 37 minus the new one
    bool inRange = false;
};

// Nothing when the points give no line (equal sensor values, a value that is
// not a number). `present` is the sensor value now, checked on both lines.
std::optional<TemperatureFit> FitTemperatureCalibration(double r1, double t1, double r2, double t2,
                                                        double present);

// The message box lines: the factors and deltas when in range, the refusal otherwise.
QStringList temperatureFitMessage(const TemperatureFit& fit);
