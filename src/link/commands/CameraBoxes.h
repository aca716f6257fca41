#pragma once

#include <QString>

// The camera text boxes of a window (the main window and the advanced page
// each own one). The window binds its line edits to these texts; the camera
// senders and the frame readers read and write them here, so they run without
// a window.
struct CameraBoxes {
    QString txt_cam = QStringLiteral("0");       // "0" to "5" select a camera, any other text none
    QString txt_gain = QStringLiteral("15");
    QString txt_exposure = QStringLiteral("23");
    QString txt_speed = QStringLiteral("7");
    QString txt_xini = QStringLiteral("1");      // first line of the window
    QString txt_xfin = QStringLiteral("183");    // last line
    QString txt_yini = QStringLiteral("0");      // first pixel of a line
    QString txt_yfin = QStringLiteral("143");    // last pixel
    QString txt_lines = QStringLiteral("35");    // lines of the window, from the window button
    QString txt_pix = QStringLiteral("46");      // pixels per line, from the window button
    QString txtprogram = QStringLiteral("1");    // frame mode character

    // The texts the main window starts with.
    static CameraBoxes mainWindow() { return {}; }

    // The advanced page starts on the default window, 0 to 142 by 1 to 183.
    static CameraBoxes advancedPage()
    {
        CameraBoxes boxes;
        boxes.txt_xini = QStringLiteral("0");
        boxes.txt_xfin = QStringLiteral("142");
        boxes.txt_yini = QStringLiteral("1");
        boxes.txt_yfin = QStringLiteral("183");
        return boxes;
    }
};
