#pragma once

#include "acquisition/AcquireState.h"
#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "plate/geometry/PlateGeometry.h"
#include "projects/GroupCombo.h"
#include "projects/GroupReset.h"

#include <QString>
#include <QStringList>
#include <functional>

// Texts of the main-window controls that a plate format choice reads and sets;
// the window shows them in its controls.
struct FormatControls {
    QStringList cmb_well_items;
    int cmb_well_index = -1;
    QString cmb_well; // the box's text
    QStringList cmb_formatplate_items;
    QString cmb_formatplate;
    QString label_blank = QStringLiteral("Using blank [w6]:");
    QString lbl_blanktime = QStringLiteral("2019.02.15 18:54h");
    QString lbl_blankname = QStringLiteral("none");
    GroupComboList combogrup;
    QStringList mnopciongrup; // captions of the group-option items
};

// What a format choice works on besides the controls.
struct FormatChoiceContext {
    Globals& globals;
    const ProgramFolder& folder;
    Prompts& prompts;
    AcquireState& state;
    PlateGeometry& geometry;
    std::function<void(const PlateFormat& format)> drawPlateLayout; // the plate picture, when there is one
    RedrawWell redrawWell;
};

enum class FormatChoiceResult { Unchanged, Changed, Declined };

// The choice of an entry of `cmb_well`: nothing when it is the current format;
// otherwise "Change Plate to <code>?". Yes makes it current (grid, well table,
// calibration box, groups, group menu, blank labels); No puts the box back on the
// current format, adding it to the list when the list lacks it.
FormatChoiceResult choosePlateFormat(FormatChoiceContext& context, FormatControls& controls);

// Start-up's format lists: both hold "w6" and "w24" and show the current format.
void fillFormatLists(FormatControls& controls, const QString& currentFormat);

// What the command column's plate format box needs of its window: what a choice
// works on, and every panel showing the controls' texts afterwards.
class FormatChoiceHost {
public:
    virtual ~FormatChoiceHost() = default;
    virtual FormatChoiceContext formatChoiceContext() = 0;
    virtual void showFormatControls() = 0;
};
