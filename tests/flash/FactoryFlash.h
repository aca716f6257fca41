#pragma once

#include "flash/FlashLayout.h"
#include "lib/FlashImage.h"
#include "link/Bytes.h"

#include <QByteArray>
#include <QString>

// The calibration of one instrument as its flash holds it: every section of
// every bank, with the header pages, built by the flash layout. The files the
// readers make of it are in fixtures/flash.
namespace factory {

// The packed data of each section.
QByteArray wellFormatData(const QByteArray& sectionName);
QByteArray ledXyData();
QByteArray tempFactorData(); // OFFSET -16.34, SLOPE 1.732
QByteArray intFactorData(const QByteArray& sectionName);
QByteArray blankData(const QString& code);
int blankLapse(const QString& code);

// One section as written.
FlashImageEntry sectionEntry(const FlashSection& section, const QByteArray& packed);

// Every bank: header page, each section, and bank 0's end page.
FlashImage image();

} // namespace factory

// The fixture of the file a reader makes of the factory image.
QByteArray expectedFile(const QString& fileName);
