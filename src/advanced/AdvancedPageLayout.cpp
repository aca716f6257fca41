#include "advanced/AdvancedPageLayout.h"

#include "core/Rounding.h"

#include <algorithm>

namespace {

int whole(double v) { return static_cast<int>(roundHalfEven(v)); }

} // namespace

PageUnits advancedPageUnits(QSize window)
{
    PageUnits u;
    u.width = window.width();
    u.height = window.height();
    if (u.width < kAdvancedPageMinWidth || u.height < kAdvancedPageMinHeight) {
        u.width = kAdvancedPageMinWidth;
        u.height = kAdvancedPageMinHeight;
    }
    u.usableWidth = whole(0.9 * u.width);
    u.usableHeight = whole(0.9 * u.height);
    u.left = whole(0.05 * u.width);
    u.top = whole(0.025 * u.height);
    u.column = whole(u.usableWidth / 6.0);
    u.row = whole((u.usableHeight - u.top) / 20.0);
    return u;
}

int advancedPageFontPixels(const PageUnits& units)
{
    return std::clamp(whole(0.4 * units.row), 9, 13);
}

std::map<QString, PagePlace> LayoutAdvancedPage(QSize window)
{
    const PageUnits u = advancedPageUnits(window);
    const double C = u.column;
    const double R = u.row;
    const double L = u.left;
    const double T = u.top;
    auto at = [](double left, double top, double width = -1, double height = -1) {
        return PagePlace{whole(left), whole(top), width < 0 ? -1 : whole(width), height < 0 ? -1 : whole(height)};
    };
    std::map<QString, PagePlace> p;
    p["Shape5"] = at(L - 2, T - 2, 6 * C + 4, 19.5 * R + 4);
    p["Line5"] = at(L, 1.4 * R + T + 2, 6 * C - 8, 0);
    p["lbl_status"] = at(0.175 * C + L, 0.275 * R + T, 0.5 * C);
    p["txt_status"] = at(0.575 * C + L, 0.275 * R + T, 3.65 * C);
    p["txt_timepass"] = at(4.5 * C + L, 0.275 * R + T, 1.25 * C);
    p["frame_main"] = at(0.125 * C + L, 1.75 * R + T, 4.3 * C, 15 * R);
    p["Picact2"] = at(0.05 * C, 0.2 * R, 0.8 * C, 14.5 * R);
    p["Picact"] = at(0.925 * C, 0.2 * R, 3.3 * C, 12.5 * R);
    p["Picrealtime"] = at(1.1 * C, 14 * R, 3 * C, R);
    p["cmd_menu"] = at(4.5 * C + L, 1.6 * R + T, 1.25 * C, 0.35 * R);
    p["frame_advanced"] = at(4.5 * C + L, 2.05 * R + T, 1.35 * C, 16 * R);
    p["lbl_lenrx"] = at(0.15 * C + L, 18 * R + T);
    p["txt_in"] = at(0.125 * C + L, 18.5 * R + T, 4.1 * C);
    return p;
}
