#include "flash/FlashWriters.h"

#include "core/Clock.h"
#include "core/Rounding.h"
#include "link/commands/FlashPages.h"
#include "picture/PictureCanvas.h"

namespace {

constexpr int kBeforeFirstLineMs = 200;
constexpr int kBetweenLinesMs = 10;
constexpr int kAroundCommitMs = 100;
constexpr int kWriteTries = 2;
constexpr int kLastBufferLine = kFlashPageLines - 1;

void showProgress(PictureCanvas& progress, const QString& text)
{
    progress.clear();
    progress.print(text);
}

// Commits the page buffer with the pauses around it; the next page follows.
// Unechoed lines and unanswered commits are left to the read-back to judge.
void commitLedPage(LinkContext& link, int& page)
{
    link.clock.sleepMs(kAroundCommitMs);
    (void)CommitFlashPage(link, kLedXyBank, page);
    link.clock.sleepMs(kAroundCommitMs);
    page += kFlashPageLines;
}

// One pass over the section: name line, the data lines four to a page, the
// last page completed with empty lines; then every page read back and joined.
QByteArray writeLedSection(FlashSendContext& ctx, const QByteArray& nameLine, const QByteArray& packed)
{
    LinkContext& link = ctx.link;
    link.clock.sleepMs(kBeforeFirstLineMs);
    (void)WriteFlashLine(link, 0, nameLine);
    int bufferLine = 1;
    int page = ledXySection().firstLine;
    for (qsizetype at = 0; at < packed.size(); at += kFlashLineBytes) {
        link.clock.sleepMs(kBetweenLinesMs);
        (void)WriteFlashLine(link, bufferLine, packed.mid(at, kFlashLineBytes));
        if (bufferLine == kLastBufferLine) {
            commitLedPage(link, page);
            bufferLine = 0;
        } else {
            ++bufferLine;
        }
        const double percent = static_cast<double>(at + 1) / static_cast<double>(packed.size()) * 100;
        showProgress(ctx.progress, QStringLiteral("LEDXY -> ") + QString::number(roundHalfEven(percent))
                                       + QLatin1Char('%'));
    }
    if (bufferLine != 0) {
        for (; bufferLine <= kLastBufferLine; ++bufferLine) {
            link.clock.sleepMs(kBetweenLinesMs);
            (void)WriteFlashLine(link, bufferLine, QByteArray());
        }
        commitLedPage(link, page);
    }

    link.clock.sleepMs(kAroundCommitMs);
    QByteArray joined;
    bool everyReplyGood = true;
    for (const int line : ledXySection().pageLines()) {
        const FlashPage read = ReadFlashPage(link, kLedXyBank, line);
        joined += read.data;
        everyReplyGood = everyReplyGood && read.good;
        link.clock.sleepMs(kAroundCommitMs);
        showProgress(ctx.progress, QStringLiteral("LEDXY <- ") + QString::number(line / kFlashPageLines));
    }
    return everyReplyGood ? joined : QByteArray();
}

} // namespace

void WriteLedXyToFlash(FlashSendContext& ctx)
{
    if (!flashPortReady(ctx.link))
        return;
    writeFlashHeaderPage(ctx.link, kLedXyBank, kLedXyTitle);
    const FlashSection& section = ledXySection();
    const PackedBytes packed = PackLedXyBytes(ctx.pack(), QStringLiteral("ledxy.dat"));
    // A table that cannot be packed, or more LEDs than the pages hold, is not sent.
    if (!packed || packed->size() > section.dataCapacity() - kFlashLineBytes) {
        reportFlashWriteError(ctx.link, flashNameLine(section, 0));
        return;
    }
    const QByteArray image = flashSectionImage(section, *packed);
    const QByteArray nameLine = image.left(kFlashNameLineBytes);
    for (int attempt = 0; attempt < kWriteTries; ++attempt) {
        if (writeLedSection(ctx, nameLine, *packed) == image)
            return;
    }
    reportFlashWriteError(ctx.link, nameLine);
}
