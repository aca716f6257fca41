#pragma once

#include <QSize>
#include <QString>

#include <map>

// Where a control of the advanced page goes; -1 keeps the control's own size.
struct PagePlace {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
    bool operator==(const PagePlace&) const = default;
};

// The page's layout units for a window size: below 640 by 480 the page is laid
// out as 640 by 480.
struct PageUnits {
    int width = 0;  // W after the minimum
    int height = 0; // H after the minimum
    int usableWidth = 0;
    int usableHeight = 0;
    int left = 0;   // L
    int top = 0;    // T
    int column = 0; // C
    int row = 0;    // R
};

inline constexpr int kAdvancedPageMinWidth = 640;
inline constexpr int kAdvancedPageMinHeight = 480;

PageUnits advancedPageUnits(QSize window);

// Every placed control by name. `Line5` is a horizontal rule from left to
// left + width at top. `Picact`, `Picact2` and `Picrealtime` are placed inside
// `frame_main`. `lblrx` is hidden and has no place.
std::map<QString, PagePlace> LayoutAdvancedPage(QSize window);

// The page's text size in pixels: it follows the row unit so that the
// controls keep fitting their places, from 9 at the minimum up to 13.
int advancedPageFontPixels(const PageUnits& units);
