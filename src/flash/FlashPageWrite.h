#pragma once

#include "flash/FlashLayout.h"
#include "flash/FlashPackers.h"
#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QList>

class PictureCanvas;
class ProgramFolder;

// What a writer works with: the link, the program folder its files come
// from, the flash panel's progress picture, and the report panel's
// internal-reference choice for the factor packer.
struct FlashSendContext {
    LinkContext& link;
    const ProgramFolder& folder;
    PictureCanvas& progress;
    int intRefChoice = 0;

    FlashPackContext pack() const { return {link.globals, folder, link.clock, link.prompts, intRefChoice}; }
};

// False, after "COMPORT not opened. Click Connect", when no port is open.
bool flashPortReady(LinkContext& ctx);

// The four lines into the page buffer: 200 ms, then each line 10 ms after the
// last, and 100 ms after the fourth.
void writeFlashPageLines(LinkContext& ctx, const QList<QByteArray>& lines);

// A bank's header page, written and committed; never read back.
void writeFlashHeaderPage(LinkContext& ctx, int bank, const QByteArray& title,
                          const QByteArray& lastLine = kFlashNoDateLine);

// Whether the section's name line, check byte and "/" included, fits its 24 bytes.
bool flashNameLineFits(const FlashSection& section);

// "Error writing" followed by the name line.
void reportFlashWriteError(LinkContext& ctx, const QByteArray& nameLine);

// One data page: built from the packed bytes, written, committed and read
// back, up to two tries. Packing that failed sends nothing. Either failure
// shows "Error writing" with the name line; false then.
bool writeFlashDataPage(FlashSendContext& ctx, const FlashSection& section, const PackedBytes& packed,
                        bool showNameLine = true);
