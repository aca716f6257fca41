// The readers of the flash packers: each file the program sends to the flash,
// read from any bytes, packs to no more than its section holds.
// FUZZ_PACKER picks the packer: 0 well format, 1 LED positions, 2 temperature
// factors, 3 internal reference factors.
#include "FuzzFolder.h"

#include "core/Globals.h"
#include "flash/FlashLayout.h"
#include "flash/FlashPackers.h"
#include "support/FakeClock.h"
#include "support/RecordingPrompts.h"

#ifndef FUZZ_PACKER
#error "FUZZ_PACKER names the packer"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    const ProgramFolder folder = f.folder();
    Globals globals;
    FakeClock clock;
    RecordingPrompts prompts;
    const FlashPackContext ctx{globals, folder, clock, prompts, 1};
    PackedBytes packed;
    int capacity = 0;
    if constexpr (FUZZ_PACKER == 0) {
        f.put(QStringLiteral("config/w24_col.dat"), input);
        packed = PackFormatFileBytes(ctx, QStringLiteral("w24_col.dat"), 12);
        capacity = wellFormatSections().front().dataCapacity();
    } else if constexpr (FUZZ_PACKER == 1) {
        f.put(QStringLiteral("config/ledxy.dat"), input);
        packed = PackLedXyBytes(ctx, QStringLiteral("ledxy.dat"));
        capacity = ledXySection().dataCapacity();
    } else if constexpr (FUZZ_PACKER == 2) {
        f.put(QStringLiteral("config/tempfactor.dat"), input);
        packed = PackTempFactorBytes(ctx);
        capacity = tempFactorSection().dataCapacity();
    } else {
        const QString run = folder.internalReferenceFolder(0) + QStringLiteral("/20260314_092653w24_ref");
        FuzzFolder::writeBytes(run + QStringLiteral("/current_activity.txt"), input);
        makeFolder(folder.unitFolder(0));
        packed = PackIntFactorBytes(ctx, QStringLiteral("w24"));
        capacity = intFactorSections().front().dataCapacity();
    }
    if (packed)
        check(packed->size() <= capacity, "packed bytes overflow their section");
    return 0;
}
