#pragma once

#include "link/commands/FlashPages.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// Where the calibration lies in the instrument's flash and how its bytes are
// arranged. The instrument only stores bytes; this arrangement is the
// program's own, and the readers and writers of the calibration share it.
//
// Line: 24 bytes. Page: 4 lines (96 bytes), addressed by bank and first line
// (a multiple of 4). Every bank starts with a header page at line 0. A data
// page starts with its name line (section name, ":", size text, "/", check
// byte, "/", NUL padding); its other three lines hold 72 data bytes.

inline constexpr int kFlashNameLineBytes = kFlashLineBytes;
inline constexpr int kFlashPageDataBytes = kFlashPageBytes - kFlashNameLineBytes;
inline constexpr int kFlashHeaderLine = 0;

// The banks of the calibration sections.
inline constexpr int kWellFormatBank = 0;
inline constexpr int kFactorBank = 1;
inline constexpr int kBlankBank = 2;
inline constexpr int kLedXyBank = 3;

// Bank 0 closes with a page whose four lines read "END//".
inline constexpr int kWellFormatEndLine = 28;
inline const QByteArray kFlashEndLine = QByteArrayLiteral("END//");

// A blank lapse is stored with at least four digits.
inline constexpr int kBlankLapseDigits = 4;

// One calibration section: its place and the texts of its name line.
struct FlashSection {
    int bank = 0;
    int firstLine = 0;
    int pages = 1;
    QByteArray name;     // what a reader checks: "w6_col", "ledxy"
    QByteArray sizeText; // behind the ":"; only informative

    // The first lines of its pages, in order.
    QList<int> pageLines() const;
    // Bytes its pages hold, and of these the data bytes behind the name line.
    int byteCount() const { return pages * kFlashPageBytes; }
    int dataCapacity() const { return byteCount() - kFlashNameLineBytes; }
};

// Bank 0, one page each: w6_col, w6_row, p35_col, p35_row, w24_col, w24_row.
// Data: records of 4 bytes (camera, column or row, start, end).
const std::vector<FlashSection>& wellFormatSections();
// Bank 1: OFFSET then SLOPE as signed values.
const FlashSection& tempFactorSection();
// Bank 1: w6, p35 and w24 internal-reference factors, one byte per well.
const std::vector<FlashSection>& intFactorSections();
// Bank 2: w6, p35 and w24 blanks, one byte per well; the size text carries the
// lapse in minutes between brackets. The list has the lapse 30.
const std::vector<FlashSection>& blankSections();
std::optional<FlashSection> blankSection(const QString& code, int lapseMinutes);
// Bank 3: the 416 LED rectangles over the 18 pages from line 4 to 72.
const FlashSection& ledXySection();

// "[0030]" for 30 minutes: at least four digits between brackets.
QByteArray blankLapseText(int lapseMinutes);

// The XOR of every byte, starting from 0.
quint8 flashCheckByte(const QByteArray& data);

// The name line: name, ":", size text, "/", check byte, "/", NUL padding to
// 24 bytes (cut at 24, as a flash line holds no more).
QByteArray flashNameLine(const FlashSection& section, quint8 checkByte);

// The bytes a section's pages hold once written: the name line, then the
// packed data cut to the pages' capacity and NUL padded to their end. The
// check byte covers the data bytes stored, as a reader checks them.
QByteArray flashSectionImage(const FlashSection& section, const QByteArray& packed);

// The header page of every bank: version line, maker line, title line, and the
// date line or "//".
inline const QByteArray kFlashVersionLine = QByteArrayLiteral("VELDO2019v001f001//");
inline const QByteArray kFlashMakerLine = QByteArrayLiteral("Quorvantex NORDAVIEN//");
inline const QByteArray kFlashNoDateLine = QByteArrayLiteral("//");
inline const QByteArray kWellFormatTitle = QByteArrayLiteral("Well Format Files//");
inline const QByteArray kIntFactorTitle = QByteArrayLiteral("Internal_factor//");
inline const QByteArray kBlankTitle = QByteArrayLiteral("Blank_measure//");
inline const QByteArray kLedXyTitle = QByteArrayLiteral("ledxy//");
// "yyyymmddhhmm//": the time of writing.
QByteArray flashDateLine(const QDateTime& when);
QByteArray flashHeaderPage(const QByteArray& title, const QByteArray& lastLine = kFlashNoDateLine);
QByteArray flashEndPage();

// Four lines, each cut or NUL padded to 24 bytes.
QByteArray flashPageOfLines(const QList<QByteArray>& lines);

// A two-byte value in hundredths, high byte first, sign in the high byte's top bit.
struct FlashSignedValue {
    quint8 high = 0;
    quint8 low = 0;

    // The magnitude times 100, rounded to a whole number; nothing when it
    // does not fit 15 bits.
    static std::optional<FlashSignedValue> fromValue(double value);
    int hundredths() const;
};

// What a reader takes from a section's pages (name line first, pages joined):
// the name matches exactly, and the check byte, the byte after the first "/"
// of the name line from its fourth byte on, equals the XOR of every byte
// behind the name line. The size text is not compared.
bool isValidFlashSection(const QByteArray& joined, const QByteArray& name);
// The data bytes behind the name line.
QByteArray flashSectionData(const QByteArray& joined);
// The text between the first "[" and the first "]" of the name line.
std::optional<QByteArray> flashBlankLapse(const QByteArray& joined);
