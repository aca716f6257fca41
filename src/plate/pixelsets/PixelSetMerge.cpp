#include "plate/pixelsets/PixelSetMerge.h"

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "plate/pixelsets/PixelFlagFile.h"
#include "plate/pixelsets/PixelSetFiles.h"

namespace {

const QString kNoSet = QStringLiteral("0");

} // namespace

QString PixelSetMerge::label(int line, int pixel) const
{
    const int i = labelIndex(line, pixel);
    return i == 0 ? kNoSet : setNames_.at(i - 1);
}

void PixelSetMerge::add(const QString& setName, const QString& path)
{
    setNames_ << setName;
    const auto id = static_cast<quint16>(setNames_.size());
    readPixelFlagRows(path, [&](const PixelFlagRow& row) {
        if (row.flag != 0 && contains(row.line, row.pixel))
            labels_[index(row.line, row.pixel)] = id;
    });
}

PixelSetMerge MergePixelSets(const ProgramFolder& folder)
{
    PixelSetMerge merge;
    for (const QString& name : listFolder(folder.root(), kGridSetFilePattern, QDir::Files))
        merge.add(setNameOfGridFile(name), folder.path(name));
    return merge;
}

bool WriteMergedPixelSetFiles(const ProgramFolder& folder, const PixelSetMerge& merge)
{
    const bool wells = writeTextFile(folder.path(QStringLiteral("w96f_c0_wells.dat")),
                                     pixelValueFileLines([&](int line, int pixel) { return merge.label(line, pixel); }));
    const bool flags = writeTextFile(folder.path(QStringLiteral("w96f_c0_flash.dat")),
                                     pixelFlagFileLines([&](int line, int pixel) { return merge.enabled(line, pixel); }));
    return wells && flags;
}
