#include "plate/pictures/ColourTable.h"

#include "core/Colors.h"
#include "core/Rounding.h"

#include <algorithm>

ColourTable BuildColourTable()
{
    ColourTable t;
    t.colourCount = 6;
    const int n = t.colourCount;
    const double half = n / 2.0;
    const int wholeHalf = n / 2;
    const auto component = [](double v) { return int(std::clamp<std::int64_t>(roundHalfEven(v), 0, 255)); };
    for (int i = 0; i < n; ++i) {
        int red = 0;
        int green = 0;
        if (i == 0) {
            red = 210;
        } else if (i == n - 1) {
            green = 210;
        } else if (i <= wholeHalf) {
            red = 255;
            green = component(255.0 * i / half);
        } else {
            green = 255;
            red = component(255.0 - 255.0 * (i - wholeHalf) / half);
        }
        t.colourTable[i] = bgrFromRgb(red, green, 0);
    }
    return t;
}
