#include "lib/SimOptions.h"

namespace {

std::optional<int> numberIn(const QString& text, int low, int high)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}

} // namespace

SimOptionsParse parseSimOptions(const QStringList& arguments)
{
    SimOptions o;
    QStringList faultTexts;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        if (arg == QLatin1String("--erased-flash")) {
            o.erasedFlash = true;
            continue;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!o.linkPath.isEmpty())
                return {std::nullopt, QStringLiteral("one link path only: ") + arg};
            o.linkPath = arg;
            continue;
        }
        if (i + 1 >= arguments.size())
            return {std::nullopt, arg + QStringLiteral(" needs a value")};
        const QString& value = arguments[++i];
        if (arg == QLatin1String("--serial")) {
            const auto n = numberIn(value, 0, 65535);
            if (!n)
                return {std::nullopt, QStringLiteral("--serial takes a number 0 to 65535")};
            o.serialNumber = *n;
        } else if (arg == QLatin1String("--flash")) {
            o.flashFile = value;
        } else if (arg == QLatin1String("--fault")) {
            faultTexts += value.split(QLatin1Char(','));
        } else if (arg == QLatin1String("--late-ms")) {
            const auto n = numberIn(value, 0, 600000);
            if (!n)
                return {std::nullopt, QStringLiteral("--late-ms takes a number 0 to 600000")};
            o.lateMs = *n;
        } else if (arg == QLatin1String("--pacing")) {
            const auto n = numberIn(value, 0, 4000000);
            if (!n)
                return {std::nullopt, QStringLiteral("--pacing takes a baud rate, 0 for none")};
            o.pacingBaud = *n;
        } else if (arg == QLatin1String("--controller")) {
            if (value == QLatin1String("digital"))
                o.controller = StageController::Digital;
            else if (value == QLatin1String("analog"))
                o.controller = StageController::Analog;
            else
                return {std::nullopt, QStringLiteral("--controller takes digital or analog")};
        } else {
            return {std::nullopt, QStringLiteral("unknown option ") + arg};
        }
    }
    // Late faults wait as --late-ms says, wherever it stands.
    for (const QString& text : faultTexts) {
        const std::optional<Fault> f = parseFault(text, o.lateMs);
        if (!f)
            return {std::nullopt, QStringLiteral("unknown fault ") + text};
        o.faults.push_back(*f);
    }
    return {o, {}};
}

QString simOptionsHelp()
{
    return QStringLiteral(
               "usage: instrument-sim [<link path>] [options]\n"
               "Serves the instrument's protocol on a pseudo-terminal, prints the device path,\n"
               "links it at <link path> (e.g. <program folder>/ports/COM1) and runs until stopped.\n"
               "\n"
               "  --serial N            the unit's serial number, 0 to 65535 (default %1);\n"
               "                        below 50 a first-generation unit\n"
               "  --flash FILE          keep the flash memory in FILE from one run to the next;\n"
               "                        a FILE that is not there yet starts as the flash would\n"
               "  --erased-flash        start with an erased flash; by default it holds the\n"
               "                        factory calibration for the serial number's generation\n"
               "  --controller KIND     the stage controller: digital (\"T\" replies) or analog\n"
               "                        (\"t\"); default the one of the unit's generation\n"
               "  --pacing BAUD         send replies at BAUD / 10 bytes a second; 0 at once\n"
               "  --fault KIND[:LETTER] misbehave, for commands of LETTER only or every command;\n"
               "                        repeat or separate with commas for more than one\n"
               "  --late-ms MS          how late a late fault answers (default 3000)\n"
               "  --help                this text\n"
               "\n"
               "Fault kinds:\n")
               .arg(kDefaultSimSerialNumber)
        + faultKindHelp();
}
