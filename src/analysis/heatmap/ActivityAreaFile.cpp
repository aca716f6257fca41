#include "analysis/heatmap/ActivityAreaFile.h"

#include "core/DateStamp.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "core/TextFile.h"
#include "plate/geometry/WellNumbering.h"

#include <QDir>
#include <QStringList>

bool writeActivityAreaHeader(const QString& path, const ActivityAreaHeader& header)
{
    QStringList names;
    for (int n = 0; n < header.grid.wells(); ++n)
        names << wellNameOfIndex(n, header.grid);
    const QStringList lines = {
        QStringLiteral("Folder:,") + QDir::toNativeSeparators(header.runFolder),
        QStringLiteral("Report Date:,") + formatDateStamp(header.reportDate, QStringLiteral("yyyy-mm-dd hh:mm.ss")),
        QStringLiteral("Project:,") + header.projectName,
        QStringLiteral("Acquisition:,") + header.acquisitionName,
        QString(),
        QStringLiteral("WELL AREA OCCUPIED BY ACTIVITY[%]"),
        QStringLiteral("Time[m],") + names.join(QLatin1Char(',')),
    };
    return writeTextFile(path, lines);
}

bool appendActivityAreaRow(const QString& path, double minutes, const std::vector<double>& areaPercent)
{
    QStringList fields{QString::number(roundHalfEven(minutes))};
    for (const double area : areaPercent)
        fields << formatNumber(area, QStringLiteral("0"));
    return appendTextFile(path, {fields.join(QLatin1Char(','))});
}
