#pragma once

#include <QString>

// Values the camera commands carry, and the limits each must meet before
// anything is sent.

inline constexpr int kMaxCameraWord = 32767; // gain and exposure
inline constexpr int kMaxCameraByte = 255;   // speed and window values

// The camera a text selects: exactly "0" to "5" give 0 to 5, any other text 6
// (no camera).
int cameraNumberFromText(const QString& text);

// The numeric value of a box, made whole (halves to even). Values beyond any
// byte or word come out beyond the limits, never wrapped into them.
int roundedBoxValue(const QString& text);

bool cameraWordFits(int value);
bool cameraByteFits(int value);

// A window range goes out as two bytes, first then last; it must not end
// before it starts.
bool windowRangeFits(int first, int last);
