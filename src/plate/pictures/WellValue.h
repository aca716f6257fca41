#pragma once

#include <QString>

// The activity a well shows on the live map: the blank's share of the elapsed
// time taken off (none while no blank is loaded or during a blank measurement),
// times the well's internal-reference factor, and never below 0.
double shownWellValue(double activity, int blankCount, int blankLapse, double elapsedMinutes, bool blankRun,
                      double intRefFactor);

// The value as the map prints it: a whole number, halves away from zero.
QString wellValueText(double value);
