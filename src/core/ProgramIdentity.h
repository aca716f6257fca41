#pragma once

#include <QString>

// The program's identity texts, the same on every window's version and about boxes.
inline const QString kProgramVersion = QStringLiteral("V2.5 Rev2025-03-13");
inline const QString kProductLine = QStringLiteral("Oscivane VELDO");
inline const QString kMakerLine = QStringLiteral("Designed By Quorvantex SA[Nordavien]");

// "SoftVersion": the product line, one blank and the version.
QString softVersionText();
// "About": product, version and maker, one a line (CR LF).
QString aboutText();
