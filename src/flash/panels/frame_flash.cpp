#include "flash/panels/frame_flash.h"

#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/protocol/LinkContext.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// Designed places in twips, 15 to a pixel.
constexpr int px(int twips) { return twips / 15; }

constexpr int kPanelWidth = 3975;
constexpr int kPanelHeight = 4215;
constexpr int kCheckLeft = 360;
constexpr int kCheckHeight = 285;
constexpr int kCheckTops[kFlashSectionItems] = {360, 720, 1080, 1680, 2040};
// Items 3 and 4 end where "ReCalc" begins.
constexpr int kCheckWidths[kFlashSectionItems] = {3480, 3480, 3480, 2400, 2400};
constexpr int kProgressRefreshMs = 100;
// The room kept right of the widest control, and between the boxes and "ReCalc".
constexpr int kPanelMargin = 120;
constexpr int kGapPx = 6;
constexpr int kBottomLeft = 240;

const char* const kCaptions[kFlashSectionItems] = {"Well FORMAT (w24,w6,p35)", "LED XY (Light Calibration)",
                                                   "Temperature Calibration", "Internal Reference Factor",
                                                   "Blank measure"};

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(px(left), px(top), px(width), px(height));
    return b;
}

} // namespace

frame_flash::frame_flash(FlashPanelContext context, QWidget* parent)
    : QGroupBox(QStringLiteral("Send to / Receive from Flash"), parent)
    , ctx_(std::move(context))
{
    setObjectName(QStringLiteral("frame_flash"));

    // Designed places; a caption wider than its designed room (another font)
    // widens its control, moves "ReCalc" right and widens the panel with it.
    int rightOfBoxes = 0;
    int panelWidth = px(kPanelWidth);
    for (int i = 0; i < kFlashSectionItems; ++i) {
        auto* box = new QCheckBox(QLatin1String(kCaptions[i]), this);
        box->setObjectName(QStringLiteral("Check_flash%1").arg(i));
        const int width = std::max(px(kCheckWidths[i]), box->sizeHint().width());
        box->setGeometry(px(kCheckLeft), px(kCheckTops[i]), width, px(kCheckHeight));
        Check_flash[static_cast<size_t>(i)] = box;
        if (i >= 3)
            rightOfBoxes = std::max(rightOfBoxes, px(kCheckLeft) + width);
        else
            panelWidth = std::max(panelWidth, px(kCheckLeft) + width + px(kPanelMargin));
    }
    cmd_recalc_internal = button(this, "cmd_recalc_internal", QStringLiteral("ReCalc"), 2760, 1800, 1095, 375);
    const int recalcLeft = std::max(px(2760), rightOfBoxes + kGapPx);
    const int recalcWidth = std::max(px(1095), cmd_recalc_internal->sizeHint().width());
    cmd_recalc_internal->setGeometry(recalcLeft, px(1800), recalcWidth, px(375));
    panelWidth = std::max(panelWidth, recalcLeft + recalcWidth + px(kPanelMargin));
    setFixedSize(panelWidth, px(kPanelHeight));

    cmd_closeflashmenu = button(this, "cmd_closeflashmenu", QStringLiteral("X"), 3360, 120, 375, 315);
    cmd_closeflashmenu->move(panelWidth - px(kPanelWidth - 3360), px(120));
    const int inner = panelWidth - 2 * px(kBottomLeft);
    cmd_sendflash = button(this, "cmd_sendflash", QStringLiteral("SEND"), 240, 3240, 1815, 735);
    cmd_receiveflash = button(this, "cmd_receiveflash", QStringLiteral("RECEIVE"), 2040, 3240, 1815, 735);
    cmd_sendflash->resize(inner / 2, px(735));
    cmd_receiveflash->setGeometry(px(kBottomLeft) + inner / 2, px(3240), inner - inner / 2, px(735));

    Picture_progress = new PictureBox(this, inner, px(375));
    Picture_progress->setObjectName(QStringLiteral("Picture_progress"));
    Picture_progress->move(px(240), px(2760));
    Picture_progress->canvas().clear();
    Picture_progress->setAccessibleName(QStringLiteral("Flash transfer progress"));

    progressRefresh_ = new QTimer(this);
    progressRefresh_->setInterval(kProgressRefreshMs);
    connect(progressRefresh_, &QTimer::timeout, Picture_progress, [this] { Picture_progress->update(); });

    connect(cmd_sendflash, &QPushButton::clicked, this, [this] { cmd_sendflash_Click(); });
    connect(cmd_receiveflash, &QPushButton::clicked, this, [this] { cmd_receiveflash_Click(); });
    connect(cmd_recalc_internal, &QPushButton::clicked, this, [this] { cmd_recalc_internal_Click(); });
    connect(cmd_closeflashmenu, &QPushButton::clicked, this, [this] { cmd_closeflashmenu_Click(); });
}

FlashSectionTicks frame_flash::ticked() const
{
    FlashSectionTicks ticks{};
    for (size_t i = 0; i < ticks.size(); ++i)
        ticks[i] = Check_flash[i]->isChecked();
    return ticks;
}

int frame_flash::intRefChoice() const { return ctx_.intRefChoice ? ctx_.intRefChoice() : 0; }

void frame_flash::transfer(FlashAction (*action)(FlashSendContext&, const FlashSectionTicks&))
{
    if (!ctx_.comm) {
        if (!ctx_.globals.flashBusy)
            ctx_.prompts.message(QStringLiteral("COMPORT not opened. Click Connect"));
        return;
    }
    LinkContext link{ctx_.globals, *ctx_.comm, ctx_.clock, ctx_.console, ctx_.prompts};
    FlashSendContext send{link, ctx_.folder, Picture_progress->canvas(), intRefChoice()};
    const bool refreshing = progressRefresh_->isActive();
    progressRefresh_->start();
    action(send, ticked());
    if (!refreshing)
        progressRefresh_->stop();
    Picture_progress->update();
}

void frame_flash::cmd_sendflash_Click() { transfer(SendFlashSections); }

void frame_flash::cmd_receiveflash_Click() { transfer(ReceiveFlashSections); }

void frame_flash::cmd_recalc_internal_Click()
{
    RecalcInternalFactors({ctx_.globals, ctx_.folder, ctx_.clock, ctx_.prompts, intRefChoice()});
}

void frame_flash::cmd_closeflashmenu_Click() { hide(); }
