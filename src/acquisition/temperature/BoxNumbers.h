#pragma once

#include <QString>

#include <cmath>
#include <optional>

// Box texts read as numbers; integers round halves to even.
inline std::optional<double> boxNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

inline std::optional<int> boxInteger(const QString& text)
{
    const std::optional<double> v = boxNumber(text);
    if (!v || std::abs(*v) > 32767.0)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(*v));
}

inline int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }
