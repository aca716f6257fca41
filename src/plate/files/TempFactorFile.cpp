#include "plate/files/TempFactorFile.h"

#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/TextFile.h"

#include <QFileInfo>

#include <cmath>
#include <optional>

namespace {

const QString kHeader = QStringLiteral("\"Temperature sensor parameters\"");
const QString kOffsetKey = QStringLiteral("OFFSET");
const QString kSlopeKey = QStringLiteral("SLOPE");

// The known readings at raw 20 and 37 that a plausible pair must come within 5 degrees of.
constexpr double kRaw1 = 20;
constexpr double kDegrees1 = 18.3;
constexpr double kRaw2 = 37;
constexpr double kDegrees2 = 47.744;
constexpr double kPlausibleDeviation = 5;
// Decimal fractions are not exact in binary: a deviation that is 5 on paper counts as 5.
constexpr double kDeviationTolerance = 1e-9;

// A key=value line: nullopt when it has no "=". The value counts only when the
// key matches exactly; a decimal comma reads as a point.
std::optional<std::optional<double>> keyedValue(const QString& line, const QString& key)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    if (line.left(eq) != key)
        return std::optional<double>();
    return std::optional<double>(textValue(withDecimalPoint(line.mid(eq + 1))));
}

double inRangeOr(std::optional<double> value, double low, double high, double fallback)
{
    return value && *value > low && *value < high ? *value : fallback;
}

} // namespace

bool tempFactorsPlausible(const TempCalibration& c)
{
    const double d1 = kDegrees1 - c.degrees(kRaw1);
    const double d2 = kDegrees2 - c.degrees(kRaw2);
    const double limit = kPlausibleDeviation - kDeviationTolerance;
    return std::fabs(d1) < limit && std::fabs(d2) < limit;
}

bool tempFactorsPlausibleAsStored(const TempCalibration& c)
{
    // As tempfactor.dat holds the pair once written: each factor to two decimals.
    const TempCalibration stored{roundToHundredths(c.offset), roundToHundredths(c.slope)};
    return tempFactorsPlausible(c) && tempFactorsPlausible(stored);
}

namespace {

// The pair the file holds, or nullopt when its lines cannot be read.
std::optional<TempCalibration> readPair(const QString& path)
{
    const std::optional<QStringList> lines = readTextFile(path);
    if (!lines || lines->size() < 3)
        return std::nullopt;
    const auto offset = keyedValue(lines->at(1), kOffsetKey);
    const auto slope = keyedValue(lines->at(2), kSlopeKey);
    if (!offset || !slope)
        return std::nullopt;
    TempCalibration c;
    c.offset = inRangeOr(*offset, -50, 50, TempCalibration::kDefaultOffset);
    c.slope = inRangeOr(*slope, 0, 10, TempCalibration::kDefaultSlope);
    return c;
}

TempCalibration keep(Globals& globals, const TempCalibration& c)
{
    globals.tempOffset = c.offset;
    globals.tempSlope = c.slope;
    return c;
}

} // namespace

QString tempFactorPath(const ProgramFolder& folder, int serialNumber)
{
    return folder.path(ProgramFolder::unitFolderName(serialNumber) + QStringLiteral("/tempfactor.dat"));
}

QString tempFactorText(double value)
{
    QString text = formatNumber(roundToHundredths(value), QStringLiteral("0.00"));
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.replace(QLatin1Char('.'), systemDecimalSeparator());
}

bool WriteTempFactorFile(const ProgramFolder& folder, const Globals& globals)
{
    return writeTextFile(tempFactorPath(folder, globals.serialNumber),
                         {kHeader, QStringLiteral("OFFSET=") + tempFactorText(globals.tempOffset),
                          QStringLiteral("SLOPE=") + tempFactorText(globals.tempSlope)});
}

TempCalibration ReadTempFactor(const ProgramFolder& folder, Globals& globals, Console& console, Prompts& prompts)
{
    const TempCalibration defaults;
    const QString path = tempFactorPath(folder, globals.serialNumber);
    if (!QFileInfo::exists(path)) {
        keep(globals, defaults);
        if (!WriteTempFactorFile(folder, globals))
            prompts.message(kTempFactorFileError);
        return defaults;
    }
    const std::optional<TempCalibration> read = readPair(path);
    if (!read) {
        prompts.message(kTempFactorFileError);
        return keep(globals, defaults);
    }
    // Rounding on the next save could carry a pair at the border out of limit,
    // and the next start would then drop a calibration that worked.
    if (!tempFactorsPlausibleAsStored(*read)) {
        console.setStatus(kTempFactorOutOfLimit);
        return keep(globals, defaults);
    }
    return keep(globals, *read);
}
