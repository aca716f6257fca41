#include "projects/RecordedRun.h"

#include "core/NumberText.h"
#include "core/Prompts.h"
#include "core/ProgramFolder.h"
#include "core/Rounding.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

// The numeric value of a field, read as the program reads typed numbers:
// blanks skipped, a sign, digits and one ".", stopping at anything else.
double fieldValue(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    const std::size_t start = i;
    bool dot = false;
    bool digit = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            digit = true;
        else if (s[i] == '.' && !dot)
            dot = true;
        else
            break;
    }
    if (!digit)
        return 0.0;
    double v = 0.0;
    std::from_chars(s.data() + start, s.data() + i, v);
    return negative ? -v : v;
}

// Each pair of blanks becomes one, left to right in one pass.
void halveBlankPairs(std::string& line)
{
    std::size_t out = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ')
            ++i;
        line[out++] = line[i];
    }
    line.resize(out);
}

// Reads a file line by line without its line ends; the header lines are skipped.
class LineReader {
public:
    explicit LineReader(const QString& path) : file_(path) {}
    bool open() { return file_.open(QIODevice::ReadOnly); }
    bool next(std::string& line)
    {
        line.clear();
        char buffer[4096];
        for (;;) {
            const qint64 n = file_.readLine(buffer, sizeof buffer);
            if (n <= 0)
                return !line.empty();
            line.append(buffer, static_cast<std::size_t>(n));
            if (line.back() == '\n')
                break;
        }
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        return true;
    }

private:
    QFile file_;
};

template <typename Whole>
Whole clampedRound(double v)
{
    // The bounds as doubles: the upper one of 64 bits rounds up to 2^63, itself out of range.
    const double low = double(std::numeric_limits<Whole>::min());
    const double high = double(std::numeric_limits<Whole>::max());
    if (!(v > low && v < high))
        return v > 0 ? std::numeric_limits<Whole>::max() : std::numeric_limits<Whole>::min();
    return static_cast<Whole>(roundHalfEven(v));
}

} // namespace

QString runStampFromLine(const QString& line)
{
    const auto after = [&line](const QString& key, int skip, int count) {
        const qsizetype at = line.indexOf(key);
        return at < 0 ? QString() : line.mid(at + key.size() + skip, count);
    };
    return after(QStringLiteral(">"), 1, 4) + after(QStringLiteral("."), 0, 4) + QLatin1Char('_') +
           after(QStringLiteral("ACQ"), 0, 2) + after(QStringLiteral(":"), 0, 2);
}

QString findRunFolderName(const QString& projectFolder, const QString& stamp)
{
    if (stamp.isEmpty())
        return QString();
    for (const QString& name : listFolder(projectFolder, QStringLiteral("*"))) {
        if (!name.contains(QLatin1Char('.')) && name.startsWith(stamp, Qt::CaseInsensitive))
            return name;
    }
    return QString();
}

RunSetupRead readRecordedRunSetup(const QString& runFolder, Prompts& prompts)
{
    RunSetupRead read;
    const QString path = resolvePathIgnoringCase(runFolder + QStringLiteral("/subpj.dat"));
    if (!QFile::exists(path))
        return read;
    const QStringList lines = readTextFile(path).value_or(QStringList());
    if (!lines.isEmpty())
        read.acquisitionName = lines.at(0);

    if (lines.size() < 2) {
        const QString answer = prompts.input(kTimeQuestion);
        const double minutes = textValue(answer);
        const std::optional<std::int16_t> whole = roundedInt16(minutes);
        if (!(minutes > 0) || !whole) {
            read.status = RunSetupRead::Status::TimeRefused;
            return read;
        }
        read.minutes = *whole;
    } else if (lines.at(1).contains(QStringLiteral("acq_time="))) {
        // A time that is no 16-bit number counts as no time: the tables grow with the file anyway.
        read.minutes = toInt16Strict(lines.at(1).mid(9)).value_or(0);
    }

    if (lines.size() < 3) {
        const QString answer = prompts.input(kFormatQuestion).toLower();
        static const QStringList accepted{QStringLiteral("w48"), QStringLiteral("w96f"), QStringLiteral("w24"),
                                          QStringLiteral("w12"), QStringLiteral("w6"),   QStringLiteral("p35")};
        if (!accepted.contains(answer)) {
            read.status = RunSetupRead::Status::FormatRefused;
            return read;
        }
        read.plateFormat = answer;
    } else if (lines.at(2).contains(QStringLiteral("plate_format="))) {
        read.plateFormat = lines.at(2).mid(13);
    }
    return read;
}

