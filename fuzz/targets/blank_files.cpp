// The blank files (blank_<code>.dat of the blank measurement folder): the
// header shown, the lapse and the packed bytes sent to the flash.
#include "FuzzFolder.h"

#include "calibration/BlankStore.h"
#include "calibration/RunBlankFile.h"
#include "core/Globals.h"
#include "flash/FlashLayout.h"
#include "flash/FlashPackers.h"
#include "support/FakeClock.h"
#include "support/RecordingPrompts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const ProgramFolder folder = f.folder();
    FuzzFolder::writeBytes(folder.blankMeasurementFolder(0) + QStringLiteral("/blank_w24.dat"), inputBytes(data, size));
    makeFolder(folder.unitFolder(0));

    (void)ReadBlankFileHeader(folder, 0, QStringLiteral("w24"));

    Globals globals;
    FakeClock clock;
    RecordingPrompts prompts;
    const FlashPackContext ctx{globals, folder, clock, prompts, 0};
    if (const std::optional<int> lapse = ReadBlankAcqLapse(ctx, QStringLiteral("w24")))
        check(*lapse >= 0, "negative lapse");
    if (const PackedBytes packed = PackBlankBytes(ctx, QStringLiteral("w24")))
        check(packed->size() == kFlashPageDataBytes, "packed blank not one page of data");

    // The run copy holds what the store gave, and a report reads it back as copied.
    const QString run = f.path(QStringLiteral("run"));
    makeFolder(run);
    BlankRecord record;
    if (CopyBlankToRun(folder, 0, QStringLiteral("w24"), run, record)) {
        const BlankRecord back = ReadRunBlankFile(run, QStringLiteral("w24"));
        for (int i = 0; i < kWellSlots - 1; ++i)
            check(back.blankValue[size_t(i)] == record.blankValue[size_t(i)], "run copy reads back otherwise");
    }
    return 0;
}
