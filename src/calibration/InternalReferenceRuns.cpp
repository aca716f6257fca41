#include "calibration/InternalReferenceRuns.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/Rounding.h"
#include "core/TextFile.h"
#include "plate/geometry/PlateFormat.h"

namespace {

constexpr int kHeaderLines = 2;
constexpr int kMinimumMinutes = 10;
const QString kActivityFile = QStringLiteral("current_activity.txt");

// The time of a line: the text up to its first blank, a decimal comma read as a point.
double lineMinutes(const QString& line)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return 0;
    QString time = line.left(blank + 1);
    time.replace(QLatin1Char(','), QLatin1Char('.'));
    return textValue(time);
}

} // namespace

int CheckRunLongerThan10Min(const QString& activityFilePath)
{
    const std::optional<QStringList> lines = readTextFile(activityFilePath);
    if (!lines || lines->size() < kHeaderLines)
        return 0;
    double minutes = 0;
    for (qsizetype i = kHeaderLines; i < lines->size(); ++i)
        minutes = lineMinutes(lines->at(i));
    return roundHalfEven(minutes) > kMinimumMinutes ? 1 : 0;
}

bool HasInternalReferenceRun(const ProgramFolder& folder, int serialNumber, const QString& format)
{
    if (!isFileNameSafeCode(format))
        return false;
    const QString project = folder.internalReferenceFolder(serialNumber);
    const QStringList runs = listFolder(project, QStringLiteral("????????_??????") + format + QLatin1Char('*'));
    for (const QString& run : runs) {
        if (CheckRunLongerThan10Min(resolvePathIgnoringCase(project + QLatin1Char('/') + run + QLatin1Char('/')
                                                            + kActivityFile)))
            return true;
    }
    return false;
}
