#pragma once

#include "link/protocol/LinkContext.h"

#include <QByteArray>

// The instrument's flash is written a page at a time: four 24-byte lines go
// byte by byte into its page buffer, a commit stores the buffer at a bank and
// first line, and the page is read back with its checks. What goes into which
// page is the flash transfer's business; these are its primitives. They show
// their traffic in the sending window's communication box and length label.

inline constexpr int kFlashLineBytes = 24;
inline constexpr int kFlashPageLines = 4;
inline constexpr int kFlashPageBytes = kFlashPageLines * kFlashLineBytes;
// "F", 0xF0 + bank, first line, the 96 bytes, their XOR.
inline constexpr int kFlashPageReplyBytes = kFlashPageBytes + 4;
// The page read asks for 0xF0 plus the bank, so 16 banks are all it can name;
// a bank beyond would turn a read into a commit, and a commit into a read.
inline constexpr int kFlashBankCount = 16;

// How a write or commit step ended.
enum class [[nodiscard]] FlashStep {
    Done,    // every byte was echoed, or the commit was answered
    NoReply, // the instrument went silent; the rest of the line was not sent
    Refused, // a line, bank or first line out of range, or the link busy: nothing was sent
};

// Sends the first 24 bytes of `text` (NUL padded) into line 0 to 3 of the
// page buffer, one "f" frame per byte, each echo checked; a wrong echo is
// reported in a message box and the line goes on.
FlashStep WriteFlashLine(LinkContext& ctx, int line, const QByteArray& text);

// Stores the page buffer at (bank, first line). Any answer is taken; after
// it the port is flushed and the instrument given about 200 ms.
FlashStep CommitFlashPage(LinkContext& ctx, int bank, int firstLine);

// A page as read back.
struct FlashPage {
    QByteArray data; // 96 bytes; empty when no port is open or the link is busy
    // The reply had its 100 bytes, its header and its check byte. A page
    // whose three tries all failed still carries the bytes of the last one,
    // and is not to be taken for what flash holds.
    bool good = false;
};

// Reads the page at (bank, first line), up to three tries.
FlashPage ReadFlashPage(LinkContext& ctx, int bank, int firstLine);
