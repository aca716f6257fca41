#pragma once

#include "plate/geometry/PlateFormat.h"

#include <QDateTime>
#include <QString>

#include <vector>

// percent_activity.csv of a run: the share of each well's in-mask cells that
// moved, scan by scan, as the activity-area export writes it.
inline const QString kActivityAreaFile = QStringLiteral("percent_activity.csv");

struct ActivityAreaHeader {
    QString runFolder;       // pageRunFolder, full path
    QDateTime reportDate;
    QString projectName;
    QString acquisitionName; // first line of subpj.dat
    PlateGrid grid;
};

// Replaces the file with its seven header lines; false when it cannot be written.
bool writeActivityAreaHeader(const QString& path, const ActivityAreaHeader& header);

// Appends one scan's row: its minutes (halves to even), then each well's area in percent.
bool appendActivityAreaRow(const QString& path, double minutes, const std::vector<double>& areaPercent);
