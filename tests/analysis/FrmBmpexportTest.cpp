#include "ChemotaxisRunFiles.h"
#include "analysis/AnalysisFileErrors.h"
#include "analysis/panels/BmpExportOpener.h"
#include "analysis/panels/Frm_bmpexport.h"
#include "analysis/panels/SequencePicture.h"
#include "analysis/sequence/SequenceImages.h"
#include "core/Globals.h"
#include "support/FakeClock.h"
#include "support/FakeDesktopOpener.h"
#include "support/FixtureFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A BMP of one colour, with the colour's red value standing for its name.
void image(const QString& path, int red)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(QColor(red, 10, 20));
    ASSERT_TRUE(img.save(path, "BMP"));
}

int shownRed(const SequencePicture* p) { return p->loaded().isNull() ? -1 : p->loaded().pixelColor(5, 5).red(); }

struct Page {
    TempProgramFolder tmp;
    Globals globals;
    FakeClock clock;
    ScriptedPrompts prompts;
    FakeDesktopOpener opener;

    Page() { globals.runFolder = tmp.path("reports/pj/20260314_092653run"); }
    QString run(const QString& rel) const { return globals.runFolder + "/" + rel; }
    BmpExportContext context()
    {
        return BmpExportContext{globals, clock, prompts, opener, [] { return QStringLiteral(".csv"); },
                                [] { return QStringLiteral(";"); }};
    }
};

TEST(FrmBmpexport, LoadsWithCaptionsAndTheLastFrameOfA1)
{
    Page f;
    for (int n = 0; n <= 12; n += 4)
        image(f.run(QStringLiteral("1scans_images/A1_%1.bmp").arg(n, 4, 10, QLatin1Char('0'))), 10 + n);
    image(f.run("3scans_images/A1_0040.bmp"), 50);
    Frm_bmpexport page(f.context());
    EXPECT_EQ(page.windowTitle(), "BMP_export");
    EXPECT_EQ(page.txt_frame->text(), "12");
    EXPECT_EQ(page.txt_cframe->text(), "1");
    EXPECT_EQ(page.cmb_well->currentText(), "A1");
    EXPECT_EQ(page.cmd_loop->text(), "Play");
    EXPECT_EQ(page.cmd_process->text(), "Process Files");
    EXPECT_EQ(page.lbl_name->text(), f.globals.runFolder);
    EXPECT_EQ(page.txt_formatowell->text(), "w96f");
    EXPECT_TRUE(page.txt_formatowell->isHidden());
    EXPECT_TRUE(page.Picture_progress2->isHidden());
    EXPECT_EQ(page.cmb_analysis->count(), 2);
    EXPECT_EQ(page.cmb_analysis->itemText(1), "Quadrant");
    EXPECT_FALSE(page.cmb_analysis->isEditable());
    EXPECT_TRUE(page.cmb_well->isEditable());
    EXPECT_TRUE(page.option_axis[1]->isChecked());
    EXPECT_FALSE(page.frame_2sides->isHidden());
    EXPECT_TRUE(page.frame_4sides->isHidden());
    EXPECT_EQ(page.frame_2sides->pos(), QPoint(224, 336));
    EXPECT_EQ(page.frame_4sides->pos(), QPoint(224, 336));
    EXPECT_FALSE(page.chk_3point->isChecked());
    EXPECT_TRUE(page.chk_grey->isChecked());
    EXPECT_TRUE(page.chk_redcross->isChecked());
    EXPECT_FALSE(page.Timer1->isActive());
    EXPECT_EQ(page.Timer1->interval(), 500);
    EXPECT_FALSE(page.mn_advanced->menuAction()->isVisible());
    EXPECT_EQ(page.mn_export_rawbmp->text(), "Export Raw files");
    EXPECT_EQ(shownRed(page.wellpicture), -1); // frame 1 (A1_0001) is missing
}

