#include "acquisition/PlateFormatChoice.h"

#include "calibration/BlankLabels.h"
#include "calibration/BlankStore.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/files/WellSpecFile.h"
#include "projects/GroupMenuCaptions.h"

namespace {

void applyPlateFormat(FormatChoiceContext& ctx, FormatControls& controls, const QString& code)
{
    AcquireState& state = ctx.state;
    const PlateFormat format = resolvePlateFormat(code);
    state.plateFormat = format.code;
    state.plateRows = format.rows;
    state.plateColumns = format.columns;
    if (ctx.drawPlateLayout)
        ctx.drawPlateLayout(format);

    ReadWellSpecFile(ctx.folder, code, ctx.geometry);
    controls.cmb_formatplate = code;

    controls.combogrup = ResetWellGroups(ctx.globals.groups, state.plateRows, state.plateColumns, ctx.redrawWell);
    controls.mnopciongrup = BuildGroupMenuCaptions(state.plateRows, state.plateColumns);

    controls.label_blank = QStringLiteral("Using blank [") + code + QStringLiteral("]:");
    state.blankInUse = ReadBlankFileHeader(ctx.folder, ctx.globals.serialNumber, code);
    const BlankLabels labels = ShowBlankLabels(state.blankInUse);
    controls.lbl_blanktime = labels.lbl_blanktime;
    controls.lbl_blankname = labels.lbl_blankname;
}

// Puts the box back on the current format: its last entry of that name, else a new one.
void returnToCurrentFormat(const QString& current, FormatControls& controls)
{
    int match = -1;
    for (qsizetype i = 0; i < controls.cmb_well_items.size(); ++i) {
        if (controls.cmb_well_items.at(i) == current)
            match = static_cast<int>(i);
    }
    if (match < 0) {
        controls.cmb_well_items << current;
        match = static_cast<int>(controls.cmb_well_items.size() - 1);
    }
    controls.cmb_well_index = match;
    controls.cmb_well = current;
}

} // namespace

FormatChoiceResult choosePlateFormat(FormatChoiceContext& context, FormatControls& controls)
{
    const QString code = controls.cmb_well;
    if (code == context.state.plateFormat)
        return FormatChoiceResult::Unchanged;
    const PromptAnswer answer =
        context.prompts.question(QStringLiteral("Change Plate to ") + code + QStringLiteral("?"), PromptButtons::YesNo);
    if (answer == PromptAnswer::Yes) {
        applyPlateFormat(context, controls, code);
        return FormatChoiceResult::Changed;
    }
    returnToCurrentFormat(context.state.plateFormat, controls);
    return FormatChoiceResult::Declined;
}

void fillFormatLists(FormatControls& controls, const QString& currentFormat)
{
    controls.cmb_well_items = startupFormatList();
    controls.cmb_formatplate_items = startupFormatList();
    controls.cmb_well_index = static_cast<int>(controls.cmb_well_items.indexOf(currentFormat));
    controls.cmb_well = currentFormat;
    controls.cmb_formatplate = currentFormat;
}
