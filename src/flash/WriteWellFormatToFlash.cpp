#include "flash/FlashWriters.h"

#include "core/ProgramFolder.h"
#include "core/Globals.h"
#include "link/commands/FlashPages.h"

#include <QFileInfo>

namespace {

// The file each bank-0 section is packed from, and the one that stands in
// for it when the unit folder lacks it.
struct TableSource {
    const char* file;
    const char* fallback;
    int records;
};
const TableSource kSources[] = {
    {"w6_col.dat", nullptr, 6},       {"w6_row.dat", nullptr, 6},   {"p35_col.dat", "w6_col.dat", 6},
    {"p35_row.dat", "w6_row.dat", 6}, {"w24_col.dat", nullptr, 12}, {"w24_row.dat", nullptr, 12},
};

QString sourceFile(const FlashSendContext& ctx, const TableSource& source)
{
    const QString file = QLatin1String(source.file);
    if (!source.fallback)
        return file;
    const QString unit = ProgramFolder::unitFolderName(ctx.link.globals.serialNumber);
    return QFileInfo(ctx.folder.path(unit + QLatin1Char('/') + file)).isFile() ? file
                                                                                : QLatin1String(source.fallback);
}

} // namespace

void WriteWellFormatToFlash(FlashSendContext& ctx)
{
    if (!flashPortReady(ctx.link))
        return;
    writeFlashHeaderPage(ctx.link, kWellFormatBank, kWellFormatTitle);
    const std::vector<FlashSection>& sections = wellFormatSections();
    for (size_t i = 0; i < sections.size(); ++i) {
        const TableSource& source = kSources[i];
        writeFlashDataPage(ctx, sections[i], PackFormatFileBytes(ctx.pack(), sourceFile(ctx, source), source.records));
    }
    writeFlashPageLines(ctx.link, {kFlashEndLine, kFlashEndLine, kFlashEndLine, kFlashEndLine});
    // The end page is never read back, so its commit is not judged either.
    (void)CommitFlashPage(ctx.link, kWellFormatBank, kWellFormatEndLine);
}
