#include "DevicePageRig.h"
#include "link/Bytes.h"
#include "core/Globals.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// The page's full frame, video and console buttons.
namespace {

TEST(Frm_advanceFrames, VideoRunsUntilTheBoxIsUnticked)
{
    DevicePageRig p;
    Frm_advance& page = *p.page;
    p.s.globals.dummyMode = 1;
    page.chk_video->click();
    EXPECT_EQ(page.Command_fullframe->text(), "Video_frame");
    QString captionDuring;
    p.s.clock.onTick = [&] {
        if (p.s.clock.pumpCount() == 2) {
            captionDuring = page.Command_fullframe->text();
            page.chk_video->click(); // the box's own handler puts the caption back
        }
    };
    page.Command_fullframe->click();
    EXPECT_EQ(captionDuring, "Video=ON");
    EXPECT_EQ(page.Command_fullframe->text(), "Full_frame");
    EXPECT_EQ(p.s.clock.elapsedMs(), 200);
    EXPECT_TRUE(p.s.line.written.isEmpty());
    EXPECT_EQ(page.txt_lines->text(), "143");
    EXPECT_EQ(page.txtprogram->text(), "+");
}

// A click during a frame's exchange waits for the video's pause: the query
// goes out whole between two frame requests, and its answer shows.
TEST(Frm_advanceFrames, GetSnDuringVideoIsSentBetweenTwoFrames)
{
    DevicePageRig p;
    Frm_advance& page = *p.page;
    const QByteArray request = bytes({0xFF, 'C', 0, '+', 0x68});
    const QByteArray query = frameBytes('N', 0, 0);
    page.chk_video->setChecked(true);
    p.s.line.scriptSilence(); // the first frame never comes
    p.s.line.script(bytes({0, 0, 12})); // the serial number
    bool clicked = false;
    QByteArray writtenAtClick;
    p.s.clock.onTick = [&] {
        if (!clicked && p.s.line.written == request) {
            clicked = true;
            page.cmdsn->click();
            writtenAtClick = p.s.line.written;
        }
        if (p.s.line.written.count(request) == 2)
            page.chk_video->setChecked(false);
    };
    page.Command_fullframe->click();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(writtenAtClick, request); // nothing cut into the frame's exchange
    EXPECT_EQ(p.s.line.written, request + query + request);
    EXPECT_EQ(page.txt_status->text(), "Serial Number = SN12");
}

TEST(Frm_advanceFrames, ClosingThePageEndsTheVideoLoop)
{
    DevicePageRig p;
    p.page->show();
    p.s.globals.dummyMode = 1;
    p.page->chk_video->setChecked(true);
    p.s.clock.onTick = [&] {
        if (p.s.clock.pumpCount() == 3 && p.page)
            p.page->close();
    };
    p.page->Command_fullframe->click();
    EXPECT_EQ(p.s.clock.elapsedMs(), 300); // three frames, three pauses, none after the close
    ASSERT_FALSE(p.page.isNull());
    QCoreApplication::sendPostedEvents();
    deliverDeletes();
    EXPECT_TRUE(p.page.isNull());
}

TEST(Frm_advanceFrames, ConsoleTableInTheReplyBox)
{
    DevicePageRig p;
    Frm_advance& page = *p.page;
    p.s.line.bytesPerCommand = 1;
    page.txt_lines->setText("2");
    page.txt_pix->setText("3");
    page.txtprogram->setText("7");
    p.s.line.script(bytes({1, 2, 3, 4, 5, 6, 7}));
    page.cmd_transmit->click();
    EXPECT_EQ(p.s.line.written, "7");
    EXPECT_EQ(page.txt_in->toPlainText(), "1;2;3;\n4;5;6;\n7;\n");
    EXPECT_EQ(page.lbl_lenrx->text(), "LEN(Rx) = 7");
    EXPECT_EQ(page.frameGeometry.frameLineCount, 2);
}

// A frame with its cross on the page, exported as BMP; both looked at.
TEST(Frm_advanceFrames, RendersAFrameWithItsCross)
{
    DevicePageRig p;
    Frm_advance& page = *p.page;
    page.resize(1280, 800);
    page.show();
    p.s.globals.dummyMode = 1;
    page.chk_cross->setChecked(true);
    page.chk_exportbmp->setChecked(true);
    page.txt_cam->setText("2");
    page.Command_fullframe->click();
    const QDir exports(p.s.folder.path("bmp_exp"));
    const QStringList saved = exports.entryList({"c2_*.bmp"});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.first(), "c2_20260314092653.bmp");
    const QImage bmp(exports.filePath(saved.first()));
    EXPECT_EQ(bmp.size(), page.Picact->canvas().image().size());

    const QImage shot = page.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1280, 800));
    const QString shots = qEnvironmentVariable("VELDO_SHOT_DIR");
    if (!shots.isEmpty()) {
        shot.save(QDir(shots).filePath("Frm_advance_frame.png"));
        bmp.save(QDir(shots).filePath("Frm_advance_export.png"));
    }
}

} // namespace
