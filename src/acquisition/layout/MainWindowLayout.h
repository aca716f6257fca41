#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The main window's layout rule: from the outer size in twips to the place of every
// control it names. Pure; the window applies the result to its widgets.

// The grid the rule works on. Wider than 16 bits so that a very large window still lays out.
struct LayoutUnits {
    std::int64_t layoutWidth = 0;
    std::int64_t layoutHeight = 0;
    std::int64_t marginLeft = 0;  // mL
    std::int64_t marginTop = 0;   // mT
    std::int64_t columnUnit = 0;  // C
    std::int64_t rowUnit = 0;     // R
};

// One control's place, relative to the panel that holds it. A size the rule leaves
// as designed is absent.
struct ControlPlacement {
    std::string name;   // the control's name
    std::string inside; // its panel's name; empty at window level
    double left = 0;
    double top = 0;
    std::optional<double> width;
    std::optional<double> height;
};

// A level line from x1 to x2 at height y.
struct LinePlacement {
    std::string name;
    std::string inside;
    double x1 = 0;
    double x2 = 0;
    double y = 0;
};

struct MainWindowLayout {
    LayoutUnits units;
    std::vector<ControlPlacement> controls; // in the order the rule sets them
    std::vector<LinePlacement> lines;

    const ControlPlacement* find(const std::string& name) const;
};

// The smallest size the rule lays out; anything narrower or lower is laid out as this.
inline constexpr double kLayoutMinWidth = 640;
inline constexpr double kLayoutMinHeight = 480;

LayoutUnits ComputeLayoutUnits(double outerWidthTwips, double outerHeightTwips);
MainWindowLayout LayoutMainWindow(double outerWidthTwips, double outerHeightTwips);

// Whether the rule ends with a redraw of the plate picture.
bool layoutRedrawsPlate(int runState, bool calibrateShown, bool menuShown, bool plateShown);

// The well indexes RedrawAllWells draws, rows outer, columns inner.
std::vector<int> redrawAllWellsOrder(int plateRows, int plateColumns);
