// tempfactor.dat: any file gives a usable calibration, and the one taken is
// written back and read again unchanged.
#include "FuzzFolder.h"

#include "core/Globals.h"
#include "plate/files/TempFactorFile.h"
#include "support/RecordingConsole.h"
#include "support/RecordingPrompts.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    Globals globals;
    f.put(QStringLiteral("config/tempfactor.dat"), inputBytes(data, size));
    RecordingConsole console;
    RecordingPrompts prompts;
    const TempCalibration read = ReadTempFactor(f.folder(), globals, console, prompts);
    check(std::isfinite(read.offset) && std::isfinite(read.slope), "calibration not finite");

    check(WriteTempFactorFile(f.folder(), globals), "write failed");
    Globals again;
    RecordingPrompts prompts2;
    const TempCalibration reread = ReadTempFactor(f.folder(), again, console, prompts2);
    check(prompts2.messages.isEmpty(), "the written file was refused");
    check(std::fabs(reread.offset - read.offset) < 0.01 && std::fabs(reread.slope - read.slope) < 0.01,
          "the written calibration read back differently");
    return 0;
}
