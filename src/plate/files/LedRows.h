#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The instrument's LEDs are numbered 0 to 415.
inline constexpr int kLedCount = 416;

// One value per LED, indexed by LED number.
using LedValues = std::array<int, kLedCount>;

// The rows of an LED file that can be used, in file order.
struct LedRows {
    std::vector<std::vector<int>> rows; // each holds the row's first fieldCount fields
    int skipped = 0;                    // rows left out (blank lines are not counted)
};

// Reads an LED file: two header lines, then comma-separated rows. A row is
// kept only when it has at least `fieldCount` fields that are all numbers
// (quotes and surrounding blanks taken off), when its LED field (`ledField`)
// lies within 0 to 415 before rounding, and when every value, rounded to the
// nearest whole number with halves to even, fits 16 bits. nullopt when the file
// cannot be read.
std::optional<LedRows> readLedRows(const QString& path, int fieldCount, int ledField);
