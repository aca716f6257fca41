#include "flash/FlashLayout.h"

#include "core/CheckByte.h"
#include "core/DateStamp.h"
#include "core/Rounding.h"

#include <cmath>

namespace {

constexpr int kDefaultBlankLapse = 30;
constexpr int kLedXyFirstLine = 4;
constexpr int kLedXyPages = 18;
// Two bytes hold 15 bits of magnitude; the 16th is the sign.
constexpr int kSignedMagnitudeLimit = 0x7FFF;
constexpr quint8 kSignBit = 0x80;
// The check byte follows the first "/" found from the name line's fourth byte on.
constexpr int kCheckSearchStart = 3;

FlashSection blankSectionAt(int firstLine, const char* name, const char* wells, int lapseMinutes)
{
    return {kBlankBank, firstLine, 1, name, blankLapseText(lapseMinutes) + wells};
}

QByteArray padded(QByteArray bytes, int size)
{
    bytes.truncate(size);
    bytes.append(size - bytes.size(), '\0');
    return bytes;
}

} // namespace

QList<int> FlashSection::pageLines() const
{
    QList<int> lines;
    for (int page = 0; page < pages; ++page)
        lines << firstLine + page * kFlashPageLines;
    return lines;
}

const std::vector<FlashSection>& wellFormatSections()
{
    static const std::vector<FlashSection> sections{
        {kWellFormatBank, 4, 1, "w6_col", "1L_06x4"},   {kWellFormatBank, 8, 1, "w6_row", "1L_06x4"},
        {kWellFormatBank, 12, 1, "p35_col", "1L_06x4"}, {kWellFormatBank, 16, 1, "p35_row", "1L_06x4"},
        {kWellFormatBank, 20, 1, "w24_col", "2L_12x4"}, {kWellFormatBank, 24, 1, "w24_row", "2L_12x4"},
    };
    return sections;
}

const FlashSection& tempFactorSection()
{
    static const FlashSection section{kFactorBank, 4, 1, "Tempfactor", "1L_2x1i"};
    return section;
}

const std::vector<FlashSection>& intFactorSections()
{
    static const std::vector<FlashSection> sections{
        {kFactorBank, 8, 1, "w6_intfactor", "1L_6x1"},
        {kFactorBank, 12, 1, "p35_intfactor", "1L_6x1"},
        {kFactorBank, 16, 1, "w24_intfactor", "1L_24x1"},
    };
    return sections;
}

const std::vector<FlashSection>& blankSections()
{
    static const std::vector<FlashSection> sections{
        *blankSection(QStringLiteral("w6"), kDefaultBlankLapse),
        *blankSection(QStringLiteral("p35"), kDefaultBlankLapse),
        *blankSection(QStringLiteral("w24"), kDefaultBlankLapse),
    };
    return sections;
}

std::optional<FlashSection> blankSection(const QString& code, int lapseMinutes)
{
    if (code == QLatin1String("w6"))
        return blankSectionAt(4, "w6_blank", "6x1", lapseMinutes);
    if (code == QLatin1String("p35"))
        return blankSectionAt(8, "p35_blank", "6x1", lapseMinutes);
    if (code == QLatin1String("w24"))
        return blankSectionAt(12, "w24_blank", "24x1", lapseMinutes);
    return std::nullopt;
}

const FlashSection& ledXySection()
{
    static const FlashSection section{kLedXyBank, kLedXyFirstLine, kLedXyPages, "ledxy", "70L416x4"};
    return section;
}

QByteArray blankLapseText(int lapseMinutes)
{
    return '[' + QByteArray::number(lapseMinutes).rightJustified(kBlankLapseDigits, '0') + ']';
}

quint8 flashCheckByte(const QByteArray& data)
{
    return xorCheckByte(data);
}

QByteArray flashNameLine(const FlashSection& section, quint8 checkByte)
{
    QByteArray line = section.name + ':' + section.sizeText + '/';
    line += static_cast<char>(checkByte);
    line += '/';
    return padded(line, kFlashNameLineBytes);
}

QByteArray flashSectionImage(const FlashSection& section, const QByteArray& packed)
{
    // The check byte covers the bytes the pages hold, as a reader checks them;
    // packed data beyond the pages is not stored, so it is not counted either.
    const QByteArray stored = padded(packed, section.dataCapacity());
    return flashNameLine(section, flashCheckByte(stored)) + stored;
}

QByteArray flashDateLine(const QDateTime& when)
{
    return formatDateStamp(when, QStringLiteral("yyyymmddhhmm")).toLatin1() + "//";
}

QByteArray flashHeaderPage(const QByteArray& title, const QByteArray& lastLine)
{
    return flashPageOfLines({kFlashVersionLine, kFlashMakerLine, title, lastLine});
}

QByteArray flashEndPage()
{
    return flashPageOfLines({kFlashEndLine, kFlashEndLine, kFlashEndLine, kFlashEndLine});
}

QByteArray flashPageOfLines(const QList<QByteArray>& lines)
{
    QByteArray page;
    for (int i = 0; i < kFlashPageLines; ++i)
        page += padded(i < lines.size() ? lines.at(i) : QByteArray(), kFlashLineBytes);
    return page;
}

std::optional<FlashSignedValue> FlashSignedValue::fromValue(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const std::int64_t n = roundHalfEven(std::fabs(value) * 100);
    if (n > kSignedMagnitudeLimit)
        return std::nullopt;
    FlashSignedValue v;
    v.high = static_cast<quint8>(n / 256);
    v.low = static_cast<quint8>(n % 256);
    if (value < 0)
        v.high |= kSignBit;
    return v;
}

int FlashSignedValue::hundredths() const
{
    const int magnitude = (high & ~kSignBit) * 256 + low;
    return (high & kSignBit) ? -magnitude : magnitude;
}

bool isValidFlashSection(const QByteArray& joined, const QByteArray& name)
{
    if (!joined.startsWith(name))
        return false;
    const QByteArray nameLine = joined.left(kFlashNameLineBytes);
    const qsizetype slash = nameLine.indexOf('/', kCheckSearchStart);
    // Without a "/" and a byte behind it inside the name line there is no check byte.
    if (slash < 0 || slash + 1 >= nameLine.size())
        return false;
    return static_cast<quint8>(nameLine.at(slash + 1)) == flashCheckByte(flashSectionData(joined));
}

QByteArray flashSectionData(const QByteArray& joined)
{
    return joined.mid(kFlashNameLineBytes);
}

std::optional<QByteArray> flashBlankLapse(const QByteArray& joined)
{
    const QByteArray nameLine = joined.left(kFlashNameLineBytes);
    const qsizetype open = nameLine.indexOf('[');
    const qsizetype close = nameLine.indexOf(']');
    if (open < 0 || close < open)
        return std::nullopt;
    return nameLine.mid(open + 1, close - open - 1);
}
