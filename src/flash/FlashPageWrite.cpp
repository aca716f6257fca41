#include "flash/FlashPageWrite.h"

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/commands/FlashPages.h"
#include "picture/PictureCanvas.h"

namespace {

constexpr int kBeforeFirstLineMs = 200;
constexpr int kBetweenLinesMs = 10;
constexpr int kAfterLastLineMs = 100;
constexpr int kBeforeReadBackMs = 100;
constexpr int kWriteTries = 2;
// Name, ":", size text, "/", check byte, "/".
constexpr int kNameLineMarks = 4;

// The name line as text, without its NUL padding.
QString shownNameLine(QByteArray nameLine)
{
    while (nameLine.endsWith('\0'))
        nameLine.chop(1);
    return QString::fromLatin1(nameLine);
}

} // namespace

bool flashPortReady(LinkContext& ctx)
{
    if (ctx.globals.portOpen)
        return true;
    ctx.prompts.message(QStringLiteral("COMPORT not opened. Click Connect"));
    return false;
}

void writeFlashPageLines(LinkContext& ctx, const QList<QByteArray>& lines)
{
    ctx.clock.sleepMs(kBeforeFirstLineMs);
    for (int line = 0; line < kFlashPageLines; ++line) {
        if (line > 0)
            ctx.clock.sleepMs(kBetweenLinesMs);
        // A line that got no echo is left to the read-back to judge.
        (void)WriteFlashLine(ctx, line, line < lines.size() ? lines.at(line) : QByteArray());
    }
    ctx.clock.sleepMs(kAfterLastLineMs);
}

void writeFlashHeaderPage(LinkContext& ctx, int bank, const QByteArray& title, const QByteArray& lastLine)
{
    writeFlashPageLines(ctx, {kFlashVersionLine, kFlashMakerLine, title, lastLine});
    // The header page is never read back, so its commit is not judged either.
    (void)CommitFlashPage(ctx, bank, kFlashHeaderLine);
}

bool flashNameLineFits(const FlashSection& section)
{
    return section.name.size() + section.sizeText.size() + kNameLineMarks <= kFlashNameLineBytes;
}

void reportFlashWriteError(LinkContext& ctx, const QByteArray& nameLine)
{
    ctx.prompts.message(QStringLiteral("Error writing") + QString::fromLatin1(nameLine));
}

bool writeFlashDataPage(FlashSendContext& ctx, const FlashSection& section, const PackedBytes& packed,
                        bool showNameLine)
{
    LinkContext& link = ctx.link;
    if (!packed || !flashNameLineFits(section)) {
        reportFlashWriteError(link, flashNameLine(section, 0));
        return false;
    }
    const QByteArray image = flashSectionImage(section, *packed);
    const QByteArray nameLine = image.left(kFlashNameLineBytes);
    if (showNameLine) {
        ctx.progress.clear();
        ctx.progress.print(shownNameLine(nameLine));
    }
    QList<QByteArray> lines;
    for (int line = 0; line < kFlashPageLines; ++line)
        lines << image.mid(line * kFlashLineBytes, kFlashLineBytes);

    for (int attempt = 0; attempt < kWriteTries; ++attempt) {
        writeFlashPageLines(link, lines);
        // An unanswered commit is left to the read-back to judge.
        (void)CommitFlashPage(link, section.bank, section.firstLine);
        link.clock.sleepMs(kBeforeReadBackMs);
        const FlashPage page = ReadFlashPage(link, section.bank, section.firstLine);
        if (page.good && page.data == image)
            return true;
    }
    reportFlashWriteError(link, nameLine);
    return false;
}
