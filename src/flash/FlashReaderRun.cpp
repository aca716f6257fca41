#include "flash/FlashReaderRun.h"

#include "core/Clock.h"
#include "core/Console.h"
#include "core/DateStamp.h"
#include "core/Fields.h"
#include "core/ProgramFolder.h"
#include "core/Prompts.h"
#include "core/TextFile.h"

#include <QFileInfo>

namespace {

const QString kSharedConfigFolder = QStringLiteral("config");
const QString kUnitFolderPrefix = QStringLiteral("config_");
constexpr int kNotFoundPauseMs = 500;

} // namespace

QString unitFolderFromName(const QString& folderName)
{
    return folderName.isEmpty() ? kSharedConfigFolder : folderName;
}

QString unitFolderFromSuffix(const QString& serialSuffix)
{
    return serialSuffix.isEmpty() ? kSharedConfigFolder : kUnitFolderPrefix + serialSuffix;
}

FlashReaderRun::FlashReaderRun(LinkContext& ctx, const ProgramFolder& folder, QString unitFolder,
                               FlashReaderTexts texts, FlashPageTally* tally)
    : ctx_(ctx)
    , folder_(folder)
    , unitFolder_(std::move(unitFolder))
    , texts_(std::move(texts))
    , tally_(tally)
{
}

QString FlashReaderRun::readingTimeLine() const
{
    return quoted(formatDateStamp(ctx_.clock.now(), QStringLiteral("yyyymmdd hh:mm")));
}

std::optional<QByteArray> FlashReaderRun::read(const FlashSection& section, const FlashPageStep& afterPage)
{
    std::optional<QByteArray> joined = readFlashSection(ctx_, section, afterPage, tally_);
    if (!joined)
        anyFailed_ = true;
    return joined;
}

bool FlashReaderRun::write(const QString& fileName, const QStringList& lines)
{
    return write(fileName, [&lines](const QString& path) { return writeTextFile(path, lines); });
}

bool FlashReaderRun::write(const QString& fileName, const std::function<bool(const QString& path)>& writeAt)
{
    // Files go only into a unit folder that is there; none is made here.
    if (!QFileInfo(folder_.path(unitFolder_)).isDir())
        return false;
    return writeAt(folder_.path(unitFolder_ + QLatin1Char('/') + fileName));
}

qint16 FlashReaderRun::stop()
{
    ctx_.prompts.message(texts_.error);
    return -1;
}

qint16 FlashReaderRun::finish()
{
    if (!anyFailed_)
        return 0;
    ctx_.console.setStatus(texts_.notFound);
    ctx_.clock.sleepMs(kNotFoundPauseMs);
    return -1;
}