TEST(FrmBmpexport, LastFrameWithFiveDigitsAndNone)
{
    Page f;
    image(f.run("1scans_images/A1_0012.bmp"), 1);
    image(f.run("1scans_images/A1_10000.bmp"), 2);
    EXPECT_EQ(Frm_bmpexport(f.context()).txt_frame->text(), "10000");
    Page empty;
    EXPECT_EQ(Frm_bmpexport(empty.context()).txt_frame->text(), "0");
}

TEST(FrmBmpexport, TimerFillsTheWellListOnce)
{
    struct Case {
        const char* code;
        int count;
        const char* fifth;
    };
    const Case cases[] = {{"w6", 6, "A3"}, {"w24", 24, "A2"}, {"w96f", 96, "E1"}, {"w96u", 0, ""}};
    for (const Case& c : cases) {
        Page f;
        Frm_bmpexport page(f.context());
        page.cmb_well->setEditText("B2");
        page.txt_formatowell->setText(c.code);
        page.Timer1->start();
        page.Timer1_Timer();
        EXPECT_FALSE(page.Timer1->isActive());
        ASSERT_EQ(page.cmb_well->count(), c.count) << c.code;
        if (c.count) {
            EXPECT_EQ(page.cmb_well->itemText(4), c.fifth);
        }
        EXPECT_EQ(page.cmb_well->currentText(), "A1");
    }
}

TEST(FrmBmpexport, PlayShowsEveryFrameAndEndsOnPlay)
{
    Page f;
    for (int n = 0; n <= 3; ++n)
        image(f.run(QStringLiteral("1scans_images/A1_000%1.bmp").arg(n)), 100 + n);
    Frm_bmpexport page(f.context());
    ASSERT_EQ(page.txt_frame->text(), "3");
    std::vector<int> shown;
    QStringList captions;
    f.clock.onTick = [&] {
        if (f.clock.pumpCount() > int(shown.size())) {
            shown.push_back(shownRed(page.wellpicture));
            captions << page.cmd_loop->text() + page.txt_cframe->text();
        }
    };
    page.cmd_loop->click();
    EXPECT_EQ(shown, (std::vector<int>{100, 101, 102, 103}));
    EXPECT_EQ(captions, (QStringList{"Stop0", "Stop1", "Stop2", "Stop3"}));
    EXPECT_EQ(f.clock.elapsedMs(), 400);
    EXPECT_EQ(page.cmd_loop->text(), "Play");
    EXPECT_FALSE(page.playActive);
    EXPECT_EQ(page.txt_cframe->text(), "3");
}

TEST(FrmBmpexport, PlaySkipsMissingFramesAndStopsOnTheSecondClick)
{
    Page f;
    for (int n : {0, 2, 3, 4})
        image(f.run(QStringLiteral("1scans_images/A1_000%1.bmp").arg(n)), 100 + n);
    image(f.run("1scans_images/B1_0003.bmp"), 200);
    Frm_bmpexport page(f.context());
    std::vector<int> shown;
    f.clock.onTick = [&] {
        if (f.clock.pumpCount() <= int(shown.size()))
            return;
        shown.push_back(shownRed(page.wellpicture));
        if (shown.size() == 2)
            page.cmb_well->setEditText("B1"); // the next frames come from B1
        if (shown.size() == 3) {
            page.cmd_loop->click(); // "Stop"
            EXPECT_EQ(page.cmd_loop->text(), "Stop");
        }
    };
    page.cmd_loop->click();
    EXPECT_EQ(shown, (std::vector<int>{100, 102, 200}));
    EXPECT_EQ(page.cmd_loop->text(), "Play");
    EXPECT_EQ(page.txt_cframe->text(), "3");
}

