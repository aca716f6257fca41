#include "link/commands/CameraValues.h"

#include "core/NumberText.h"
#include "core/Rounding.h"

#include <algorithm>

int cameraNumberFromText(const QString& text)
{
    static constexpr int kNoCameraSelected = 6;
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('5'))
        return text.at(0).unicode() - '0';
    return kNoCameraSelected;
}

int roundedBoxValue(const QString& text)
{
    // Clamped first: a very long number must not overflow the conversion.
    const double v = std::clamp(textValue(text), -1.0e9, 1.0e9);
    return static_cast<int>(roundHalfEven(v));
}

bool cameraWordFits(int value) { return value >= 0 && value <= kMaxCameraWord; }

bool cameraByteFits(int value) { return value >= 0 && value <= kMaxCameraByte; }

bool windowRangeFits(int first, int last) { return cameraByteFits(first) && cameraByteFits(last) && first <= last; }
