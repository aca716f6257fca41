#include "acquisition/panels/Frame_light.h"

#include "acquisition/temperature/BoxNumbers.h"
#include "core/Prompts.h"
#include "link/commands/LightPulse.h"
#include "link/protocol/SendSteps.h"
#include "ui/DesignedPlaces.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void fillShape(QFrame* s, const QColor& fill)
{
    QPalette p = s->palette();
    p.setColor(QPalette::Window, fill);
    s->setPalette(p);
}

QFrame* shape(QWidget* parent, const QColor& fill)
{
    auto* s = new QFrame(parent);
    s->setFrameShape(QFrame::Box);
    s->setAutoFillBackground(true);
    fillShape(s, fill);
    return s;
}

QLineEdit* box(QWidget* parent, const char* text, const char* tip)
{
    auto* b = new QLineEdit(QLatin1String(text), parent);
    b->setToolTip(QLatin1String(tip));
    b->setAlignment(Qt::AlignCenter);
    return b;
}

QLabel* label(QWidget* parent, const char* text, Qt::Alignment align = Qt::AlignCenter)
{
    auto* l = new QLabel(QLatin1String(text), parent);
    l->setAlignment(align);
    return l;
}

const QColor kLightOff{255, 255, 255};
const QColor kLightOn{0, 0, 255};

} // namespace

Frame_light::Frame_light(LightPanelHost& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName(QStringLiteral("Frame_light"));
    // Its size is the layout rule's; this is the size at the designed window.
    resize(twipsToPixels(1890), twipsToPixels(670));

    // The schedule's row at top 240 takes the whole width, so the switch
    // stands beside the button rather than under it.
    cmd_light = designed(new QPushButton(QStringLiteral("LightPulse"), this), "cmd_light", 0, 0, 945, 240);
    cmd_light->setToolTip(QStringLiteral("manual turn on/off"));
    Chk_lenabled = designed(new QCheckBox(QStringLiteral("Enable"), this), "Chk_lenabled", 990, 0, 900, 240);
    Chk_lenabled->setToolTip(QStringLiteral("Enable light cycles"));

    txt_pulseoff = designed(box(this, "15", "time off (minutes)"), "txt_pulseoff", 15, 240, 315, 240);
    Label1 = designed(label(this, "m"), "Label1", 330, 240, 150, 240);
    txt_pulseon = designed(box(this, "15", "time on (minutes)"), "txt_pulseon", 480, 240, 315, 240);
    Label2 = designed(label(this, "m"), "Label2", 795, 240, 150, 240);
    Label3 = designed(label(this, "X"), "Label3", 945, 240, 135, 240);
    txt_pulsetimes = designed(box(this, "1", "how many cycles"), "txt_pulsetimes", 1080, 240, 315, 240);
    Label5 = designed(label(this, ":"), "Label5", 1395, 240, 105, 240);
    txt_power = designed(box(this, "2", "1 to 7 power level"), "txt_power", 1500, 240, 315, 240);

    // Under the boxes: the off and on periods marked in the indicator's colours,
    // the indicator, and the names of the last two boxes; these two in a
    // smaller size, as the row under the boxes is 190 twips high.
    Shape2 = designed(shape(this, kLightOff), "Shape2", 60, 525, 225, 90);
    Shape4 = designed(shape(this, kLightOn), "Shape4", 525, 525, 225, 90);
    Shape_light = designed(shape(this, kLightOff), "Shape_light", 840, 495, 150, 150);
    Label16 = designed(label(this, "times", Qt::AlignHCenter | Qt::AlignTop), "Label16", 1020, 480, 405, 190);
    Label4 = designed(label(this, "power", Qt::AlignHCenter | Qt::AlignTop), "Label4", 1425, 480, 465, 190);
    setPointSize(Label16, 6.75);
    setPointSize(Label4, 6.75);

    connect(cmd_light, &QPushButton::clicked, this, [this] { cmd_light_Click(); });
    hide(); // the "Enable Blue Lighting" menu item shows it
}

LightBoxes Frame_light::lightBoxes() const
{
    LightBoxes b;
    b.enabled = Chk_lenabled->isChecked();
    b.power = txt_power->text();
    b.pulseOn = txt_pulseon->text();
    b.pulseOff = txt_pulseoff->text();
    b.pulseTimes = txt_pulsetimes->text();
    return b;
}

void Frame_light::showLightBoxes(const LightBoxes& boxes)
{
    Chk_lenabled->setChecked(boxes.enabled);
    txt_power->setText(boxes.power);
    txt_pulseon->setText(boxes.pulseOn);
    txt_pulseoff->setText(boxes.pulseOff);
    txt_pulsetimes->setText(boxes.pulseTimes);
}

void Frame_light::showLightIndicator(const LightIndicator& indicator)
{
    Chk_lenabled->setText(indicator.caption);
    fillShape(Shape_light, indicator.fill);
}

void Frame_light::cmd_light_Click()
{
    LightButtonContext ctx = host_.lightButtonContext();
    if (!ctx.portOpen) {
        ctx.prompts.message(kPortNotOpenText);
        return;
    }
    LightBoxes boxes = lightBoxes();
    const LightClick click = LightButton(ctx.pulse, boxes, ctx.runState, ctx.elapsedSeconds, ctx.link);
    showLightBoxes(boxes);
    if (ctx.runState == 1)
        return; // the run's next window evaluation switches the light
    if (click == LightClick::Started) {
        showLightIndicator(lightIndicatorFor(lightLevelFor(boxInteger(boxes.power).value_or(1)),
                                             ctx.pulse.pulseSecondsLeft));
        host_.enableTimer3();
    } else if (click == LightClick::Stopped) {
        showLightIndicator(lightIndicatorFor(0, 0));
    }
}