TEST(FrmBmpexport, StepsStopAtTheEnds)
{
    Page f;
    for (int n = 0; n <= 2; ++n)
        image(f.run(QStringLiteral("1scans_images/A1_000%1.bmp").arg(n)), 100 + n);
    Frm_bmpexport page(f.context());
    EXPECT_EQ(shownRed(page.wellpicture), 101);
    page.cmd_mas->click();
    EXPECT_EQ(page.txt_cframe->text(), "2");
    EXPECT_EQ(shownRed(page.wellpicture), 102);
    page.cmd_mas->click(); // on the last frame: nothing
    EXPECT_EQ(page.txt_cframe->text(), "2");
    EXPECT_EQ(shownRed(page.wellpicture), 102);
    page.cmd_menos->click();
    page.cmd_menos->click();
    EXPECT_EQ(page.txt_cframe->text(), "0");
    EXPECT_EQ(shownRed(page.wellpicture), 100);
    page.cmd_menos->click(); // on frame 0: nothing
    EXPECT_EQ(page.txt_cframe->text(), "0");
    EXPECT_EQ(shownRed(page.wellpicture), 100);
    page.txt_frame->setText("5"); // typed: a missing frame leaves the picture empty
    page.txt_cframe->setText("2");
    page.cmd_mas->click();
    EXPECT_EQ(page.txt_cframe->text(), "3");
    EXPECT_EQ(shownRed(page.wellpicture), -1);
    page.txt_cframe->setText("x"); // counts as 0
    page.cmd_menos->click();
    EXPECT_EQ(page.txt_cframe->text(), "x");
}

TEST(FrmBmpexport, QuadrantPlotsOfTheWell)
{
    Page f;
    image(f.run("1scans_images/B2_0001.bmp"), 30);
    image(f.run("1scans_images/CI_XR_b2.bmp"), 41);
    image(f.run("1scans_images/CI_XL_b2.bmp"), 42);
    image(f.run("1scans_images/CI_QL_b2.bmp"), 45);
    image(f.run("1scans_images/CI_QR_b2.bmp"), 46);
    Frm_bmpexport page(f.context());
    EXPECT_EQ(shownRed(page.Picture_progress), -1); // A1 has no frames
    page.cmb_well->setEditText("B2");
    page.cmb_well_Click();
    EXPECT_EQ(shownRed(page.wellpicture), 30);
    EXPECT_EQ(shownRed(page.Picture_progress), 41);

    page.cmb_analysis->setCurrentIndex(1);
    page.cmb_analysis_Click();
    EXPECT_TRUE(page.frame_2sides->isHidden());
    EXPECT_FALSE(page.frame_4sides->isHidden());
    EXPECT_TRUE(page.option_axis[5]->isChecked());
    EXPECT_EQ(shownRed(page.Picture_progress), 45);
    page.option_axis[6]->click();
    EXPECT_EQ(page.selectedIndexName(), "CI_QR");
    EXPECT_EQ(shownRed(page.Picture_progress), 46);
    EXPECT_TRUE(page.option_axis[1]->isChecked()); // the side panel keeps its own choice

    page.option_axis[6]->setChecked(false);
    page.cmb_analysis->setCurrentIndex(0);
    page.cmb_analysis_Click();
    EXPECT_FALSE(page.frame_2sides->isHidden());
    EXPECT_TRUE(page.option_axis[1]->isChecked());
    EXPECT_EQ(shownRed(page.Picture_progress), 41);
    page.option_axis[3]->click(); // no CI_YT plot: the picture keeps what it shows
    EXPECT_EQ(shownRed(page.Picture_progress), 41);
}

TEST(FrmBmpexport, ThreePointAdviceAndFolder)
{
    Page f;
    image(f.run("3scans_images/A1_0001.bmp"), 77);
    Frm_bmpexport page(f.context());
    EXPECT_EQ(page.txt_frame->text(), "0");
    EXPECT_EQ(shownRed(page.wellpicture), -1);
    page.chk_3point->click();
    EXPECT_EQ(f.prompts.messages, QStringList{"It is reccomended > 3h acquisition to use this setup"});
    EXPECT_EQ(shownRed(page.wellpicture), -1); // nothing reloaded
    page.chk_3point->click();
    EXPECT_EQ(f.prompts.messages.size(), 1);
    page.chk_3point->click();
    EXPECT_EQ(f.prompts.messages.size(), 2); // advised again on each check
    page.cmb_well_Click();
    EXPECT_EQ(shownRed(page.wellpicture), 77);
}

