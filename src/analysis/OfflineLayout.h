#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

#include <optional>

// Where the saved-data page's controls go. The page takes the main window's
// place, so the grid comes from the main window's outer size, not the page's.
// A width or height of -1 keeps the control's own size.
struct OfflinePlaces {
    int margin = 0; // m
    int top = 0;    // t
    int column = 0; // c
    int row = 0;    // r

    QRect Shape5;
    QLine Line5;
    QRect lbl_status;
    QRect txt_status;
    QRect cmd_closeoffline;
    QRect Frm_report;
    QRect frame_offline;
    QRect Listpj;   // in frame_offline
    QRect cmd_report; // in frame_offline
    QRect Picreal;
    QRect HScroll_time;
    QRect lbl_scan;
    QRect cmd_plotbar;
    QRect cmd_plotheat;
    QRect txt_cframe;
    QRect frame_heatmap;
    QRect cmd_plotheatsum;   // in frame_heatmap
    QRect cmd_plotheatkin;   // in frame_heatmap
    QRect opt_hetmap_color[3]; // in frame_heatmap: B&W, Grey, Colour
    QRect Label_groupsname;
    QRect combogrup;
};

// The main window as the layout sees it.
struct MainWindowFrame {
    QSize outerSize;
    bool minimized = false;
};

// ArrangeOfflineControls: nothing while the main window is minimized; a main
// window smaller than 640 x 480 in either direction is laid out as 640 x 480.
std::optional<OfflinePlaces> ArrangeOfflineControls(const MainWindowFrame& mainWindow);
