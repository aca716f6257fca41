#include "flash/FlashReaderRun.h"
#include "flash/FlashReaders.h"

#include "core/NumberText.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

#include <array>

namespace {

const FlashReaderTexts kTexts{
    QStringLiteral("Internal REF Calibration not found at VELDO memory"),
    QStringLiteral("Error reading Internal REF Calibration from VELDO equipment memory"),
};

// The plate format of each section of intFactorSections(), in its order.
const std::array<const char*, 3> kFormats{"w6", "p35", "w24"};

// A factor byte is the factor times 100.
QStringList factorFileLines(const QString& timeLine, const QString& code, const QByteArray& data)
{
    const PlateGrid grid = plateGrid(code);
    QString names = QStringLiteral("well");
    QString factors = QStringLiteral("mult_factor");
    for (int well = 0; well < grid.wells(); ++well) {
        names += QLatin1Char(' ') + wellNameOfIndex(well, grid);
        factors += QLatin1Char(' ')
            + formatNumber(static_cast<quint8>(data.at(well)) / 100.0, QStringLiteral("0.00"));
    }
    return {timeLine, names, factors};
}

} // namespace

qint16 ReadIntFactorFromFlash(LinkContext& ctx, const ProgramFolder& folder, const QString& serialSuffix,
                              FlashPageTally* tally)
{
    FlashReaderRun run(ctx, folder, unitFolderFromSuffix(serialSuffix), kTexts, tally);
    const std::vector<FlashSection>& sections = intFactorSections();
    for (size_t i = 0; i < sections.size(); ++i) {
        const std::optional<QByteArray> joined = run.read(sections[i]);
        if (!joined)
            continue;
        const QString code = QLatin1String(kFormats[i]);
        if (!run.write(QStringLiteral("intfactor_") + code + QStringLiteral(".dat"),
                       factorFileLines(run.readingTimeLine(), code, flashSectionData(*joined))))
            return run.stop();
    }
    return run.finish();
}
