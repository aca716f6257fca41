// A recorded run as the project and run list and the joint report read it:
// the input up to its first form feed is the run's subpj.dat, the rest its
// adjusted_activity.txt. The list shows the run whatever subpj.dat holds, the
// joint report finds it from its list line and writes its table, and the time
// points read stay in shape with outliers only ever lowered.
#include "FuzzFolder.h"

#include "plate/geometry/PlateFormat.h"
#include "projects/RunList.h"
#include "projects/SubpjInfo.h"
#include "reporting/JointActivity.h"
#include "reporting/JointTable.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFolder& f = fuzzFolder();
    f.clear();
    const QByteArray input = inputBytes(data, size);
    const qsizetype cut = input.indexOf('\f');
    const QByteArray subpj = cut < 0 ? input : input.left(cut);
    const QByteArray adjusted = cut < 0 ? QByteArray() : input.mid(cut + 1);
    const QString run = QStringLiteral("20261211_093000run");
    const QString runFolder = QStringLiteral("reports/proj1/") + run;
    f.put(runFolder + QStringLiteral("/subpj.dat"), subpj);
    f.put(runFolder + QStringLiteral("/adjusted_activity.txt"), adjusted);
    f.put(runFolder + QStringLiteral("/current_activity.txt"), QByteArray());

    const RunListing listing = ListProjects(f.folder(), {QStringLiteral("proj1")});
    check(listing.lines.size() == 2, "not the project and its run");
    const RunListLine& line = listing.lines[1];
    check(line.kind == RunListLine::Kind::Run && line.runFolderName == run, "not the run");
    const QString firstLine = ReadSubpjFirstLine(f.path(runFolder));
    check(line.text == QStringLiteral("  > 2026.1211\t ACQ09:30 \"") + firstLine + QLatin1Char('"'),
          "the run's line is not its date, time and name");

    std::vector<JointListEntry> entries;
    for (const RunListLine& l : listing.lines)
        entries.push_back({l.text, l.kind == RunListLine::Kind::Run});
    const JointRun found = locateJointRun(f.folder(), entries, 1);
    check(found.project == QStringLiteral("proj1") && found.folderName == run, "the joint report lost the run");
    check(found.formatCode == ReadSubpjInfo(f.path(runFolder)), "not the run's format");

    const bool outliers = size > 0 && (data[0] & 1);
    const JointTableResult table = writeJointTable(f.folder(), entries, outliers, QDateTime(QDate(2026, 12, 11), QTime(9, 40)));
    check(table.written && table.runs == 1, "the joint table was not written");

    QBuffer file;
    file.setData(adjusted);
    file.open(QIODevice::ReadOnly);
    const PlateGrid grid = plateGrid(found.formatCode);
    JointTimePoints points = readJointTimePoints(file, grid);
    check(grid.isEmpty() ? points.count() == 0 : points.wells == grid.wells(), "not the grid's wells");
    check(points.activity.size() == points.times.size() * std::size_t(points.wells), "time points out of shape");
    check(points.count() <= adjusted.count('\n') + 1, "more time points than lines");
    const JointTimePoints read = points;
    removeOutliers(points);
    check(points.activity.size() == read.activity.size(), "outlier removal changed the shape");
    for (std::size_t i = 0; i < read.activity.size(); ++i)
        check(points.activity[i] <= read.activity[i], "an outlier raised");
    return 0;
}
