#pragma once

#include <QColor>
#include <cstdint>

// Colours are kept as &HBBGGRR values: red in the low byte, blue in the high one.
inline QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline std::uint32_t bgrFromRgb(int r, int g, int b)
{
    return std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) | (std::uint32_t(b & 0xFF) << 16);
}

inline std::uint32_t bgrFromColor(const QColor& c)
{
    return bgrFromRgb(c.red(), c.green(), c.blue());
}
