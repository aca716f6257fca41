#pragma once

#include <QString>
#include <QStringList>

class ProgramFolder;

// What loading the advanced page puts into its boxes.
QStringList advancedLedListItems();              // "0" to "15"
inline const QString kAdvancedLedDefault = QStringLiteral("3");
QString advancedCameraSpeed(int hardwareGeneration); // "8" from generation 2, else "7"

// The full-frame button's caption for the video box.
QString fullFrameCaption(bool videoMode);

// The folder the video frames are exported to; made when missing. False when
// it could not be made.
bool ensureBmpExportFolder(const ProgramFolder& folder);
