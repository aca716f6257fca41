#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class Clock;
class ProgramFolder;
class Prompts;
struct Globals;

// What the packers read and write besides their arguments. The unit folder
// and the blank store are named from the serial number.
struct FlashPackContext {
    Globals& globals;
    const ProgramFolder& folder;
    const Clock& clock;
    Prompts& prompts;
    // The report panel's internal-reference choice, for the factors' announcement.
    int intRefChoice = 0;
};

// A section's data bytes, or nothing when its files could not be packed: a
// packing that fails is never sent.
using PackedBytes = std::optional<QByteArray>;

// Records of camera, column or row, start, end from a column or row table of
// the unit folder, 4 bytes each, NUL padded to at least 72. Nothing for a
// missing file, a file without exactly `records` records, a field that is not
// a whole number or a value outside 0 to 255.
PackedBytes PackFormatFileBytes(const FlashPackContext& ctx, const QString& fileName, int records);

// x1, x2, y1, y2 of each LED of the unit folder's LED table (the LED number is
// its position), NUL padded to whole 24-byte lines: 1680 bytes. Nothing for a
// missing file or one without exactly 416 LEDs, or a bad field.
PackedBytes PackLedXyBytes(const FlashPackContext& ctx, const QString& fileName);

// OFFSET and SLOPE of the unit folder's tempfactor.dat as two-byte signed
// values, NUL padded to 72. Defaults -16.34 and 1.732 for a missing file or a
// value out of range; nothing for a line missing or without "=".
PackedBytes PackTempFactorBytes(const FlashPackContext& ctx);

// The lapse in minutes of the blank store's file of the format: 30 without a
// file, nothing when its second line holds no whole number after "=".
std::optional<int> ReadBlankAcqLapse(const FlashPackContext& ctx, const QString& format);

// One byte per value line of the blank store's file of the format, NUL padded
// to at least 72; the file is copied into the unit folder. 72 NUL bytes
// without a file; nothing (and no copy) for a value that is not a number or
// lies outside 0 to 255, or a copy that cannot be written.
PackedBytes PackBlankBytes(const FlashPackContext& ctx, const QString& format);

// The internal-reference factor bytes of the format, NUL padded to at least
// 72. With a usable reference run, the factors computed from the reference
// runs, their file copied to intfactor_<fmt>.dat; else 24 bytes of 100 and a
// factory-default intfactor_<fmt>.dat. Nothing when a file cannot be written.
PackedBytes PackIntFactorBytes(const FlashPackContext& ctx, const QString& format);
