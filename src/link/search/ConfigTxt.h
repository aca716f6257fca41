#pragma once

#include "core/ProgramFolder.h"
#include "link/commands/CameraBoxes.h"

#include <QString>
#include <QStringList>

// The main window's boxes whose texts config.txt records, with their designer
// texts. The frame mode, gain and exposure boxes are the camera boxes the
// window really uses (CameraBoxes), so they are not kept twice here.
struct ConfigTxtBoxes {
    QString txtcom = QStringLiteral("3");
    QString txt_led = QStringLiteral("3"); // the LED power list, designed at "3"
    QString txtlapse = QStringLiteral("30");
    QString cmb_well;
    QString txttemp;
};

// The eight lines of config.txt, each the key and the box's text in double quotes.
QStringList configTxtLines(const ConfigTxtBoxes& boxes, const CameraBoxes& camera);

// Replaces config.txt in the program folder. Nothing reads the file back, so
// callers may ignore a failure.
bool WriteConfigTxt(const ProgramFolder& folder, const ConfigTxtBoxes& boxes, const CameraBoxes& camera);
