#include "acquisition/layout/MainWindowLayout.h"

#include "core/Rounding.h"

const ControlPlacement* MainWindowLayout::find(const std::string& name) const
{
    for (const auto& c : controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

LayoutUnits ComputeLayoutUnits(double outerWidthTwips, double outerHeightTwips)
{
    LayoutUnits u;
    u.layoutWidth = roundHalfEven(outerWidthTwips);
    u.layoutHeight = roundHalfEven(outerHeightTwips);
    if (u.layoutWidth < kLayoutMinWidth || u.layoutHeight < kLayoutMinHeight) {
        u.layoutWidth = static_cast<std::int64_t>(kLayoutMinWidth);
        u.layoutHeight = static_cast<std::int64_t>(kLayoutMinHeight);
    }
    const auto w = static_cast<double>(u.layoutWidth);
    const auto h = static_cast<double>(u.layoutHeight);
    u.marginLeft = roundHalfEven(0.05 * w);
    u.marginTop = roundHalfEven(0.025 * h);
    u.columnUnit = roundHalfEven(static_cast<double>(roundHalfEven(0.9 * w)) / 6);
    u.rowUnit = roundHalfEven(static_cast<double>(roundHalfEven(0.9 * h) - u.marginTop) / 20);
    return u;
}

MainWindowLayout LayoutMainWindow(double outerWidthTwips, double outerHeightTwips)
{
    MainWindowLayout out;
    out.units = ComputeLayoutUnits(outerWidthTwips, outerHeightTwips);
    const auto C = static_cast<double>(out.units.columnUnit);
    const auto R = static_cast<double>(out.units.rowUnit);
    const auto mL = static_cast<double>(out.units.marginLeft);
    const auto mT = static_cast<double>(out.units.marginTop);
    using Size = std::optional<double>;
    const Size designed;

    auto place = [&](const char* name, const char* inside, double left, double top, Size width, Size height) {
        out.controls.push_back({name, inside, left, top, width, height});
    };
    auto line = [&](const char* name, const char* inside, double x1, double x2, double y) {
        out.lines.push_back({name, inside, x1, x2, y});
    };

    // Page and status strip.
    place("Shape5", "", mL - 2, mT - 2, 6 * C + 4, 19.5 * R + 4);
    line("Line5", "", mL, mL + 6 * C - 8, mT + 1.4 * R + 2);
    place("lbl_myserial", "", mL + 0.025 * C, mT + 0.075 * R, 0.3 * C, designed);
    place("lbl_status", "", mL + 0.5 * C, mT + 0.275 * R, 0.5 * C, designed);
    place("txt_status", "", mL + 1.15 * C, mT + 0.275 * R, 3.25 * C, designed);
    place("txt_timepass", "", mL + 4.5 * C, mT + 0.275 * R, 1.25 * C, designed);

    // Overlay panels; the last three from the window's corner, without the margins.
    place("frmtempcal", "", mL + 2 * C, mT + 3 * R, designed, designed);
    place("frame_flash", "", mL + 2 * C, mT + 3 * R, designed, designed);
    place("Frm_report", "", mL + 2 * C, mT + 3 * R, designed, designed);
    place("frm_confirmacq", "", mL + 1.5 * C, mT + 3.75 * R, designed, designed);
    place("frameblank", "", 1.7 * C, 4.2 * R, 2.7 * C, 7.25 * R);
    place("frm_calibrate", "", 2 * C, 14.35 * R, designed, designed);
    place("Frame_tcycle", "", 0.52 * C, 15.2 * R, 0.84 * C, 3.9 * R);

    place("lblblankname", "frameblank", 0.5 * C, R, 0.5 * C, R);
    place("txt_blankname", "frameblank", C, R, 1.5 * C, R);
    place("lbl_timeblank", "frameblank", 0.5 * C, 2.2 * R, 0.5 * C, R);
    place("txt_blanklapse", "frameblank", C, 2.2 * R, 0.5 * C, R);
    place("lst_blank", "frameblank", 0.5 * C, 0.5 * R, 1.75 * C, 4 * R);
    place("lbl_blankdescription", "frameblank", 0.5 * C, 4.5 * R, 1.75 * C, R);
    place("cmd_okblank", "frameblank", 0.5 * C, 5.75 * R, C, R);
    place("cmd_cancelblank", "frameblank", 1.5 * C, 5.75 * R, C, R);

    // Main area.
    place("frame_main", "", mL + 0.125 * C, mT + 1.75 * R, 4.3 * C, 15 * R);
    place("frame_group", "frame_main", 0.05 * C, 0.2 * R, 0.9 * C, 14.5 * R);
    place("Frame_project", "frame_group", 0, 0.2 * R, 0.86 * C, 10.5 * R);
    place("Label_pj", "Frame_project", 0.05 * C, 0.45 * R, 0.5 * C, designed);
    place("cmd_renpj", "Frame_project", 0.32 * C, 0.45 * R, 0.23 * C, designed);
    place("cmd_loadpj", "Frame_project", 0.55 * C, 0.45 * R, 0.23 * C, designed);
    place("cmb_project", "Frame_project", 0.05 * C, 1.2 * R, 0.75 * C, designed);
    place("Label_groupsname", "Frame_project", 0.05 * C, 2.4 * R, 0.75 * C, designed);
    place("combogrup", "Frame_project", 0.05 * C, 3.1 * R, 0.75 * C, 5 * R);
    place("Cmd_clear", "Frame_project", 0.05 * C, 8.1 * R, 0.75 * C, R);
    place("cmd_goset", "Frame_project", 0.05 * C, 9.1 * R, 0.75 * C, R);
    place("cmd_load_recording", "frame_group", 0.01 * C, 11.05 * R, 0.84 * C, 1.5 * R);
    place("Picact2", "frame_main", 0.05 * C, 0.2 * R, 0.8 * C, 14.5 * R);
    place("Picact", "frame_main", 0.925 * C, 0.2 * R, 3.3 * C, 12.5 * R);
    place("frame_offline", "frame_main", 0.925 * C, 0.5 * R, 3.3 * C, 12.5 * R);
    place("Listpj", "frame_offline", 0.05 * C, 1.5 * R, 3.2 * C, 11 * R);
    place("Picrealtime", "frame_main", 1.1 * C, 14 * R, 3 * C, R);

    // Command column.
    place("Frame_menu", "", mL + 4.5 * C, mT + 1.75 * R, 1.25 * C, 15 * R);
    place("Label_acqlapse", "Frame_menu", 0.1 * C, 0.5 * R, 1.05 * C, designed);
    place("txtlapse", "Frame_menu", 0.1 * C, 1.4 * R, 0.55 * C, 0.9 * R);
    place("Label_minutes", "Frame_menu", 0.7 * C, 1.4 * R, 0.4 * C, designed);
    place("Label_microformat", "Frame_menu", 0.1 * C, 2.6 * R, 1.05 * C, designed);
    place("cmb_well", "Frame_menu", 0.1 * C, 3.4 * R, 0.55 * C, designed);
    line("Line1", "Frame_menu", 0.1 * C, 0.65 * C, 4.5 * R);
    place("chk_temp", "Frame_menu", 0.1 * C, 5 * R, 1.05 * C, designed);
    place("txttemp", "Frame_menu", 0.1 * C, 5.85 * R, 0.55 * C, designed);
    place("Shape_temp", "Frame_menu", 0.65 * C, 5.85 * R, 0.07 * C, 0.75 * R);
    place("Label_grad", "Frame_menu", 0.75 * C, 5.85 * R, 0.4 * C, designed);
    place("Shape8", "Frame_menu", 0.1 * C, 7.05 * R, 1.05 * C, 2.25 * R);
    place("label_blank", "Frame_menu", 0.13 * C, 7.15 * R, 0.6 * C, 0.75 * R);
    place("lbl_blanktime", "Frame_menu", 0.13 * C, 7.95 * R, 0.6 * C, 0.6 * R);
    place("lbl_blankname", "Frame_menu", 0.13 * C, 8.55 * R, 0.6 * C, 0.6 * R);
    place("cmd_blank", "Frame_menu", 0.75 * C, 7.5 * R, 0.35 * C, 1.5 * R);
    place("Frame_light", "Frame_menu", 0.1 * C, 9.3 * R, 1.05 * C, 1.7 * R);
    place("cmdPlay", "Frame_menu", 0.1 * C, 11 * R, 1.05 * C, 2 * R);
    place("cmdreport", "Frame_menu", 0.1 * C, 13 * R, 1.05 * C, 1.5 * R);

    // Well-position calibration column and its "Close" button.
    place("cmd_menu", "", mL + 4.5 * C, mT + 1.6 * R, 1.25 * C, 0.35 * R);
    place("Frame_calibration", "", mL + 4.5 * C, mT + 2.05 * R, 1.25 * C, 15 * R);
    place("txt_well_percent", "Frame_calibration", 0.8 * C, 0.5 * R, 0.4 * C, 14 * R);

    // Communication box.
    place("lbl_lenrx", "", mL + 0.15 * C, mT + 18 * R, designed, designed);
    place("txt_in", "", mL + 0.125 * C, mT + 18.5 * R, 4.1 * C, designed);
    return out;
}

bool layoutRedrawsPlate(int runState, bool calibrateShown, bool menuShown, bool plateShown)
{
    return runState == 0 && !calibrateShown && menuShown && plateShown;
}

std::vector<int> redrawAllWellsOrder(int plateRows, int plateColumns)
{
    std::vector<int> order;
    if (plateRows <= 0 || plateColumns <= 0) return order;
    order.reserve(static_cast<std::size_t>(plateRows) * static_cast<std::size_t>(plateColumns));
    for (int r = 0; r < plateRows; ++r) {
        for (int c = 0; c < plateColumns; ++c) order.push_back(c * plateRows + r);
    }
    return order;
}
