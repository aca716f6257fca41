#include "advanced/panels/Frm_advance.h"

#include "advanced/AdvancedFrameReaders.h"
#include "advanced/AdvancedFullFrame.h"
#include "advanced/AdvancedIdentityCommands.h"
#include "advanced/AdvancedLedPower.h"
#include "advanced/AdvancedLedTables.h"
#include "advanced/AdvancedSensorControls.h"
#include "advanced/panels/Frm_advance_exchange.h"
#include "advanced/panels/PageWidgets.h"
#include "calibration/CameraWindowButton.h"
#include "calibration/InPlateLedCalibration.h"
#include "calibration/LedBasalPower.h"
#include "calibration/LedPositionMapping.h"
#include "calibration/LightCalibrationCommands.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "link/protocol/LinkContext.h"
#include "plate/files/LedFiles.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

using pagewidgets::button;

// The LED calibrations on the page: each step the page's own way (its boxes,
// its full frame, its copies of the LED senders, config\ledxy.dat).
class Frm_advance::LedSteps final : public LedCalibrationSteps {
public:
    LedSteps(Frm_advance& page, LinkContext& ctx) : page_(page), ctx_(ctx) {}

    void loadTables(LedTable& leds) override
    {
        LoadLedSetupAdvanced(leds, page_.ctx_.folder, page_.ctx_.globals.serialNumber);
    }
    void selectCamera() override { advanced::selectCamera(ctx_, page_.boxes.txt_cam); }
    void setAllLeds(int level, int pauseMs) override
    {
        page_.txt_led->setCurrentText(QString::number(level));
        ctx_.clock.sleepMs(pauseMs);
        SendAllLedsPowerFromBox(ctx_, page_.txt_led->currentText());
    }
    void setDefaultWindow() override { page_.cmd_default_Click(); }
    void applyCameraSettings() override
    {
        advanced::setCameraFromBoxes(ctx_, page_.boxes);
        page_.showBoxes();
    }
    void takeFrame() override
    {
        const FullFrameChoices choices{page_.chk_halfpixel->isChecked(), page_.chk_cross->isChecked(),
                                       page_.chk_exportbmp->isChecked()};
        takeFullFrame(ctx_, framePage(), page_.Picact->canvas(), page_.ctx_.folder, choices, page_.random_);
        page_.showBoxes();
        page_.Picact->update();
    }
    void takeAutoCalibrationFrame() override
    {
        AcquireAutoCalibrationFrameAdvanced(ctx_, framePage());
        page_.Picact->update();
    }
    void setLed(int led, int power) override
    {
        QString text = page_.txt_led->currentText();
        SendOneLedPowerAdvanced(ctx_, text, led, power);
        page_.txt_led->setCurrentText(text);
    }
    void writeLedXy(const LedTable& leds) override { WriteLedXyFileAdvanced(page_.ctx_.folder, leds); }
    void writeLedPower(const LedTable& leds) override
    {
        WriteLedPowerFile(page_.ctx_.folder, page_.ctx_.globals.serialNumber, leds);
    }
    void focusWindow() override { page_.activateWindow(); }

private:
    AdvancedFramePage framePage() { return {page_.boxes, page_.txtCrc_, page_.frameImage, *page_.framePicture}; }

    Frm_advance& page_;
    LinkContext& ctx_;
};

void Frm_advance::buildLedCalibrationControls(QWidget* panel, const ControlLine& line)
{
    cmd_default = button(panel, "cmd_default", QStringLiteral("Default"));
    Cmd_ledfactory = button(panel, "Cmd_ledfactory", QStringLiteral("1.LED Factory Setup"));
    Cmd_ledcal = button(panel, "Cmd_ledcal", QStringLiteral("2.LED Basal Calib."));
    Cmd_ledinplate = button(panel, "Cmd_ledinplate", QStringLiteral("3.LED InPlate Calib."));
    line({cmd_default});
    line({Cmd_ledfactory});
    line({Cmd_ledcal});
    line({Cmd_ledinplate});
    connect(cmd_default, &QPushButton::clicked, this, [this] { cmd_default_Click(); });
    connect(Cmd_ledfactory, &QPushButton::clicked, this, [this] { Cmd_ledfactory_Click(); });
    connect(Cmd_ledcal, &QPushButton::clicked, this, [this] { Cmd_ledcal_Click(); });
    connect(Cmd_ledinplate, &QPushButton::clicked, this, [this] { Cmd_ledinplate_Click(); });
}

void Frm_advance::buildLightingMenu(QMenu* advanced)
{
    QMenu* lighting = advanced->addMenu(QStringLiteral("Lighting Calibration"));
    lighting->setObjectName(QStringLiteral("mnlightcal"));
    mncalibralightback = lighting->addAction(QStringLiteral("Background light"));
    mncalibralightback->setObjectName(QStringLiteral("mncalibralightback"));
    // Created hidden; nothing shows them.
    for (const auto& [name, caption] : {std::pair{"mncalibralight", "Well illumination"},
                                        std::pair{"mn_fastled", "Fast led calibration"}}) {
        QAction* hidden = lighting->addAction(QLatin1String(caption));
        hidden->setObjectName(QLatin1String(name));
        hidden->setVisible(false);
    }
    connect(mncalibralightback, &QAction::triggered, this, [this] { mncalibralightback_Click(); });
}

void Frm_advance::cmd_default_Click()
{
    applyDefaultCameraWindow(boxes, ctx_.globals.hardwareGeneration);
    showBoxes();
}

void Frm_advance::runLedCalibration(const std::function<void(LedCalibrationRun&)>& procedure)
{
    std::optional<LinkContext> l = link();
    if (!l)
        return;
    const ExchangeScope running(*this);
    LedSteps steps(*this, *l);
    LedCalibrationRun run{*l, boxes, frameImage, ledRunState, leds, steps};
    procedure(run);
    showBoxes();
}

void Frm_advance::Cmd_ledfactory_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_ledfactory_Click))
        return;
    runLedCalibration([this](LedCalibrationRun& r) {
        RunRemovedPlateLedStep(ctx_.prompts, ledRunState, [&r] { MapLedPositions(r); });
    });
}

void Frm_advance::Cmd_ledcal_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_ledcal_Click))
        return;
    runLedCalibration([this](LedCalibrationRun& r) {
        RunRemovedPlateLedStep(ctx_.prompts, ledRunState, [&r] { CalibrateLedBasalPower(r); });
    });
}

void Frm_advance::Cmd_ledinplate_Click()
{
    if (waitsForGap(&Frm_advance::Cmd_ledinplate_Click))
        return;
    runLedCalibration([this](LedCalibrationRun& r) { RunInPlateLedStep(r, ctx_.prompts); });
}

void Frm_advance::mncalibralightback_Click()
{
    if (waitsForGap(&Frm_advance::mncalibralightback_Click))
        return;
    runLedCalibration([this](LedCalibrationRun& r) {
        BackgroundLightWindow window{ledRunState, colourScaleMax, {}, {}};
        RunBackgroundLight(r.ctx, boxes, window, [&r, this] {
            showBoxes();
            MapLedPositions(r);
        });
    });
}
