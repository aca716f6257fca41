#include "analysis/chemotaxis/ChemotaxisGroups.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFile>

std::optional<ChemotaxisGroupLabels> readChemotaxisGroupLabels(const QString& runFolder, int wellCount)
{
    QFile file(resolvePathIgnoringCase(QDir(runFolder).absoluteFilePath(QStringLiteral("chgroup.dat"))));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    ChemotaxisGroupLabels labels;
    file.readLine(); // "#Well, Group, name"
    double lastWell = 0;
    while (!file.atEnd() && lastWell <= wellCount - 1) {
        QString line = QString::fromLatin1(file.readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        const double well = textValue(first < 0 ? line : line.left(first));
        if (first < 0 || well < 0 || well >= kWellSlots)
            continue; // no well of the table: skipped, as if not there
        lastWell = well;
        const QString group = second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
        const QString name = second < 0 ? QString() : line.mid(second + 1).remove(QLatin1Char('"'));
        labels[size_t(well)] = formatNumber(textValue(group), QStringLiteral("000")) + QLatin1Char('_') + name;
    }
    return labels;
}
