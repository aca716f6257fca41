#include "flash/panels/frame_flash.h"

#include "core/Globals.h"
#include "core/Prompts.h"
#include "link/protocol/LinkContext.h"
#include "ui/DesignedPlaces.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kProgressRefreshMs = 100;

constexpr int kCheckTops[kFlashSectionItems] = {360, 720, 1080, 1680, 2040};
// Items 3 and 4 end where "ReCalc" begins.
constexpr int kCheckWidths[kFlashSectionItems] = {3480, 3480, 3480, 2400, 2400};
const char* const kCheckNames[kFlashSectionItems] = {"Check_flash0", "Check_flash1", "Check_flash2", "Check_flash3",
                                                     "Check_flash4"};
const char* const kCaptions[kFlashSectionItems] = {"Well FORMAT (w24,w6,p35)", "LED XY (Light Calibration)",
                                                   "Temperature Calibration", "Internal Reference Factor",
                                                   "Blank measure"};

} // namespace

frame_flash::frame_flash(FlashPanelContext context, QWidget* parent)
    : QGroupBox(QStringLiteral("Send to / Receive from Flash"), parent)
    , ctx_(std::move(context))
{
    setObjectName(QStringLiteral("frame_flash"));
    designedSize(this, 3975, 4215);

    cmd_closeflashmenu =
        designed(new QPushButton(QStringLiteral("X"), this), "cmd_closeflashmenu", 3360, 120, 375, 240);
    for (int i = 0; i < kFlashSectionItems; ++i) {
        const auto k = static_cast<size_t>(i);
        Check_flash[k] = designed(new QCheckBox(QLatin1String(kCaptions[i]), this), kCheckNames[i], 360, kCheckTops[i],
                                  kCheckWidths[i], 285);
        // The definition's 8.25 pt: the captions beside "ReCalc" have 2400 twips.
        setPointSize(Check_flash[k], 8.25);
    }
    cmd_recalc_internal =
        designed(new QPushButton(QStringLiteral("ReCalc"), this), "cmd_recalc_internal", 2760, 1800, 1095, 375);

    Picture_progress = designed(new PictureBox(this, twipsToPixels(3495), twipsToPixels(375)), "Picture_progress", 240,
                                2760, 3495, 375);
    Picture_progress->canvas().clear();
    Picture_progress->setAccessibleName(QStringLiteral("Flash transfer progress"));

    cmd_sendflash = designed(new QPushButton(QStringLiteral("SEND"), this), "cmd_sendflash", 240, 3240, 1815, 735);
    cmd_receiveflash =
        designed(new QPushButton(QStringLiteral("RECEIVE"), this), "cmd_receiveflash", 2040, 3240, 1815, 735);

    progressRefresh_ = new QTimer(this);
    progressRefresh_->setInterval(kProgressRefreshMs);
    connect(progressRefresh_, &QTimer::timeout, Picture_progress, [this] { Picture_progress->update(); });

    connect(cmd_sendflash, &QPushButton::clicked, this, [this] { cmd_sendflash_Click(); });
    connect(cmd_receiveflash, &QPushButton::clicked, this, [this] { cmd_receiveflash_Click(); });
    connect(cmd_recalc_internal, &QPushButton::clicked, this, [this] { cmd_recalc_internal_Click(); });
    connect(cmd_closeflashmenu, &QPushButton::clicked, this, [this] { cmd_closeflashmenu_Click(); });
    hide(); // the factory password shows it
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
    LinkContext link{ctx_.globals, ctx_.comm, ctx_.clock, ctx_.console, ctx_.prompts};
    FlashSendContext send{link, ctx_.folder, Picture_progress->canvas(), intRefChoice()};
    const bool refreshing = progressRefresh_->isActive();
    progressRefresh_->start();
    // Each action shows its own outcome on the progress picture or in a message.
    (void)action(send, ticked());
    if (!refreshing)
        progressRefresh_->stop();
    Picture_progress->update();
}

void frame_flash::cmd_sendflash_Click() { transfer(SendFlashSections); }

void frame_flash::cmd_receiveflash_Click() { transfer(ReceiveFlashSections); }

void frame_flash::cmd_recalc_internal_Click()
{
    // The recalculation asks and says "done" itself.
    (void)RecalcInternalFactors({ctx_.globals, ctx_.folder, ctx_.clock, ctx_.prompts, intRefChoice()});
}

void frame_flash::cmd_closeflashmenu_Click() { hide(); }
