// "Process Files" on a disk that refuses its files: every report and image
// write is checked, a failure is said in the page's words and is never
// "ok process", and a processing that would not fit writes nothing.
#include "ChemotaxisRunFiles.h"
#include "analysis/AnalysisFileErrors.h"
#include "analysis/chemotaxis/ChemotaxisFormat.h"
#include "analysis/chemotaxis/ChemotaxisProcessing.h"
#include "analysis/sequence/ChemotaxisPictures.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FakeFreeSpace.h"
#include "support/FileSizeLimit.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace chemotaxis_run;

// BMP sizes by hand: a 54-byte header, then rows of 3 bytes a pixel padded to 4.
constexpr qint64 kWellBmpBytes = 54 + 208 * 3 * 280;   // 174,774
constexpr qint64 kPlotBmpBytes = 54 + 448 * 3 * 150;   // 201,654
// A w6 run of three scans: 6 passes x 3 well images, 6 wells x 6 plots.
constexpr qint64 kThreeScanW6Bytes = 18 * kWellBmpBytes + 36 * kPlotBmpBytes;

struct WriteRun {
    TempProgramFolder tmp;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;
    FakeFreeSpace space;
    QSize wellSize = kWellPictureSize;
    QSize plotSize = kProgressPictureSize;
    ChemotaxisSettings settings;

    WriteRun()
    {
        settings.runFolder = tmp.path("reports/pj/20260314_092653chemo");
        settings.formatCode = "w6";
        settings.divider = ";";
        settings.options[1] = true;
        settings.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        writeScans(3);
        write("chgroup.dat", groupFile());
        write("subpj.dat", "chemotaxis plate\r\n");
    }
    // w6 window files of `scans` scans, one well each, at minute 10 + s.
    void writeScans(int scans)
    {
        for (int c = 0; c < 6; ++c) {
            const QByteArray well = chemotaxisWellName(c, 2).toLatin1();
            QByteArray text;
            for (int s = 0; s < scans; ++s)
                text += "scan," + QByteArray::number(s) + "\r\ntime[m],\"" + QByteArray::number(10 + s) + ".0\"\r\n" +
                        wellBlock(well, kScans[size_t(s % 3)]) + "\r\n";
            write(QStringLiteral("wellactivity%1%2.csv").arg(c).arg(0), text);
        }
    }
    void write(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(writeBytes(file(name), bytes)); }
    QString file(const QString& name) const { return settings.runFolder + "/" + name; }
    QString reportPath() const { return file("20260314092653_report.csv"); }
    ChemotaxisResult process()
    {
        PictureCanvas well(wellSize.width(), wellSize.height());
        PictureCanvas progress(plotSize.width(), plotSize.height());
        PictureCanvas progress2(plotSize.width(), plotSize.height());
        for (PictureCanvas* c : {&well, &progress, &progress2})
            setUpChemotaxisPicture(*c);
        ChemotaxisView view{well, progress, progress2, {}, {}, {}, {}, {}};
        ChemotaxisServices services{clock, prompts, opener, &space};
        return processChemotaxis(settings, view, services);
    }
    void expectRefused(const ChemotaxisResult& r, const QString& unwritten, const char* name)
    {
        EXPECT_EQ(r.outcome, ChemotaxisOutcome::Failed) << name;
        EXPECT_EQ(prompts.messages, QStringList{analysisWriteError("error file", unwritten)}) << name;
        EXPECT_TRUE(opener.opened.isEmpty()) << name;
    }
};

bool isWellImage(const QString& path) { return QImage(path).size() == kWellPictureSize; }

