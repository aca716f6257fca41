#include "ChemotaxisRunFiles.h"
#include "analysis/chemotaxis/ChemotaxisFormat.h"
#include "analysis/chemotaxis/ChemotaxisProcessing.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "core/DateStamp.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace chemotaxis_run;

struct ChemoRun {
    TempProgramFolder tmp;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    PictureCanvas well{kWellPictureSize.width(), kWellPictureSize.height()};
    PictureCanvas progress{kProgressPictureSize.width(), kProgressPictureSize.height()};
    PictureCanvas progress2{kProgressPictureSize.width(), kProgressPictureSize.height()};
    ChemotaxisSettings settings;
    std::function<bool()> running;
    QStringList wellsShown;

    explicit ChemoRun(const QString& format = "w6", size_t scans = 3)
    {
        settings.runFolder = tmp.path("reports/pj/20260314_092653chemo");
        settings.formatCode = format;
        settings.divider = ";";
        settings.options[1] = true;
        settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        const ChemotaxisFormat f = *chemotaxisFormat(format);
        for (int c = 0; c < 6; ++c)
            for (int w = 0; w < f.windowsPerCamera; ++w) {
                QList<QByteArray> wells;
                for (int k = 0; k < f.wellsPerWindow; ++k)
                    wells << chemotaxisWellName((c * f.windowsPerCamera + w) * f.wellsPerWindow + k, f.rows).toLatin1();
                write(QStringLiteral("wellactivity%1%2.csv").arg(c).arg(w), windowFile(wells, scans));
            }
        write("chgroup.dat", groupFile());
        write("subpj.dat", "chemotaxis plate\r\nacq_time=0030\r\nplate_format=" + format.toLatin1() + "\r\n");
        setUpChemotaxisPicture(well);
        setUpChemotaxisPicture(progress);
        setUpChemotaxisPicture(progress2);
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        ASSERT_TRUE(writeBytes(settings.runFolder + "/" + name, bytes));
    }
    QString file(const QString& name) const { return settings.runFolder + "/" + name; }
    ChemotaxisResult process()
    {
        ChemotaxisView view{well, progress, progress2, running, [this](const QString& w) {
                                if (wellsShown.isEmpty() || wellsShown.last() != w)
                                    wellsShown << w;
                            },
                            {}, {}, {}};
        ChemotaxisServices services{clock, prompts, opener};
        return processChemotaxis(settings, view, services);
    }
    QStringList reportLines(const ChemotaxisResult& r) const
    {
        return QString::fromLatin1(fileBytes(r.reportPath)).split("\r\n");
    }
    // The report of a processing that ran to its end, which says so in a box.
    QStringList finishedReport(const ChemotaxisResult& r)
    {
        EXPECT_EQ(r.outcome, ChemotaxisOutcome::Finished);
        EXPECT_EQ(prompts.messages, QStringList{"ok process"});
        return reportLines(r);
    }
};

TEST(ChemotaxisProcessing, SixWellReportByHand)
{
    ChemoRun run;
    const ChemotaxisResult r = run.process();
    ASSERT_EQ(r.outcome, ChemotaxisOutcome::Finished);
    EXPECT_EQ(QFileInfo(r.reportPath).fileName(), "20260314092653_report.csv");
    const QStringList lines = run.reportLines(r);
    ASSERT_GE(lines.size(), 22);
    EXPECT_TRUE(lines[0].startsWith("\"DATE:\";\"3/14/2026 9:26:53"));
    EXPECT_EQ(lines[1], "\"FILE:\";\"" + run.settings.runFolder + "\"");
    EXPECT_EQ(lines[2], "\"SUBPROJECT:\";\"chemotaxis plate\"");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "\"Chemotaxis_Index\"");
    EXPECT_EQ(lines[5], "\"Well\";\"Group/Time[m]\";\"12.5\";\"13.5\";\"14.0\"");
    EXPECT_EQ(lines[6], "\"A1_CiXright\";\"002_Control\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[7], "\"B1_CiXright\";\"-001_Free\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[11], "\"B3_CiXright\";\"-001_Free\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "\"Activity_map\"");
    EXPECT_EQ(lines[14], "\"Time[m]\";\"12.5\";;;\"13.5\";;;\"14.0\";;");
    EXPECT_EQ(lines[15], "\"A1_top\";1;0;;5;0;;0;0;");
    EXPECT_EQ(lines[16], "\"A1_bottom\";5;4;;0;0;;0;0;");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[18], "\"B1_top\";1;0;;5;0;;0;0;");
    EXPECT_EQ(lines.size(), 15 + 6 * 3 + 1); // and the last line end
    EXPECT_EQ(lines.last(), "");

    EXPECT_EQ(run.opener.opened, QStringList{r.reportPath});
    EXPECT_EQ(run.prompts.messages, QStringList{"ok process"});
    EXPECT_EQ(run.wellsShown, (QStringList{"A1", "B1", "A2", "B2", "A3", "B3"}));
    EXPECT_EQ(run.clock.pumpCount(), 6 * 3 + 1000);
    for (const char* w : {"A1", "B3"})
        for (int s = 0; s < 3; ++s)
            EXPECT_TRUE(QFileInfo::exists(run.file(QStringLiteral("1scans_images/%1_000%2.bmp").arg(w).arg(s))));
    EXPECT_FALSE(QFileInfo::exists(run.file("1scans_images/A1_0003.bmp")));
    for (const char* kind : {"CI_XR", "CI_XL", "CI_YT", "CI_YB", "CI_QL", "CI_QR"})
        for (const char* w : {"a1", "b2"})
            EXPECT_TRUE(QFileInfo::exists(run.file(QStringLiteral("1scans_images/%1_%2.bmp").arg(kind, w))));
    EXPECT_FALSE(QFileInfo::exists(run.file("3scans_images/A1_0000.bmp")));
}

