#pragma once

#include "core/ProgramFolder.h"

#include <QString>
#include <QStringList>

// The main window's boxes whose texts config.txt records, with their designer texts.
struct ConfigTxtBoxes {
    QString txtcom = QStringLiteral("3");
    QString txtprogram = QStringLiteral("1");
    QString txt_gain = QStringLiteral("15");
    QString txt_exposure = QStringLiteral("23");
    QString txt_led;
    QString txtlapse = QStringLiteral("30");
    QString cmb_well;
    QString txttemp;
};

// The eight lines of config.txt, each the key and the box's text in double quotes.
QStringList configTxtLines(const ConfigTxtBoxes& boxes);

// Replaces config.txt in the program folder. Nothing reads the file back, so
// callers may ignore a failure.
bool WriteConfigTxt(const ProgramFolder& folder, const ConfigTxtBoxes& boxes);
