#include "OfflinePageRig.h"
#include "analysis/AnalysisFileErrors.h"
#include "support/FakeFreeSpace.h"
#include "projects/RecordedRunTree.h"
#include "projects/WellGroupFile.h"
#include "support/FixtureFiles.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// A w6 run of three scans (0 to 2 at 0.5, 1.0 and 12.5 minutes) whose A1 moves
// in scans 0 and 1; A1 and B1 in group 0 "ctrl", A2 in group 1 "drug".
QString writeThreeScanRun(Page& p)
{
    const QString run = writeRecordedRun(p.tmp, QStringLiteral("proj"), QStringLiteral("20240101_000000heat"),
                                         "heat\r\nacq_time=5\r\nplate_format=w6\r\n",
                                         "0.5 \"A1\" 10\r\n0.5 \"B1\" 4\r\n0.5 \"A2\" 3\r\n"
                                         "1.0 \"A1\" 30\r\n1.0 \"B1\" 4\r\n1.0 \"A2\" 9\r\n");
    const char* wells[] = {"A1", "B1", "A2", "B2", "A3", "B3"};
    const char* minutes[] = {"0.5", "1.0", "12.5"};
    for (int c = 0; c < 6; ++c) {
        QByteArray text;
        for (int s = 0; s < 3; ++s) {
            const QByteArray w(wells[c]);
            const bool moving = c == 0 && s < 2;
            text += "scan," + QByteArray::number(s) + "\r\ntime[m],\"" + minutes[s] + "\"\r\n";
            text += w + ",0,-," + (moving ? "5" : "0") + ",2,-\r\n" + w + ",1,-,0,0,-\r\n\r\n";
        }
        EXPECT_TRUE(writeBytes(run + QStringLiteral("/wellactivity%1%2.csv").arg(c).arg(0), text));
    }
    WellGroupTable groups;
    groups.wellGroup[0] = groups.wellGroup[1] = 0;
    groups.groupName[0] = "ctrl";
    groups.wellGroup[2] = 1;
    groups.groupName[1] = "drug";
    EXPECT_TRUE(writeBytes(run + "/chgroup.dat", wellGroupLines(groups).join("\r\n").toLatin1() + "\r\n"));
    return run;
}

struct LoadedPage {
    Page p;
    QString run;
    Frrm_offline* page = nullptr;
    explicit LoadedPage(const FreeSpace* space = nullptr)
    {
        p.freeSpace = space;
        run = writeThreeScanRun(p);
        page = &p.open();
        p.doubleClick(0);
        p.doubleClick(1);
        page->cmd_plotheat->click();
    }
};

TEST(FrrmOfflineHeatMap, LoadDrawsTheSumMapAndKineticsPlaysEveryScan)
{
    LoadedPage l;
    Frrm_offline& page = *l.page;
    ASSERT_TRUE(page.heatMap.loaded());
    ASSERT_EQ(page.heatMap.lastScan, 2);
    EXPECT_EQ(page.state.plotView, 2);
    EXPECT_FALSE(page.bmpexporta_seq->isVisible());
    const QImage sum = page.Picreal->canvas().image();

    std::vector<int> shown;
    l.p.clock.onTick = [&] {
        if (shown.empty() || shown.back() != page.HScroll_time->value())
            shown.push_back(page.HScroll_time->value());
    };
    page.cmd_plotheatkin->click();
    l.p.clock.onTick = nullptr;
    EXPECT_EQ(shown, (std::vector<int>{1, 2})) << "scan views 1 to lastScan";
    EXPECT_EQ(page.lbl_scan->text(), "Scan(2) 1m") << "view 2 shows the files' scan 1";
    EXPECT_EQ(page.cmd_plotheatkin->text(), "[Kinetic]");
    EXPECT_EQ(page.drawRunning, 0);
    EXPECT_FALSE(page.HScroll_time->isHidden());
    EXPECT_TRUE(page.bmpexporta_seq->isVisible());
    EXPECT_NE(page.Picreal->canvas().image(), sum);

    // "[SUM]" draws the sum again and hides the sequence exports.
    page.cmd_plotheatsum->click();
    EXPECT_TRUE(page.HScroll_time->isHidden());
    EXPECT_EQ(page.Picreal->canvas().image(), sum);
    page.grab().toImage().save("/tmp/Frrm_offline_heatmap_sum.png");
}

TEST(FrrmOfflineHeatMap, KineticsClickedAgainStops)
{
    LoadedPage l;
    Frrm_offline& page = *l.page;
    int pumps = 0;
    l.p.clock.onTick = [&] {
        if (++pumps == 3 && page.cmd_plotheatkin->text() == "[STOP]")
            page.cmd_plotheatkin_Click(); // the user's second click, seen between wells
    };
    page.cmd_plotheatkin_Click();
    l.p.clock.onTick = nullptr;
    EXPECT_EQ(page.cmd_plotheatkin->text(), "[Kinetic]");
    EXPECT_EQ(page.HScroll_time->value(), 1) << "stopped inside the first scan view";
    EXPECT_EQ(page.drawRunning, 0);
}

