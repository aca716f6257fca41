#include "advanced/panels/Frm_advance.h"

#include "advanced/AdvancedConsole.h"
#include "advanced/AdvancedFullFrame.h"
#include "advanced/panels/Frm_advance_exchange.h"
#include "advanced/panels/PageWidgets.h"
#include "core/Clock.h"
#include "link/protocol/LinkContext.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using pagewidgets::button;
using pagewidgets::named;

// The page's full frame, video and raw command console.

void Frm_advance::buildConsoleControls(QWidget* panel, const ControlLine& line)
{
    txtprogram = boundBox(panel, "txtprogram", boxes.txtprogram);
    txtprogram->setMaximumWidth(120);
    cmd_transmit = button(panel, "cmd_transmit", QStringLiteral("Transmit"));
    line({named<QLabel>(panel, "lbl_tx", QStringLiteral("TX:")), txtprogram, cmd_transmit});
    connect(cmd_transmit, &QPushButton::clicked, this, [this] { cmd_transmit_Click(); });
}

void Frm_advance::Command_fullframe_Click()
{
    if (waitsForGap(&Frm_advance::Command_fullframe_Click))
        return;
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    const ExchangeScope running(*this);
    random_.seed(static_cast<quint32>(ctx_.clock.now().toMSecsSinceEpoch()));
    const FullFrameLoop loop{
        [this] { return FullFrameChoices{chk_halfpixel->isChecked(), chk_cross->isChecked(), chk_exportbmp->isChecked()}; },
        [this] { return chk_video->isChecked(); },
        [this](const QString& caption) { Command_fullframe->setText(caption); },
        [this] {
            showBoxes();
            Picact->update();
        },
        stopRequested_,
        [this] { runQueuedClicks(); }};
    runFullFrames(*l, AdvancedFramePage{boxes, txtCrc_, frameImage, *framePicture}, Picact->canvas(), ctx_.folder,
                  random_, loop);
}

void Frm_advance::cmd_transmit_Click()
{
    if (waitsForGap(&Frm_advance::cmd_transmit_Click))
        return;
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    const ExchangeScope running(*this);
    transmitConsoleText(*l,
                        AdvancedConsolePage{boxes, txtCrc_, frameGeometry, frameImage, *framePicture, Picact->canvas()},
                        stopRequested_);
    Picact->update();
}
