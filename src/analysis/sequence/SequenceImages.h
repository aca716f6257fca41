#pragma once

#include <QString>

// Where the chemotaxis images of a run lie and how they are named.

// The run folder's "3scans_images" (three-scan moving window) or "1scans_images".
QString sequenceImagesFolder(const QString& runFolder, bool threePoint);

// A well's image of one scan: "A1_0012.bmp" (at least four digits).
QString frameImageName(const QString& well, qint32 frame);

// An index plot: "CI_QR_b2.bmp"; with no index name "_b2.bmp".
QString indexPlotName(const QString& indexName, const QString& well);

// The path of an existing file of that name in the folder, found whatever its
// case; empty when there is none.
QString existingImage(const QString& folder, const QString& name);

// The largest frame number of the well's images in the folder, 0 when none:
// the digits between the name's last "_" and ".bmp" (A1_0012.bmp, A1_10000.bmp).
qint32 lastFrameNumber(const QString& folder, const QString& well);
