#pragma once

#include <QString>
#include <QStringList>

// What start-up puts into the main window's lists, in their order.
QStringList setPointItems();          // txttemp: "20" to "37"
QStringList internalReferenceItems(); // combo_intref: "No", "Apply", "Update"
QStringList reportBinItems();         // Combo_reportbin: "ScanTime", "15" ... "1440"
QStringList pixelSetRowItems();       // cmb_set1: "A" to "H"
QStringList pixelSetColumnItems();    // cmb_set2: "1" to "12"
QStringList reportFileItems();        // Combo_reportfile: ".csv", ".txt"
QStringList reportDividerItems();     // Combo_reportdivider: ",", ";"

// The serial label lbl_myserial: "Offline" at 12 pt, or "SN" and the number at 16 pt.
struct SerialLabel {
    QString caption;
    int pointSize = 0;
};
SerialLabel serialLabelFor(bool offlineMode, int serialNumber);