TEST(FrrmOfflineHeatMap, SequenceAndAreaExports)
{
    LoadedPage l;
    Frrm_offline& page = *l.page;
    // In the sum view the two sequence exports do nothing.
    page.bmpexporta_seq_Click();
    page.bmpexporta_csvseq_Click();
    EXPECT_FALSE(QDir(l.run + "/bmpseq").exists());
    EXPECT_FALSE(QFile::exists(l.run + "/percent_activity.csv"));

    page.cmd_plotheatkin_Click();
    page.bmpexporta_seq_Click();
    EXPECT_TRUE(QFile::exists(l.run + "/bmpseq/1.bmp"));
    EXPECT_TRUE(QFile::exists(l.run + "/bmpseq/2.bmp"));
    EXPECT_FALSE(QFile::exists(l.run + "/bmpseq/3.bmp"));
    EXPECT_EQ(l.p.opener.opened.value(0), QDir(l.run).absoluteFilePath("bmpseq"));

    ASSERT_TRUE(writeBytes(l.run + "/percent_activity.csv", "an older export\r\n"));
    page.bmpexporta_csvseq_Click();
    // Each well's visited cells: lines 0 to 2 by cells 0 to 2 of its grid, two
    // of them "-". A1 holds 5 and 2 in both views: 2 of 7 -> "29"; the other
    // wells hold one 2: 1 of 7 -> "14". Minutes 0.5 and 1.0 halve to even.
    EXPECT_EQ(fileBytes(l.run + "/percent_activity.csv"),
              "Folder:," + l.run.toLatin1() + "\r\nReport Date:,2026-03-14 09:26.53\r\nProject:,proj\r\n"
              "Acquisition:,heat\r\n\r\nWELL AREA OCCUPIED BY ACTIVITY[%]\r\nTime[m],A1,B1,A2,B2,A3,B3\r\n"
              "0,29,14,14,14,14,14\r\n1,29,14,14,14,14,14\r\n");
    EXPECT_EQ(l.p.opener.opened.value(1), QDir(l.run).absoluteFilePath("percent_activity.csv"));
    EXPECT_FALSE(page.state.areaExportActive);
}

TEST(FrrmOfflineHeatMap, ImageExportsThatCannotBeWrittenSaySo)
{
    const QString words = "error generating report file";
    {
        // A folder where scan view 2's image goes: view 1's stays, the folder is not opened.
        LoadedPage l;
        ASSERT_TRUE(QDir().mkpath(l.run + "/bmpseq/2.bmp"));
        l.page->cmd_plotheatkin_Click();
        l.page->bmpexporta_seq_Click();
        EXPECT_EQ(l.p.prompts.messages, QStringList{analysisWriteError(words, l.run + "/bmpseq/2.bmp")});
        EXPECT_FALSE(QImage(l.run + "/bmpseq/1.bmp").isNull());
        EXPECT_TRUE(l.p.opener.opened.isEmpty());
    }
    {
        LoadedPage l;
        ASSERT_TRUE(QDir().mkpath(l.p.tmp.folder().root() + "/image1.bmp"));
        l.page->bmpexporta_Click();
        EXPECT_EQ(l.p.prompts.messages,
                  QStringList{analysisWriteError(words, QDir(l.p.tmp.folder().root()).absoluteFilePath("image1.bmp"))});
        EXPECT_TRUE(l.p.opener.opened.isEmpty());
    }
}

TEST(FrrmOfflineHeatMap, SequenceThatWouldNotFitWritesNothing)
{
    // Two scan views of the picture's BMP: 54 bytes of header, 3 bytes a pixel, rows padded to 4.
    FakeFreeSpace space;
    LoadedPage l(&space);
    const QImage& picture = l.page->Picreal->canvas().image();
    const qint64 bytes = 2 * (54 + qint64((picture.width() * 3 + 3) / 4 * 4) * picture.height());
    for (const qint64 free : {bytes, bytes - 1}) {
        space.bytes = free;
        l.p.prompts.messages.clear();
        l.p.opener.opened.clear();
        QDir(l.run + "/bmpseq").removeRecursively();
        l.page->cmd_plotheatkin_Click();
        l.page->bmpexporta_seq_Click();
        const QString folder = QDir(l.run).absoluteFilePath("bmpseq");
        if (free == bytes) {
            EXPECT_TRUE(l.p.prompts.messages.isEmpty());
            EXPECT_EQ(QFileInfo(folder + "/2.bmp").size(), bytes / 2);
            continue;
        }
        EXPECT_EQ(l.p.prompts.messages, QStringList{analysisImageRoomError(space, "error generating report file", folder, 2, bytes)});
        EXPECT_FALSE(QFileInfo::exists(folder));
        EXPECT_TRUE(l.p.opener.opened.isEmpty());
    }
}

TEST(FrrmOfflineHeatMap, BarPlotAndGroupDoubleClick)
{
    LoadedPage l;
    Frrm_offline& page = *l.page;
    page.cmd_plotbar->click();
    EXPECT_EQ(page.state.plotView, 1);
    EXPECT_TRUE(page.frame_heatmap->isHidden());
    page.grab().toImage().save("/tmp/Frrm_offline_barplot.png");
    const QImage bars = page.Picreal->canvas().image();

    // Group 1 ("001_drug") double-clicked in the bar view: its bar drawn as the selected one.
    ASSERT_EQ(page.combogrup->count(), 2);
    page.combogrup->setCurrentRow(1);
    page.combogrup_DblClick();
    EXPECT_EQ(page.state.plotView, 1);
    EXPECT_TRUE(page.wellHighlight[2]);
    EXPECT_FALSE(page.wellHighlight[0]);
    EXPECT_NE(page.Picreal->canvas().image(), bars);

    // In the heat view the double-click redraws the sum map with the group's names marked.
    page.cmd_plotheatsum_Click();
    page.combogrup->setCurrentRow(0);
    page.combogrup_DblClick();
    EXPECT_EQ(page.state.plotView, 2);
    EXPECT_TRUE(page.wellHighlight[0] && page.wellHighlight[1] && !page.wellHighlight[2]);
}

} // namespace
