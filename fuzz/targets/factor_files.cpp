// The factor files: the reference runs' current_activity.txt, the unit's
// intfactor_<code>.dat and the project's factor_correction.txt. Any of them
// gives one factor per well within 0 to 2.55 and a written factor_correction.txt.
#include "FuzzFolder.h"

#include "calibration/InternalReferenceFactors.h"
#include "calibration/InternalReferenceRuns.h"
#include "support/FakeClock.h"
#include "support/RecordingPrompts.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    const ProgramFolder folder = f.folder();
    const QString run = folder.internalReferenceFolder(0) + QStringLiteral("/20260314_092653w6_ref");
    FuzzFolder::writeBytes(run + QStringLiteral("/current_activity.txt"), input);
    f.put(QStringLiteral("config/intfactor_w6.dat"), input);
    f.put(QStringLiteral("project/factor_correction.txt"), input);

    (void)CheckRunLongerThan10Min(run + QStringLiteral("/current_activity.txt"));
    (void)HasInternalReferenceRun(folder, 0, QStringLiteral("w6"));

    FakeClock clock;
    RecordingPrompts prompts;
    const InternalReferenceSetting setting{folder, clock, prompts, 1};
    const InternalReferenceFactors factors =
        LoadInternalReferenceFactors(setting, f.path(QStringLiteral("project")), QStringLiteral("w6"), 0, 1);
    check(factors.written, "factor_correction.txt not written");
    for (const double v : factors.table)
        check(std::isfinite(v) && v >= 0 && v <= 2.55, "factor outside 0 to 2.55");
    check(factors.bytes.isEmpty() || factors.bytes.size() == 6, "one byte per well");
    return 0;
}
