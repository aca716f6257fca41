#pragma once

#include "calibration/IntRefFactors.h"

#include <QByteArray>
#include <QString>

// Readers of a recorded run's own factor_correction.txt and serial.dat, for
// its reports.

// Fills factors (1.0 first) from the folder's factor_correction.txt, each value
// limited to 0..2.55; returns one byte per value read (factor x 100, cut).
QByteArray ReadFactorCorrectionValues(const QString& folder, IntRefFactors& factors);

// Line 1 of the folder's factor_correction.txt without double quotes; "" when missing.
QString ReadFactorCorrectionFirstLine(const QString& folder);

// The serial number in the folder's serial.dat ("SN" and the number); 0 when
// missing or unreadable.
int ReadSerialFile(const QString& folder);
