#include "calibration/LightCalibrationCommands.h"

#include "calibration/InPlateLedCalibration.h"
#include "calibration/CalibrationMessages.h"
#include "core/Console.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/Prompts.h"

void RunBackgroundLight(LinkContext& ctx, CameraBoxes& boxes, BackgroundLightWindow& window,
                        const std::function<void()>& mapCamera)
{
    if (ctx.globals.dummyMode == 0 && !ctx.globals.portOpen) {
        ctx.prompts.message(kOfflineRefusal);
        return;
    }
    window.runState = -1;
    if (window.started)
        window.started();
    const PromptAnswer answer = ctx.prompts.question(kRemoveMicroplate, PromptButtons::OkCancel, kLightAlignmentTitle);
    if (answer == PromptAnswer::Ok && window.runState == -1) {
        // A stop ends the camera being mapped; the later ones return at once.
        for (int camera = 0; camera < 6; ++camera) {
            ctx.console.setStatus(QStringLiteral("Testing Camera #") + QString::number(camera));
            boxes.txt_cam = QString::number(camera);
            mapCamera();
        }
    }
    ctx.prompts.message(kCalibrationFinished);
    window.colourScaleMax = kBackgroundLightColourScale;
    if (window.finished)
        window.finished();
    window.runState = 0;
}

void RunRemovedPlateLedStep(Prompts& prompts, int& pageRunState, const std::function<void()>& procedure)
{
    pageRunState = -1;
    if (prompts.question(QStringLiteral("please Remove micropate for this test"), PromptButtons::OkCancel) !=
        PromptAnswer::Cancel)
        procedure();
    pageRunState = 0;
}

void RunInPlateLedStep(LedCalibrationRun& r, Prompts& prompts)
{
    if (prompts.question(QStringLiteral("please INSERT micropate for this test using culture condition"),
                         PromptButtons::OkCancel) == PromptAnswer::Cancel)
        return;
    const QString gain = QString::number(int(textValue(r.boxes.txt_gain)));
    const QString exposure = QString::number(int(textValue(r.boxes.txt_exposure)));
    r.boxes.txt_gain = QString::number(r.ctx.globals.defaultGain);
    AutocalibrateAndSaveCameraLeds(r, prompts);
    r.boxes.txt_gain = gain;
    r.boxes.txt_exposure = exposure;
    r.steps.applyCameraSettings();
}
