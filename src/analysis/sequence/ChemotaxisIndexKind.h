#pragma once

#include <QString>

#include <array>

// The six chemotaxis index kinds: the option button that selects each, the
// analysis list index it belongs to, its file name part and its report name.
struct ChemotaxisIndexKind {
    int option;        // option_axis index 1 to 6
    int analysis;      // cmb_analysis: 0 "2 Sides", 1 "Quadrant"
    const char* indexName;
    const char* reportName;
};

inline constexpr std::array<ChemotaxisIndexKind, 6> kChemotaxisIndexKinds{{
    {1, 0, "CI_XR", "CiXright"},
    {2, 0, "CI_XL", "CiXleft"},
    {3, 0, "CI_YT", "CiYtop"},
    {4, 0, "CI_YB", "CiYbottom"},
    {5, 1, "CI_QL", "CiQuadrant_leftdiagonal"},
    {6, 1, "CI_QR", "CiQuadrant_rightdiagonal"},
}};

// Which option_axis buttons are selected, by index 1 to 6 (0 unused).
using OptionSelection = std::array<bool, 7>;

// The index name the controls choose: list index 0 tests options 1 to 4, any
// other index options 5 and 6, in table order; empty when none is selected.
QString chemotaxisIndexName(int analysisIndex, const OptionSelection& selected);
