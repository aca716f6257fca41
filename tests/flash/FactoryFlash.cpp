#include "FactoryFlash.h"

#include "support/FixtureFiles.h"

namespace factory {

namespace {

QByteArray records(std::initializer_list<std::initializer_list<int>> rows)
{
    QByteArray data;
    for (const auto& row : rows)
        for (const int v : row)
            data += static_cast<char>(v);
    return data;
}

// Packed data reaches at least one page's 72 bytes, as the writers pack it.
QByteArray padded72(QByteArray data)
{
    if (data.size() < kFlashPageDataBytes)
        data.append(kFlashPageDataBytes - data.size(), '\0');
    return data;
}

} // namespace

QByteArray wellFormatData(const QByteArray& sectionName)
{
    if (sectionName == "w6_col")
        return padded72(records({{0, 0, 5, 140}, {1, 0, 5, 140}, {2, 1, 5, 140},
                                 {3, 1, 5, 140}, {4, 2, 5, 140}, {5, 2, 5, 140}}));
    if (sectionName == "w6_row")
        return padded72(records({{0, 0, 10, 90}, {0, 1, 95, 182}, {1, 0, 12, 91},
                                 {1, 1, 96, 183}, {5, 0, 0, 255}, {5, 1, 128, 254}}));
    if (sectionName == "p35_col")
        return padded72(records({{0, 0, 8, 138}, {1, 0, 7, 139}, {2, 1, 6, 140},
                                 {3, 1, 5, 141}, {4, 2, 4, 142}, {5, 2, 3, 143}}));
    if (sectionName == "p35_row")
        return padded72(records({{0, 0, 20, 100}, {0, 1, 105, 190}, {2, 0, 21, 101},
                                 {2, 1, 106, 191}, {4, 0, 22, 102}, {4, 1, 107, 192}}));
    if (sectionName == "w24_col")
        return padded72(records({{0, 0, 2, 70}, {0, 1, 72, 140}, {1, 0, 3, 71}, {1, 1, 73, 141},
                                 {2, 2, 4, 72}, {2, 3, 74, 142}, {3, 2, 5, 73}, {3, 3, 75, 143},
                                 {4, 4, 6, 74}, {4, 5, 76, 144}, {5, 4, 7, 75}, {5, 5, 77, 145}}));
    if (sectionName == "w24_row")
        return padded72(records({{0, 0, 1, 45}, {0, 1, 46, 90}, {0, 2, 91, 135}, {0, 3, 136, 180},
                                 {1, 0, 2, 46}, {1, 1, 47, 91}, {1, 2, 92, 136}, {1, 3, 137, 181},
                                 {2, 0, 3, 47}, {2, 1, 48, 92}, {2, 2, 93, 137}, {2, 3, 138, 255}}));
    return {};
}

QByteArray ledXyData()
{
    QByteArray data;
    for (int n = 0; n < 416; ++n) {
        data += static_cast<char>((n * 7) % 256);
        data += static_cast<char>((n * 7 + 20) % 256);
        data += static_cast<char>((n * 13) % 256);
        data += static_cast<char>(255 - n % 256);
    }
    // Padded to whole lines: 70 of them.
    data.append(1680 - data.size(), '\0');
    return data;
}

QByteArray tempFactorData()
{
    return padded72(bytes({134, 98, 0, 173}));
}

QByteArray intFactorData(const QByteArray& sectionName)
{
    if (sectionName == "w6_intfactor")
        return padded72(bytes({100, 255, 0, 87, 120, 1}));
    if (sectionName == "p35_intfactor")
        return padded72(QByteArray(24, static_cast<char>(100)));
    if (sectionName == "w24_intfactor") {
        QByteArray data;
        for (int i = 0; i < 24; ++i)
            data += static_cast<char>(76 + i * 7);
        return padded72(data);
    }
    return {};
}

QByteArray blankData(const QString& code)
{
    if (code == QLatin1String("w6"))
        return padded72(bytes({12, 0, 255, 40, 7, 128}));
    if (code == QLatin1String("p35"))
        return padded72(bytes({1, 2, 3, 4, 5, 6}));
    // A w24 blank of 384 values: the page carries the first 72, and the rest XOR to 0.
    QByteArray data;
    for (int i = 0; i < 72; ++i)
        data += static_cast<char>((i * 10) % 256);
    data.append(312, '\0');
    return data;
}

int blankLapse(const QString& code)
{
    if (code == QLatin1String("w6"))
        return 30;
    if (code == QLatin1String("p35"))
        return 45;
    return 10000; // five digits: the w24 name line fills its 24 bytes
}

FlashImageEntry sectionEntry(const FlashSection& section, const QByteArray& packed)
{
    return {section.bank, section.firstLine, flashSectionImage(section, packed)};
}

FlashImage image()
{
    const QDateTime written(QDate(2025, 11, 3), QTime(16, 5));
    FlashImage image{
        {kWellFormatBank, kFlashHeaderLine, flashHeaderPage(kWellFormatTitle)},
        {kWellFormatBank, kWellFormatEndLine, flashEndPage()},
        {kFactorBank, kFlashHeaderLine, flashHeaderPage(kIntFactorTitle)},
        {kBlankBank, kFlashHeaderLine, flashHeaderPage(kBlankTitle, flashDateLine(written))},
        {kLedXyBank, kFlashHeaderLine, flashHeaderPage(kLedXyTitle)},
    };
    for (const FlashSection& s : wellFormatSections())
        image.push_back(sectionEntry(s, wellFormatData(s.name)));
    image.push_back(sectionEntry(tempFactorSection(), tempFactorData()));
    for (const FlashSection& s : intFactorSections())
        image.push_back(sectionEntry(s, intFactorData(s.name)));
    for (const QString& code : {QStringLiteral("w6"), QStringLiteral("p35"), QStringLiteral("w24")})
        image.push_back(sectionEntry(*blankSection(code, blankLapse(code)), blankData(code)));
    image.push_back(sectionEntry(ledXySection(), ledXyData()));
    return image;
}

} // namespace factory

QByteArray expectedFile(const QString& fileName)
{
    return fileBytes(QStringLiteral(VELDO_FIXTURES "/flash/") + fileName);
}
