#pragma once

#include "plate/geometry/PlateFormat.h"

#include <QList>
#include <QString>

// Six cameras stand three along the plate's columns by two along its rows.
inline constexpr int kCameraCount = 6;
inline constexpr int kNoCamera = 6; // "no camera selected"

// Which third of the plate's columns a camera looks at: 0 first, 1 middle, 2 last.
constexpr int cameraColumnBlock(int camera)
{
    return camera / 2;
}

// Which half of the plate's rows a camera looks at: 0 first (even cameras), 1 last.
constexpr int cameraRowBlock(int camera)
{
    return camera % 2;
}

// The wells a camera sees in a format with built-in tables ("w6", "p35", "w24"),
// by camera column and within it by camera row (w24 camera 1: C1 D1 C2 D2).
// Other formats state their layout in their tables only: empty.
QList<int> builtInCameraWells(const PlateFormat& format, int camera);
