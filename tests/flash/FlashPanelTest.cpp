#include "FlashBench.h"
#include "flash/panels/frame_flash.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

// The flash panel as a user meets it.
namespace {

struct PanelBench : FlashBench {
    PanelBench() { globals.applySerialNumber(12); }
    frame_flash panel{{globals, folder.folder(), clock, prompts, console, &comm, {}}};
};

TEST(FlashPanel, ControlsCarryTheirCaptions)
{
    PanelBench bench;
    frame_flash& p = bench.panel;
    EXPECT_EQ(p.title(), "Send to / Receive from Flash");
    const QStringList captions{"Well FORMAT (w24,w6,p35)", "LED XY (Light Calibration)", "Temperature Calibration",
                               "Internal Reference Factor", "Blank measure"};
    for (int i = 0; i < kFlashSectionItems; ++i) {
        EXPECT_EQ(p.Check_flash[static_cast<size_t>(i)]->text(), captions.at(i));
        EXPECT_FALSE(p.Check_flash[static_cast<size_t>(i)]->isChecked());
    }
    EXPECT_EQ(p.cmd_sendflash->text(), "SEND");
    EXPECT_EQ(p.cmd_receiveflash->text(), "RECEIVE");
    EXPECT_EQ(p.cmd_recalc_internal->text(), "ReCalc");
    EXPECT_EQ(p.cmd_closeflashmenu->text(), "X");
    // Every caption is seen whole.
    for (QCheckBox* box : p.Check_flash)
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
    EXPECT_GE(p.cmd_recalc_internal->width(), p.cmd_recalc_internal->sizeHint().width());

    p.show();
    p.cmd_closeflashmenu->click();
    EXPECT_TRUE(p.isHidden());
}

TEST(FlashPanel, SendTheTickedSectionAndRender)
{
    PanelBench bench;
    ASSERT_TRUE(bench.start({}));
    bench.panel.show();
    bench.panel.Check_flash[2]->setChecked(true);
    bench.panel.cmd_sendflash->click();
    EXPECT_TRUE(bench.prompts.messages.isEmpty());
    QByteArray page;
    bench.sim.updateState([&](InstrumentState& s) { page = s.flash.page(kFactorBank, 4); });
    EXPECT_TRUE(page.startsWith("Tempfactor:1L_2x1i/"));
    EXPECT_FALSE(bench.globals.flashBusy);

    // What the user sees at the end: "Done" on the progress strip.
    bench.panel.Check_flash[3]->setChecked(true);
    const QString png = QDir::temp().filePath(QStringLiteral("frame_flash.png"));
    bench.panel.grab().save(png);
    PictureCanvas done(bench.panel.Picture_progress->canvas().widthPx(),
                       bench.panel.Picture_progress->canvas().heightPx());
    done.setScale(0, 0, 100, 100);
    done.clear();
    done.print(QStringLiteral("Done"));
    EXPECT_EQ(bench.panel.Picture_progress->canvas().image(), done.image());
}

TEST(FlashPanel, WithoutASerialModuleNothingIsSent)
{
    FlashBench bench;
    frame_flash panel({bench.globals, bench.folder.folder(), bench.clock, bench.prompts, bench.console, nullptr, {}});
    panel.Check_flash[0]->setChecked(true);
    panel.cmd_sendflash->click();
    panel.cmd_receiveflash->click();
    EXPECT_EQ(bench.prompts.messages, QStringList(2, "COMPORT not opened. Click Connect"));
}

TEST(FlashPanel, RecalcAsksFirst)
{
    PanelBench bench;
    bench.prompts.answers = {PromptAnswer::Yes};
    bench.panel.cmd_recalc_internal->click();
    EXPECT_EQ(bench.prompts.questions, QStringList{"Recalculate and replace internal factor files?"});
    EXPECT_EQ(bench.prompts.messages, QStringList{"done"});
    EXPECT_TRUE(QFile::exists(bench.unitFile("intfactor_w24.dat")));
}

} // namespace
