#include "analysis/OfflineLayout.h"

#include "core/Rounding.h"

namespace {
int whole(double v)
{
    return static_cast<int>(roundHalfEven(v));
}
} // namespace

std::optional<OfflinePlaces> ArrangeOfflineControls(const MainWindowFrame& mainWindow)
{
    if (mainWindow.minimized)
        return std::nullopt;
    int W = mainWindow.outerSize.width();
    int H = mainWindow.outerSize.height();
    if (W < 640 || H < 480) {
        W = 640;
        H = 480;
    }
    const int w = whole(0.9 * W);
    const int h = whole(0.9 * H);
    const int m = whole(0.05 * W);
    const int t = whole(0.025 * H);
    const double c = whole(w / 6.0);
    const double r = whole((h - t) / 20.0);

    const auto at = [](double left, double top, double width, double height) {
        return QRect(whole(left), whole(top), width < 0 ? -1 : whole(width), height < 0 ? -1 : whole(height));
    };
    constexpr double design = -1;

    OfflinePlaces p;
    p.margin = m;
    p.top = t;
    p.column = static_cast<int>(c);
    p.row = static_cast<int>(r);
    p.Shape5 = at(m - 2, t - 2, 6 * c + 4, 19.5 * r + 4);
    p.Line5 = QLine(m, whole(t + 1.4 * r + 2), whole(m + 6 * c - 8), whole(t + 1.4 * r + 2));
    p.lbl_status = at(m + 0.175 * c, t + 0.275 * r, 0.5 * c, 0.66 * r);
    p.txt_status = at(m + 0.575 * c, t + 0.275 * r, 3.65 * c, design);
    p.cmd_closeoffline = at(m + 4.5 * c, t + 0.275 * r, 1.25 * c, 0.66 * r);
    p.Frm_report = at(m + 2 * c, t + 3 * r, design, design);
    p.frame_offline = at(m + 0.125 * c, t + 1.75 * r, 4.3 * c, 9 * r);
    p.Listpj = at(0.05 * c, r, 4.25 * c, 6.5 * r);
    p.cmd_report = at(3.3 * c, 7.4 * r, c, 0.66 * r);
    p.Picreal = at(m + 1.125 * c, t + 10.5 * r, 3.3 * c, 8 * r);
    p.HScroll_time = at(m + 1.125 * c, t + 18.6 * r, 2.7 * c, 0.5 * r);
    p.lbl_scan = at(m + 3.825 * c, t + 18.6 * r, 0.6 * c, 0.5 * r);
    p.cmd_plotbar = at(m + 4.5 * c, t + 11 * r, 0.5 * c, 0.66 * r);
    p.cmd_plotheat = at(m + 4.5 * c, t + 12 * r, 0.5 * c, 0.66 * r);
    p.txt_cframe = at(m + 5.1 * c, t + 12.1 * r, 0.35 * c, design);
    p.frame_heatmap = at(m + 4.5 * c, t + 13 * r, 0.75 * c, 3.5 * r);
    p.cmd_plotheatsum = at(0.05 * c, 0.25 * r, 0.3 * c, 0.66 * r);
    p.cmd_plotheatkin = at(0.35 * c, 0.25 * r, 0.3 * c, 0.66 * r);
    p.opt_hetmap_color[2] = at(0.05 * c, 1.5 * r, 0.5 * c, design);
    p.opt_hetmap_color[0] = at(0.05 * c, 2 * r, 0.5 * c, design);
    p.opt_hetmap_color[1] = at(0.05 * c, 2.5 * r, 0.5 * c, design);
    p.Label_groupsname = at(m + 0.125 * c, t + 11.25 * r, 0.75 * c, design);
    p.combogrup = at(m + 0.125 * c, t + 12 * r, 0.75 * c, 5 * r);
    return p;
}
