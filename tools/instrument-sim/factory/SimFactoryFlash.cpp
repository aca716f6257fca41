#include "factory/SimFactoryFlash.h"

#include "flash/FlashLayout.h"
#include "lib/LedLighting.h"
#include "lib/LedPowers.h"
#include "plate/files/TempFactorFile.h"
#include "plate/geometry/CameraLayout.h"

#include <QString>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace {

// The camera window the LEDs were measured in: the default one, whose X range
// starts at sensor line 0 and whose Y range ends at sensor pixel 183. Line k
// lies at x = k + 1, pixel p at y = 183 - p.
constexpr int kWindowFirstLine = 0;
constexpr int kWindowLastPixel = 183;

constexpr int kNeutralFactor = 100;
// The program packs factors without a reference run as 24 bytes.
constexpr int kFactorBytes = 24;
constexpr int kBlankLapseMinutes = 30;

struct FactorySpan {
    int start;
    int end;
};

// The records of one well table: per camera, one per span, numbered within the
// camera's block of the plate as the default tables number them.
QByteArray wellRecords(int (*block)(int), std::initializer_list<FactorySpan> spans)
{
    const int perCamera = static_cast<int>(spans.size());
    QByteArray data;
    for (int camera = 0; camera < kCameraCount; ++camera) {
        int k = 0;
        for (const FactorySpan& s : spans) {
            data += static_cast<char>(camera);
            data += static_cast<char>(perCamera * block(camera) + k++);
            data += static_cast<char>(s.start);
            data += static_cast<char>(s.end);
        }
    }
    return data;
}

// w6 and p35: one well per camera; w24: two columns by two rows of wells.
QByteArray wellFormatData(const QByteArray& name)
{
    if (name == "w24_col")
        return wellRecords(cameraColumnBlock, {{5, 75}, {75, 142}});
    if (name == "w24_row")
        return wellRecords(cameraRowBlock, {{10, 90}, {90, 170}});
    if (name.endsWith("_col"))
        return wellRecords(cameraColumnBlock, {{5, 140}});
    return wellRecords(cameraRowBlock, {{10, 165}});
}

// x1, x2, y1, y2 of each LED; an LED outside the layout has none (all 0).
// What lies past the window's Y end is not seen, so y1 stops at 0.
QByteArray ledXyData(int generation)
{
    QByteArray data;
    for (int led = 0; led < kSimLedCount; ++led) {
        const std::optional<LedSpot> spot = ledSpot(generation, led);
        if (!spot) {
            data.append(4, '\0');
            continue;
        }
        data += static_cast<char>(spot->firstLine - kWindowFirstLine + 1);
        data += static_cast<char>(spot->lastLine - kWindowFirstLine + 1);
        data += static_cast<char>(std::max(kWindowLastPixel - spot->lastPixel, 0));
        data += static_cast<char>(kWindowLastPixel - spot->firstPixel);
    }
    return data;
}

QByteArray tempFactorData()
{
    QByteArray data;
    for (const double value : {TempCalibration::kDefaultOffset, TempCalibration::kDefaultSlope}) {
        const FlashSignedValue v = *FlashSignedValue::fromValue(value);
        data += static_cast<char>(v.high);
        data += static_cast<char>(v.low);
    }
    return data;
}

FlashImageEntry sectionEntry(const FlashSection& section, const QByteArray& packed)
{
    return {section.bank, section.firstLine, flashSectionImage(section, packed)};
}

} // namespace

FlashImage simFactoryFlashImage(int serialNumber)
{
    FlashImage image{
        {kWellFormatBank, kFlashHeaderLine, flashHeaderPage(kWellFormatTitle)},
        {kWellFormatBank, kWellFormatEndLine, flashEndPage()},
        {kFactorBank, kFlashHeaderLine, flashHeaderPage(kIntFactorTitle)},
        {kBlankBank, kFlashHeaderLine, flashHeaderPage(kBlankTitle)},
        {kLedXyBank, kFlashHeaderLine, flashHeaderPage(kLedXyTitle)},
    };
    for (const FlashSection& s : wellFormatSections())
        image.push_back(sectionEntry(s, wellFormatData(s.name)));
    image.push_back(sectionEntry(ledXySection(), ledXyData(simHardwareGeneration(serialNumber))));
    image.push_back(sectionEntry(tempFactorSection(), tempFactorData()));
    for (const FlashSection& s : intFactorSections())
        image.push_back(sectionEntry(s, QByteArray(kFactorBytes, static_cast<char>(kNeutralFactor))));
    for (const QString& code : {QStringLiteral("w6"), QStringLiteral("p35"), QStringLiteral("w24")})
        image.push_back(sectionEntry(*blankSection(code, kBlankLapseMinutes), QByteArray()));
    return image;
}
