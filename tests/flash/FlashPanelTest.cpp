#include "FlashBench.h"
#include "flash/panels/frame_flash.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

// The flash panel as a user meets it.
namespace {

struct PanelBench : FlashBench {
    PanelBench() { globals.applySerialNumber(12); }
    frame_flash panel{{globals, folder.folder(), clock, prompts, console, comm, {}}};
};

TEST(FlashPanel, ControlsCarryTheirCaptions)
{
    PanelBench bench;
    frame_flash& p = bench.panel;
    EXPECT_EQ(p.title(), "Send to / Receive from Flash");
    EXPECT_TRUE(p.isHidden()); // until the factory password is given
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
    for (QCheckBox* box : p.Check_flash) {
        const int needed = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                           box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                           box->fontMetrics().horizontalAdvance(box->text());
        EXPECT_GE(box->width(), needed) << box->text().toStdString();
    }
    for (QPushButton* b : {p.cmd_recalc_internal, p.cmd_sendflash, p.cmd_receiveflash, p.cmd_closeflashmenu})
        EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 2) << b->text().toStdString();

    p.show();
    p.cmd_closeflashmenu->click();
    EXPECT_TRUE(p.isHidden());
}

TEST(FlashPanel, DesignedSizeAndPlacesInPixels)
{
    PanelBench bench;
    frame_flash& p = bench.panel;
    // 3975 x 4215 twips at 15 a pixel, kept whatever the window's rule does.
    EXPECT_EQ(p.size(), QSize(265, 281));
    EXPECT_EQ(p.minimumSize(), p.maximumSize());
    const struct {
        const char* name;
        QPoint topLeft;
    } corners[] = {
        {"cmd_closeflashmenu", {224, 8}}, {"Check_flash0", {24, 24}},        {"Check_flash1", {24, 48}},
        {"Check_flash2", {24, 72}},       {"Check_flash3", {24, 112}},       {"Check_flash4", {24, 136}},
        {"cmd_recalc_internal", {184, 120}},
    };
    for (const auto& c : corners) {
        const auto found = p.findChildren<QWidget*>(QLatin1String(c.name));
        ASSERT_EQ(found.size(), 1) << c.name;
        EXPECT_EQ(found.first()->pos(), c.topLeft) << c.name;
        EXPECT_FALSE(found.first()->isHidden()) << c.name;
    }
    const struct {
        const char* name;
        QRect place;
    } rects[] = {
        {"Picture_progress", {16, 184, 233, 25}},
        {"cmd_sendflash", {16, 216, 121, 49}},
        {"cmd_receiveflash", {136, 216, 121, 49}},
    };
    for (const auto& r : rects) {
        const auto* w = p.findChild<QWidget*>(QLatin1String(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->geometry(), r.place) << r.name;
    }
    EXPECT_EQ(p.Picture_progress->canvas().widthPx(), 233);
    EXPECT_EQ(p.Picture_progress->canvas().heightPx(), 25);
}

// Shown controls stay inside the panel and apart, except the one pixel the
// definition itself shares between "SEND" (ending at 2055) and "RECEIVE" (at 2040);
// no layout manager moves them.
TEST(FlashPanel, NothingOverlapsAndNoLayoutManager)
{
    PanelBench bench;
    frame_flash& p = bench.panel;
    const auto children = p.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (int i = 0; i < children.size(); ++i) {
        const QWidget* a = children[i];
        EXPECT_TRUE(p.rect().contains(a->geometry())) << a->objectName().toStdString();
        for (int j = i + 1; j < children.size(); ++j) {
            const QWidget* b = children[j];
            if (a == p.cmd_sendflash && b == p.cmd_receiveflash)
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " and " << b->objectName().toStdString();
        }
    }
    EXPECT_EQ(p.layout(), nullptr);
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

TEST(FlashPanel, WithThePortClosedNothingIsSent)
{
    FlashBench bench; // the instrument never started, no port opened
    frame_flash panel({bench.globals, bench.folder.folder(), bench.clock, bench.prompts, bench.console, bench.comm, {}});
    panel.Check_flash[0]->setChecked(true);
    panel.cmd_sendflash->click();
    panel.cmd_receiveflash->click();
    EXPECT_EQ(bench.prompts.messages, QStringList(2, "COMPORT not opened. Click Connect"));
    EXPECT_EQ(bench.sim.totalCommandCount(), 0);
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