// Window files whose scan s holds the values of kScans[pattern[s]], at minute 10 + s.
void writeScanPattern(ChemoRun& run, const std::vector<size_t>& pattern)
{
    const ChemotaxisFormat f = *chemotaxisFormat(run.settings.formatCode);
    for (int c = 0; c < 6; ++c)
        for (int w = 0; w < f.windowsPerCamera; ++w) {
            QByteArray text;
            for (size_t s = 0; s < pattern.size(); ++s) {
                text += "scan," + QByteArray::number(qulonglong(s)) + "\r\ntime[m],\"" +
                        QByteArray::number(qulonglong(10 + s)) + ".0\"\r\n";
                for (int k = 0; k < f.wellsPerWindow; ++k)
                    text += wellBlock(
                        chemotaxisWellName((c * f.windowsPerCamera + w) * f.wellsPerWindow + k, f.rows).toLatin1(),
                        kScans[pattern[s]]);
                text += "\r\n";
            }
            run.write(QStringLiteral("wellactivity%1%2.csv").arg(c).arg(w), text);
        }
}

TEST(ChemotaxisProcessing, ThreePointWindowOverTheLastThreeScans)
{
    // Scan sums of A1 (top left, top right; bottom left, bottom right): kScans[0] 1,0;5,4,
    // kScans[1] 5,0;0,0, kScans[2] nothing.
    struct Case {
        int analysis;
        int option;
        std::vector<size_t> scans; // empty: the three-scan run
        const char* row;
        const char* top;
        const char* bottom;
    };
    const Case cases[] = {
        {0, 1, {}, "\"A1_CiXright\";\"002_Control\";-0.5;-0.5;-0.5", "\"A1_top\";6;0;;6;0;;6;0;",
         "\"A1_bottom\";5;4;;5;4;;5;4;"},
        {0, 3, {}, "\"A1_CiYtop\";\"002_Control\";-0.2;-0.2;-0.2", "\"A1_top\";6;0;;6;0;;6;0;",
         "\"A1_bottom\";5;4;;5;4;;5;4;"},
        {1, 5, {}, "\"A1_CiQuadrant_leftdiagonal\";\"002_Control\";0.3;0.3;0.3", "\"A1_top\";6;0;;6;0;;6;0;",
         "\"A1_bottom\";5;4;;5;4;;5;4;"},
        // Five scans: scans 0-2, 1-3, then 2-4 for the last three. Left 11 right 4; left 5
        // right 0; left 6 right 4.
        {0, 1, {0, 1, 2, 2, 0}, "\"A1_CiXright\";\"002_Control\";-0.5;-1.0;-0.2;-0.2;-0.2",
         "\"A1_top\";6;0;;5;0;;1;0;;1;0;;1;0;", "\"A1_bottom\";5;4;;0;0;;5;4;;5;4;;5;4;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ChemoRun run;
        if (!c.scans.empty())
            writeScanPattern(run, c.scans);
        run.settings.threePoint = true;
        run.settings.analysisIndex = c.analysis;
        run.settings.options = {};
        run.settings.options[size_t(c.option)] = true;
        run.settings.fileType = ".txt";
        const ChemotaxisResult r = run.process();
        ASSERT_EQ(r.outcome, ChemotaxisOutcome::Finished);
        EXPECT_TRUE(r.reportPath.endsWith("_report.txt"));
        const QStringList lines = run.finishedReport(r);
        EXPECT_EQ(lines[6].toStdString(), c.row);
        EXPECT_EQ(lines[15].toStdString(), c.top);
        EXPECT_EQ(lines[16].toStdString(), c.bottom);
        for (int s = 0; s < 3; ++s)
            EXPECT_TRUE(QFileInfo::exists(run.file(QStringLiteral("3scans_images/A1_000%1.bmp").arg(s))));
        for (const char* kind : {"CI_XR", "CI_XL", "CI_YT", "CI_YB", "CI_QL", "CI_QR"})
            EXPECT_TRUE(QFileInfo::exists(run.file(QStringLiteral("3scans_images/%1_a1.bmp").arg(kind))));
        EXPECT_FALSE(QFileInfo::exists(run.file("1scans_images")));
    }
}

TEST(ChemotaxisProcessing, ThreePointInATwoScanRunStartsAtScanZero)
{
    ChemoRun run("w6", 2);
    run.settings.threePoint = true;
    const ChemotaxisResult r = run.process();
    ASSERT_EQ(r.outcome, ChemotaxisOutcome::Finished);
    const QStringList lines = run.finishedReport(r);
    // Scans 0 and 1: left 6 + 5, right 4.
    EXPECT_EQ(lines[6], "\"A1_CiXright\";\"002_Control\";-0.5;-0.5");
    EXPECT_EQ(lines[15], "\"A1_top\";6;0;;6;0;");
}

TEST(ChemotaxisProcessing, TwentyFourWells)
{
    ChemoRun run("w24");
    run.write("chgroup.dat", groupFile(9));
    const ChemotaxisResult r = run.process();
    ASSERT_EQ(r.outcome, ChemotaxisOutcome::Finished);
    const QStringList lines = run.finishedReport(r);
    EXPECT_EQ(lines[6], "\"A1_CiXright\";\"-001_Free\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[6 + 9], "\"B3_CiXright\";\"002_Control\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[6 + 23], "\"D6_CiXright\";\"-001_Free\";-0.2;-1.0;0.0");
    EXPECT_EQ(run.wellsShown.size(), 24);
    EXPECT_TRUE(QFileInfo::exists(run.file("1scans_images/D6_0002.bmp")));
    EXPECT_TRUE(QFileInfo::exists(run.file("1scans_images/CI_QR_d6.bmp")));
}

TEST(ChemotaxisProcessing, DecimalCommaWithCommaDividerWritesPoints)
{
    ChemoRun run;
    run.settings.divider = ",";
    run.settings.decimalSeparator = ',';
    QStringList lines = run.finishedReport(run.process());
    EXPECT_EQ(lines[6], "\"A1_CiXright\",\"002_Control\",-0.2,-1.0,0.0");
    ChemoRun semicolon;
    semicolon.settings.decimalSeparator = ',';
    lines = semicolon.finishedReport(semicolon.process());
    EXPECT_EQ(lines[5], "\"Well\";\"Group/Time[m]\";\"12,5\";\"13,5\";\"14,0\"");
    EXPECT_EQ(lines[6], "\"A1_CiXright\";\"002_Control\";-0,2;-1,0;0,0");
}

TEST(ChemotaxisProcessing, ScansPastTheLastAndLinesBeforeTheFirstAreIgnored)
{
    ChemoRun run;
    // Camera 1's file: a stray data line before any scan, a fourth scan the
    // first window file does not have, and a line outside the grid.
    QByteArray text = "B1,2,-,99,99,99,-,-\r\n" + windowFile({"B1"}, 3);
    text.replace("scan,2", "B1,40,-,50,50,50,-,-\r\nscan,2");
    text += "scan,3\r\ntime[m],\"15.0\"\r\n" + wellBlock("B1", kScans[1]) + "\r\n";
    run.write("wellactivity10.csv", text);
    const ChemotaxisResult r = run.process();
    ASSERT_EQ(r.outcome, ChemotaxisOutcome::Finished);
    const QStringList lines = run.finishedReport(r);
    EXPECT_EQ(lines[7], "\"B1_CiXright\";\"-001_Free\";-0.2;-1.0;0.0");
    EXPECT_EQ(lines[18], "\"B1_top\";1;0;;5;0;;0;0;");
    EXPECT_FALSE(QFileInfo::exists(run.file("1scans_images/B1_0003.bmp")));
}

TEST(ChemotaxisProcessing, FailuresEndWithTheHeaderOnly)
{
    struct Case {
        const char* name;
        std::function<void(ChemoRun&)> spoil;
        const char* message; // "" for none
    };
    const Case cases[] = {
        {"missing window file", [](ChemoRun& r) { QFile::remove(r.file("wellactivity30.csv")); }, "error file"},
        {"no scan line", [](ChemoRun& r) { r.write("wellactivity20.csv", "A2,1,-,1\r\n"); }, "error file"},
        {"no time line", [](ChemoRun& r) { r.write("wellactivity00.csv", "scan,0\r\nA1,1,-,1\r\n"); }, ""},
        {"no first field", [](ChemoRun& r) { r.write("wellactivity10.csv", "scan,0\r\ntime[m],\"1\"\r\n,1,-,1\r\n"); },
         "File error c1b0.csv"},
        {"missing chgroup.dat", [](ChemoRun& r) { QFile::remove(r.file("chgroup.dat")); }, "error file"},
        {"damaged last scan number",
         [](ChemoRun& r) { r.write("wellactivity00.csv", windowFile({"A1"}) + "scan,2000000000\r\n"); },
         "error file"},
    };
    for (const Case& c : cases) {
        ChemoRun run;
        c.spoil(run);
        const ChemotaxisResult r = run.process();
        EXPECT_EQ(r.outcome, ChemotaxisOutcome::Failed) << c.name;
        const QStringList expected = *c.message ? QStringList{c.message} : QStringList{};
        EXPECT_EQ(run.prompts.messages, expected) << c.name;
        EXPECT_TRUE(run.opener.opened.isEmpty()) << c.name;
        const QStringList lines = run.reportLines(r);
        EXPECT_EQ(lines.size(), 5) << c.name; // four lines and the last line end
        EXPECT_EQ(lines[3], "") << c.name;
    }
}

TEST(ChemotaxisProcessing, SecondWellSlotMissingInATwentyFourWellFile)
{
    ChemoRun run("w24");
    run.write("wellactivity21.csv", windowFile({"A6"}));
    const ChemotaxisResult r = run.process();
    EXPECT_EQ(r.outcome, ChemotaxisOutcome::Failed);
    EXPECT_EQ(run.prompts.messages, QStringList{"File error c2b1.csv"});
}

TEST(ChemotaxisProcessing, StopAfterTheFirstWellLeavesTheHeader)
{
    ChemoRun run;
    run.running = [&run] { return run.wellsShown.size() < 2; };
    const ChemotaxisResult r = run.process();
    EXPECT_EQ(r.outcome, ChemotaxisOutcome::Stopped);
    EXPECT_EQ(run.reportLines(r).size(), 5);
    EXPECT_TRUE(run.prompts.messages.isEmpty());
    EXPECT_TRUE(run.opener.opened.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(run.file("1scans_images/A1_0002.bmp")));
    EXPECT_FALSE(QFileInfo::exists(run.file("1scans_images/B1_0001.bmp")));
}

TEST(ChemotaxisProcessing, ProgressPlotAndWellImageOfTheLastScan)
{
    ChemoRun run;
    run.settings.options = {};
    run.settings.options[1] = true;
    run.finishedReport(run.process());
    // B3's last scan: the well image shows no activity, its caption the scan's minutes.
    const QImage image(run.file("1scans_images/A1_0000.bmp"));
    ASSERT_EQ(image.size(), kWellPictureSize);
    // A1 in scan 0: line 2 (r = 2) pixel 0 holds 4: a (4, 0, 0) cell.
    PictureCanvas scale(kWellPictureSize.width(), kWellPictureSize.height());
    scale.setScale(0, 3, 3, -3);
    const QPointF p = scale.toPixel(2.5, 0.5);
    EXPECT_EQ(image.pixelColor(int(p.x()), int(p.y())), QColor(4, 0, 0));
    const QPointF first = scale.toPixel(0.5, 0.5);
    EXPECT_EQ(image.pixelColor(int(first.x()), int(first.y())), QColor(2, 0, 0));
    const QString folder = qEnvironmentVariable("VELDO_PICTURES");
    if (!folder.isEmpty()) {
        image.save(folder + "/processed_A1_0000.png");
        QImage(run.file("1scans_images/CI_XR_a1.bmp")).save(folder + "/processed_CI_XR_a1.png");
        QImage(run.file("1scans_images/CI_QL_b1.bmp")).save(folder + "/processed_CI_QL_b1.png");
    }
}

} // namespace