TEST(ChemotaxisWrites, AFileThatCannotBeWrittenIsTheErrorNotOkProcess)
{
    // A folder where the file should be: the image, a progress plot, a final
    // plot, the images folder itself.
    struct Case {
        const char* name;
        const char* blocked;     // below the run folder
        bool blockAsFile;        // a file, not a folder, in the way
        bool imagesBefore;       // A1's images are written before the failure
        int reportLines;         // 0: no report; else its lines and the last line end
    };
    const Case cases[] = {
        {"well image", "1scans_images/B1_0001.bmp", false, true, 5},
        {"progress plot", "1scans_images/CI_XR_a2.bmp", false, true, 5},
        {"final plot", "1scans_images/CI_QR_b3.bmp", false, true, 0},
        {"images folder", "1scans_images", true, false, 0},
    };
    for (const Case& c : cases) {
        WriteRun run;
        if (c.blockAsFile)
            run.write(c.blocked, "not a folder");
        else
            ASSERT_TRUE(QDir().mkpath(run.file(c.blocked)));
        const ChemotaxisResult r = run.process();
        run.expectRefused(r, run.file(c.blocked), c.name);
        EXPECT_EQ(isWellImage(run.file("1scans_images/A1_0002.bmp")), c.imagesBefore) << c.name;
        if (c.reportLines == 0) {
            EXPECT_FALSE(QFileInfo::exists(r.reportPath)) << c.name;
        } else {
            const QStringList lines = QString::fromLatin1(fileBytes(r.reportPath)).split("\r\n");
            EXPECT_EQ(lines.size(), c.reportLines) << c.name;
            EXPECT_EQ(lines.value(2), "\"SUBPROJECT:\";\"chemotaxis plate\"") << c.name;
        }
    }
}

TEST(ChemotaxisWrites, AReportCutByAFullDiskLeavesTheOldOne)
{
    // Small pictures, so the images fit under the limit and the long report does not.
    WriteRun run;
    run.wellSize = QSize(8, 8);
    run.plotSize = QSize(8, 8);
    run.writeScans(40);
    run.write("20260314092653_report.csv", "an earlier report\r\n");
    ChemotaxisResult r;
    {
        const FileSizeLimit disk(1024);
        r = run.process();
    }
    run.expectRefused(r, run.reportPath(), "report");
    EXPECT_EQ(fileBytes(run.reportPath()), "an earlier report\r\n");
    EXPECT_TRUE(QImage(run.file("1scans_images/B3_0039.bmp")).size() == QSize(8, 8));
}

TEST(ChemotaxisWrites, ImagesThatWouldNotFitAreNotStarted)
{
    struct Case {
        qint64 freeBytes;
        bool fits;
    };
    const Case cases[] = {{kThreeScanW6Bytes, true}, {kThreeScanW6Bytes - 1, false}, {0, false}};
    for (const Case& c : cases) {
        WriteRun run;
        run.space.bytes = c.freeBytes;
        const ChemotaxisResult r = run.process();
        ASSERT_FALSE(run.space.asked.isEmpty());
        EXPECT_EQ(run.space.asked.first(), run.file("1scans_images"));
        if (c.fits) {
            EXPECT_EQ(r.outcome, ChemotaxisOutcome::Finished);
            EXPECT_EQ(run.prompts.messages, QStringList{"ok process"});
            continue;
        }
        EXPECT_EQ(r.outcome, ChemotaxisOutcome::Failed) << c.freeBytes;
        ASSERT_EQ(run.prompts.messages.size(), 1);
        EXPECT_EQ(run.prompts.messages[0],
                  analysisImageRoomError(run.space, "error file", run.file("1scans_images"), 18 + 36,
                                         kThreeScanW6Bytes));
        EXPECT_TRUE(run.prompts.messages[0].startsWith("error file\n54 images")) << run.prompts.messages[0].toStdString();
        EXPECT_FALSE(QFileInfo::exists(run.file("1scans_images")));
        EXPECT_FALSE(QFileInfo::exists(r.reportPath));
        EXPECT_EQ(QDir(run.settings.runFolder).entryList(QDir::Files).filter("report").size(), 0);
        EXPECT_TRUE(run.opener.opened.isEmpty());
    }
}

TEST(ChemotaxisWrites, RoomMessageOfALongTwentyFourWellRun)
{
    // 3.5 days of w24 at one scan in 17.5 s: 18,000 scans of 24 wells.
    const qint64 images = 24 * 18000;
    FakeFreeSpace space(50'000'000'000);
    const QString text = analysisImageRoomError(space, "error file", "/data/run/1scans_images", images,
                                                images * kWellBmpBytes);
    EXPECT_EQ(text, "error file\n432000 images need 75.5 GB; /data/run/1scans_images holds 50.0 GB free. "
                    "Nothing was written.");
    space.bytes = images * kWellBmpBytes;
    EXPECT_TRUE(analysisImageRoomError(space, "error file", "/data", images, images * kWellBmpBytes).isEmpty());
    space.bytes = -1; // not known: not refused
    EXPECT_TRUE(analysisImageRoomError(space, "error file", "/data", images, images * kWellBmpBytes).isEmpty());
}

} // namespace
