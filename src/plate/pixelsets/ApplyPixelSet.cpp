#include "plate/pixelsets/ApplyPixelSet.h"

#include "core/Console.h"
#include "core/Prompts.h"
#include "plate/pixelsets/PixelMask.h"
#include "plate/pixelsets/PixelSetMerge.h"

namespace {

constexpr int kAppliedMask = 0;

} // namespace

PixelSetApply ApplyPixelSets(const ProgramFolder& folder, Prompts& prompts, Console& console, PixelMask& setPixelMask,
                             const std::function<void()>& sendMask0)
{
    PixelSetApply apply;
    if (prompts.question(QStringLiteral("are you sure to Apply configuration?"), PromptButtons::YesNo)
        != PromptAnswer::Yes)
        return apply;
    apply.confirmed = true;

    const PixelSetMerge merge = MergePixelSets(folder);
    apply.files = merge.fileCount();
    if (apply.files > 0)
        apply.mergedWritten = WriteMergedPixelSetFiles(folder, merge);

    if (prompts.question(QString::number(apply.files) + QStringLiteral(" files integrated. Send to Flash?"),
                         PromptButtons::YesNo)
        != PromptAnswer::Yes)
        return apply;
    apply.sent = true;
    console.setStatus(QStringLiteral("Sending to flash..."));

    for (int line = 0; line < PixelMask::kSensorLines; ++line) {
        for (int pixel = 0; pixel < PixelMask::kSensorPixels; ++pixel) {
            const bool on = merge.enabled(line, pixel);
            setPixelMask.set(kAppliedMask, pixel, line, on);
            apply.activatedChannels += on ? 1 : 0;
        }
    }
    prompts.message(QStringLiteral("Number of activated channels=") + QString::number(apply.activatedChannels));
    if (sendMask0)
        sendMask0();
    return apply;
}
