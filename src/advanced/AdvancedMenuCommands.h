#pragma once

#include <QString>

class Prompts;
struct Globals;

// The program's identity texts, as the version and about boxes show them.
inline const QString kProgramVersion = QStringLiteral("V2.5 Rev2025-03-13");
inline const QString kProductLine = QStringLiteral("Oscivane VELDO");
inline const QString kMakerLine = QStringLiteral("Designed By Quorvantex SA[Nordavien]");

// "SoftVersion": the product line, one blank and the version.
QString softVersionText();
// "About": product, version, maker, credit and contact, one a line (CR LF).
QString aboutText();

// The page's "Calibrate" of its temperature calibration menu. Offline without
// dummy mode it shows "Operation not possible in OFFLINE Mode" and returns
// false; otherwise the page's copy of the offset takes the shared one. The page
// has no calibration panel to open.
bool calibrateTemperatureOnPage(const Globals& globals, Prompts& prompts, double& formTempOffset);

// The page's "Enable Internal Reference ": the same question as the main
// window's; Yes is answered "OK". True on Yes.
bool askEnableInternalReference(Prompts& prompts);
