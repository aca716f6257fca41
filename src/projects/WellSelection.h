#pragma once

#include "core/Globals.h"
#include "plate/geometry/PlateFormat.h"
#include "projects/GroupCombo.h"
#include "projects/GroupReset.h"

#include <QList>
#include <QString>
#include <optional>

// Which mouse button acted on the plate picture.
enum class PlateMouseButton { Left, Right, Other };

// The main window's selection on the plate picture: the well under the last
// accepted press, pending until the next release.
struct WellSelectionState {
    int selectStartRow = 0;
    int selectStartColumn = 0;
    bool selectPending = false;
};

// A press on the plate picture (logical units): while idle (runState 0), a left
// or right press on a well of the plate becomes the selection's anchor.
void beginWellSelection(WellSelectionState& selection, int runState, const PlateGrid& grid, PlateMouseButton button,
                      double x, double y);

// What a release changed.
struct WellSelectionResult {
    QList<int> changedWells;                // in the order they were changed
    std::optional<GroupComboList> combogrup; // the rebuilt group list (left button)
};

// A release on the plate picture. While idle, a left or right release on a well
// acts on the rectangle between the anchor and this well (this well alone
// without an anchor), rows outer, columns inner: the left button puts each well
// into the group numbered by the first three characters of `combogrupText` (no
// number: 0) and rebuilds the group list after each; the right button takes each
// out of its group. Each changed well is redrawn at once. Every release drops
// the anchor; one off the plate, during a run or of another button changes nothing.
WellSelectionResult endWellSelection(WellSelectionState& selection, int runState, const PlateGrid& grid,
                                   PlateMouseButton button, double x, double y, const QString& combogrupText,
                                   WellGroupTable& groups, const RedrawWell& redrawWell = {});
