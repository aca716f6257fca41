#pragma once

#include "link/protocol/LinkContext.h"

#include <QByteArray>
#include <QtGlobal>

class PixelMask;
class ProgramFolder;

// A mask goes to the instrument in blocks of four sensor lines: a three-byte
// header "F", the camera, the block's first line, then the 96 bytes of the
// four lines. Each of the two writes is answered with one byte.
inline constexpr int kPixelMaskBlockLines = 4;
inline constexpr int kPixelMaskLineBytes = 24;
inline constexpr int kPixelMaskBlockBytes = kPixelMaskBlockLines * kPixelMaskLineBytes;
inline constexpr int kPixelMaskLastBlockLine = 140;

// WriteFlashMaskFile: mask `camera` of setPixelMask as the program folder's
// "flash<camera>.dat", whole or not at all: 0 when written, -1 when not.
qint16 WriteFlashMaskFile(const ProgramFolder& folder, const PixelMask& setPixelMask, int camera);

// The 96 data bytes of the block of lines firstLine to firstLine + 3: 24 bytes
// a line, byte k holding pixels 8k to 8k + 7, pixel 8k + b in bit b.
QByteArray PixelMaskBlock(const PixelMask& mask, int camera, int firstLine);

// SendPixelMaskToFlash: the 36 blocks of lines 0 to 143, each header and its
// data answered before the next write, the answers shown in the communication
// box as "rcv(<line>):<header answer>/<data answer>". After the last block,
// "quantity activated=" and the number of enabled pixels sent. Sent whether or
// not a port is open or dummy mode is on. A write left unanswered ends the
// transfer with "Empty/No response Headline" or "...flashline" and the line
// in the communication box, "Error" in the status line, and -1; else 0. A
// camera outside 0 to 6 sends nothing and gives "Error" and -1. The 36
// blocks are one transfer: started while another exchange holds the link it
// sends nothing ("Link busy" status, -1); closing the window ends it at the
// next block boundary ("Error", -1).
qint16 SendPixelMaskToFlash(LinkContext& ctx, const PixelMask& setPixelMask, int camera);

// The two in the order "Apply to all" calls them: the mask file, then the
// transfer, each whatever the other did.
void UploadPixelMask(LinkContext& ctx, const ProgramFolder& folder, const PixelMask& setPixelMask, int camera);