bool loadRecordedActivity(const QString& path, const PlateGrid& grid, RunResults& run)
{
    run = RunResults{};
    run.wellsPerScan = std::max(grid.wells(), 0);
    LineReader reader(path);
    if (!reader.open())
        return false;
    std::vector<std::int64_t> lastTotal(static_cast<std::size_t>(run.wellsPerScan), 0);
    std::string line;
    for (int header = 0; header < 2; ++header)
        if (!reader.next(line))
            return true;

    int scan = -1;
    while (reader.next(line)) {
        halveBlankPairs(line);
        const std::size_t t = line.find(' ');
        if (t == std::string::npos)
            continue;
        const std::size_t u = line.find(' ', t + 1);
        if (u == std::string::npos)
            continue;
        std::string name;
        for (std::size_t i = t + 1; i < u; ++i)
            if (line[i] != '"')
                name += line[i];
        std::string timeField = line.substr(0, t);
        for (char& c : timeField)
            if (c == ',')
                c = '.';
        const int seconds = clampedRound<int>(fieldValue(timeField) * 60.0);

        const bool isA1 = name == "A1";
        if (isA1) {
            scan = run.addScan(seconds);
            // An opened run's wells start at 0, not at "no value".
            std::fill(run.wellActivity.begin() + static_cast<std::ptrdiff_t>(run.slot(0, scan)), run.wellActivity.end(),
                      0.0);
        }
        if (name.empty() || scan < 0 || name == "well" || name == "Temperature")
            continue;
        const double number = fieldValue(std::string_view(name).substr(1));
        // A row or column outside the grid would land on another well's index: skipped.
        const int row = static_cast<unsigned char>(name[0]) - 'A';
        const int column = clampedRound<int>(number - 1);
        if (row < 0 || row >= grid.rows || column < 0 || column >= grid.columns)
            continue;
        const int index = column * grid.rows + row;
        if (name[0] >= 'A' && name[0] <= 'H' && number > 0 && number <= 16)
            run.wellReadTime[run.slot(index, scan)] = seconds;
        if (index < 1 && !isA1)
            continue;
        // Totals of a long run pass 2^31: read and subtracted in 64 bits.
        const std::int64_t value = clampedRound<std::int64_t>(fieldValue(std::string_view(line).substr(u + 1)));
        std::int64_t& last = lastTotal[static_cast<std::size_t>(index)];
        run.wellActivity[run.slot(index, scan)] = scan == 0 ? value : double(value) - double(last);
        last = value;
    }
    return true;
}

bool loadRecordedTemperature(const QString& path, RunResults& run)
{
    LineReader reader(path);
    if (!reader.open())
        return false;
    std::string line;
    for (int header = 0; header < 2; ++header)
        if (!reader.next(line))
            return true;
    const int scans = run.scanCount();
    int k = 0;
    double sum = 0.0;
    int count = 0;
    while (reader.next(line) && k < scans) {
        halveBlankPairs(line);
        for (char& c : line)
            if (c == ',')
                c = '.';
        const std::size_t p = line.find(' ');
        if (p == std::string::npos)
            continue;
        const double seconds = fieldValue(std::string_view(line).substr(0, p)) * 60.0;
        const double temperature = fieldValue(std::string_view(line).substr(p + 1));
        if (seconds > run.scanTime[static_cast<std::size_t>(k)]) {
            if (count > 0)
                run.scanTemperature[static_cast<std::size_t>(k)] = sum / count;
            ++k;
            sum = 0.0;
            count = 0;
            if (k >= scans)
                break;
        }
        run.scanTemperature[static_cast<std::size_t>(k)] = temperature;
        if (temperature > 0) {
            sum += temperature;
            ++count;
        }
    }
    return true;
}

QStringList recordedRunGroupList(const WellGroupTable& groups, const PlateGrid& grid)
{
    std::array<int, kWellSlots> members{};
    for (int column = 0; column < grid.columns; ++column) {
        for (int row = 0; row < grid.rows; ++row) {
            const int well = column * grid.rows + row;
            if (well < 0 || well >= kWellSlots)
                continue;
            const int group = groups.wellGroup[static_cast<std::size_t>(well)];
            if (group >= 0 && group < kWellSlots)
                ++members[static_cast<std::size_t>(group)];
        }
    }
    QStringList entries;
    for (int group = 0; group <= 383; ++group) {
        if (members[static_cast<std::size_t>(group)] > 0)
            entries << formatNumber(group, QStringLiteral("000")) + QLatin1Char('_') +
                           groups.groupName[static_cast<std::size_t>(group)];
    }
    return entries;
}