TEST(FrmBmpexport, RawExportWritesAndOpensTheFolder)
{
    Page f;
    ASSERT_TRUE(writeBytes(f.run("lastread00.csv"), "A1,57,,,1,2,,,3,4\r\n"));
    Frm_bmpexport page(f.context());
    page.mn_export_rawbmp->trigger();
    EXPECT_EQ(f.prompts.messages, QStringList{"done"});
    EXPECT_EQ(f.opener.opened, QStringList{f.run("bmp_last/")});
    EXPECT_TRUE(fileBytes(f.run("bmp_last/1.csv")).startsWith("\r\n1,2\r\n\r\n\r\n\r\n3,4\r\n"));

    Page none;
    QDir().mkpath(none.globals.runFolder);
    Frm_bmpexport quiet(none.context());
    quiet.mn_export_rawbmp->trigger();
    EXPECT_TRUE(none.prompts.messages.isEmpty());
    EXPECT_TRUE(none.opener.opened.isEmpty());
}

TEST(FrmBmpexport, RawExportThatCannotBeWrittenSaysSo)
{
    Page f;
    ASSERT_TRUE(writeBytes(f.run("lastread00.csv"), "A1,57,,,1,2,,,3,4\r\n"));
    ASSERT_TRUE(QDir().mkpath(f.run("bmp_last/1.csv"))); // a folder where the file goes
    Frm_bmpexport page(f.context());
    page.mn_export_rawbmp->trigger();
    EXPECT_EQ(f.prompts.messages, QStringList{analysisWriteError("error file", f.run("bmp_last/1.csv"))});
    EXPECT_TRUE(f.opener.opened.isEmpty());
}

TEST(BmpExportOpener, MapPlotLoadsOnceAndAfreshAfterClose)
{
    Page f;
    image(f.run("1scans_images/A1_0007.bmp"), 1);
    BmpExportOpener opener([&f] { return f.context(); });
    opener.showMapPlot("w24");
    Frm_bmpexport* first = opener.page();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->txt_formatowell->text(), "w24");
    EXPECT_TRUE(first->Timer1->isActive());
    first->Timer1_Timer();
    EXPECT_EQ(first->cmb_well->count(), 24);

    // While open: the format and the list are renewed, the rest stays from the load.
    const QString loadedIn = f.globals.runFolder;
    f.globals.runFolder = f.tmp.path("reports/pj/other");
    first->txt_frame->setText("2");
    opener.showMapPlot("w6");
    EXPECT_EQ(opener.page(), first);
    EXPECT_EQ(first->txt_formatowell->text(), "w6");
    first->Timer1_Timer();
    EXPECT_EQ(first->cmb_well->count(), 6);
    EXPECT_EQ(first->txt_frame->text(), "2");
    EXPECT_EQ(first->lbl_name->text(), loadedIn);

    first->close();
    opener.showMapPlot("w6");
    ASSERT_NE(opener.page(), nullptr);
    EXPECT_NE(opener.page(), first);
    EXPECT_EQ(opener.page()->lbl_name->text(), f.globals.runFolder);
    EXPECT_EQ(opener.page()->txt_frame->text(), "0");
}

// A w6 run of three scans in the page's run folder.
void writeSixWellRun(Page& f)
{
    using namespace chemotaxis_run;
    const char* wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    for (int c = 0; c < 6; ++c)
        ASSERT_TRUE(writeBytes(f.run(QStringLiteral("wellactivity%1").arg(c) + "0.csv"), windowFile({wells[c]})));
    ASSERT_TRUE(writeBytes(f.run("chgroup.dat"), groupFile()));
}

QString onlyReport(const Page& f)
{
    const QStringList reports = QDir(f.globals.runFolder).entryList({"*_report.*"}, QDir::Files);
    return reports.size() == 1 ? f.run(reports[0]) : QString();
}

