#pragma once

#include <QString>

// The texts of the labels that show the blank in use.
struct BlankLabels {
    QString lbl_blanktime; // "2025.03.14 10:15h", or "none"
    QString lbl_blankname; // the name part, "_" shown as blanks
    bool operator==(const BlankLabels&) const = default;
};

// The labels of a blank run name "yyyymmdd_hhmmss..." read by character
// position; "none" and an empty name show "none" and no name.
BlankLabels ShowBlankLabels(const QString& blankName);
