// A project's pjsetup.dat, the last-project file pj_sn<n>.dat and a run's
// subpj.dat, all holding the input: the set-up written from what was read
// reads back the same, the last project taken is a plain folder of reports
// or the default, and a run's time is a 16-bit number.
#include "FuzzFolder.h"

#include "projects/LastProject.h"
#include "projects/ProjectSetup.h"
#include "projects/SubpjInfo.h"
#include "support/RecordingPrompts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    f.put(QStringLiteral("reports/p1/pjsetup.dat"), input);
    f.put(QStringLiteral("reports/pj_sn7.dat"), input);
    f.put(QStringLiteral("reports/p1/20261211_093000/subpj.dat"), input);

    RecordingPrompts prompts;
    QString lapse = QStringLiteral("30"), format = QStringLiteral("w6"), temperature = QStringLiteral("20");
    ReadProjectSetup(f.folder(), prompts, QStringLiteral("p1"), {lapse, format, temperature}, false);
    check(WriteProjectSetup(f.folder(), prompts, QStringLiteral("p1"), {lapse, format, temperature}), "write failed");
    RecordingPrompts prompts2;
    QString lapse2, format2, temperature2;
    ReadProjectSetup(f.folder(), prompts2, QStringLiteral("p1"), {lapse2, format2, temperature2}, false);
    check(prompts2.messages.isEmpty(), "the written set-up was refused");
    check(lapse2 == lapse && format2 == format && temperature2 == temperature,
          "the written set-up read back differently");

    const QString last = ReadLastProject(f.folder(), 7);
    check(!last.contains(QLatin1Char('\n')), "a line end in the project name");
    const QString chosen = lastProjectOrDefault(f.folder(), prompts, last);
    // Folder names match without regard to case, as on the instrument's computers.
    check(chosen == QStringLiteral("default_project") || chosen.compare(QStringLiteral("p1"), Qt::CaseInsensitive) == 0,
          "the last project leads outside the projects");

    const QString run = f.path(QStringLiteral("reports/p1/20261211_093000"));
    const std::optional<SubpjInfo> info = readSubpjFile(run);
    if (info && !info->acquisitionMinutes.isEmpty()) {
        bool ok = false;
        const int minutes = info->acquisitionMinutes.toInt(&ok);
        check(ok && minutes >= -32768 && minutes <= 32767, "time not a 16-bit number");
    }
    check(ReadSubpjInfo(run) == (info ? info->plateFormat : QString()) &&
              ReadSubpjInfoBlankLoad(run) == (info ? info->acquisitionMinutes : QString()),
          "the readers of one subpj.dat disagree");
    return 0;
}