TEST(FrmBmpexport, ProcessFilesThenBrowseTheImages)
{
    Page f;
    writeSixWellRun(f);
    Frm_bmpexport page(f.context());
    page.txt_formatowell->setText("w6");
    QStringList seen;
    f.clock.onTick = [&] {
        const QString now = page.cmd_process->text() + " " + page.cmb_well->currentText();
        if (seen.isEmpty() || seen.last() != now)
            seen << now;
    };
    page.cmd_process->click();
    ASSERT_FALSE(seen.isEmpty()) << f.prompts.messages.join("|").toStdString();
    EXPECT_EQ(seen.first(), "Stop processing A1");
    EXPECT_TRUE(seen.contains("Stop processing B3"));
    EXPECT_EQ(page.cmd_process->text(), "Process Files");
    EXPECT_EQ(page.processBusy, 0);
    EXPECT_EQ(page.txt_frame->text(), "2");
    EXPECT_EQ(page.txt_cframe->text(), "3");
    EXPECT_EQ(f.prompts.messages, QStringList{"ok process"});
    const QString report = onlyReport(f);
    ASSERT_FALSE(report.isEmpty());
    EXPECT_TRUE(report.endsWith(".csv"));
    EXPECT_EQ(f.opener.opened, QStringList{report});
    const QStringList lines = QString::fromLatin1(fileBytes(report)).split("\r\n");
    EXPECT_EQ(lines[6], "\"A1_CiXright\";\"002_Control\";-0.2;-1.0;0.0"); // the main window's ";"

    // The new images are browsed from the next well click.
    page.cmb_well->setEditText("B2");
    page.cmb_well_Click();
    EXPECT_FALSE(page.wellpicture->loaded().isNull());
    EXPECT_FALSE(page.Picture_progress->loaded().isNull());
    page.txt_frame->setText(QString::number(lastFrameNumber(page.imagesFolder(), "B2")));
    page.cmd_mas->click();
    EXPECT_EQ(page.txt_cframe->text(), "2");
    EXPECT_FALSE(page.wellpicture->loaded().isNull());
    const QString folder = qEnvironmentVariable("VELDO_PICTURES");
    if (!folder.isEmpty())
        page.grab().save(folder + "/bmp_export_processed.png");
}

TEST(FrmBmpexport, SecondClickStopsTheProcessing)
{
    Page f;
    writeSixWellRun(f);
    Frm_bmpexport page(f.context());
    page.txt_formatowell->setText("w6");
    f.clock.onTick = [&] {
        if (page.cmb_well->currentText() == "B1" && page.processBusy == -1)
            page.cmd_process->click();
    };
    page.cmd_process->click();
    EXPECT_EQ(page.cmd_process->text(), "Process Files");
    EXPECT_EQ(page.processBusy, 0);
    EXPECT_TRUE(f.prompts.messages.isEmpty());
    EXPECT_TRUE(f.opener.opened.isEmpty());
    const QStringList lines = QString::fromLatin1(fileBytes(onlyReport(f))).split("\r\n");
    EXPECT_EQ(lines.size(), 5); // three header lines, the empty line and the last line end
}

TEST(FrmBmpexport, RenderedPage)
{
    Page f;
    image(f.run("1scans_images/A1_0001.bmp"), 250);
    Frm_bmpexport page(f.context());
    page.show();
    const QImage shot = page.grab().toImage();
    EXPECT_EQ(shot.size(), page.size());
    page.cmb_analysis->setCurrentIndex(1);
    page.cmb_analysis_Click();
    const QImage quadrants = page.grab().toImage();
    EXPECT_NE(quadrants, shot);
    const QString folder = qEnvironmentVariable("VELDO_PICTURES");
    if (!folder.isEmpty()) {
        shot.save(folder + "/bmp_export_page.png");
        quadrants.save(folder + "/bmp_export_quadrants.png");
    }
}

} // namespace
