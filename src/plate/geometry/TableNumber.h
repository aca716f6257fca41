#pragma once

#include <QString>
#include <optional>

// A number field of a geometry table: the numeric value of the text (no number
// reads as 0), rounded to the nearest integer. Nothing when it does not fit the
// tables' 16-bit entries, so the row holding it can be skipped.
std::optional<int> tableNumber(const QString& field);
