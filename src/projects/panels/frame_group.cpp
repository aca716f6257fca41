#include "projects/panels/frame_group.h"

#include "ui/DesignedPlaces.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Room between the button's edge and its wrapped caption, in pixels.
constexpr int kCaptionMargin = 2;

} // namespace

frame_group::frame_group(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frame_group"));
    resize(sizeHint()); // the rule sets the size: not fixed
    setPointSize(this, 8.25); // the narrow column's captions need the designed size

    // The caption wraps inside the narrow button, as a command button's caption does.
    const QString caption = QStringLiteral("LOAD RECORDED EXPERIMENTS");
    cmd_load_recording = designed(new QPushButton(this), "cmd_load_recording", 18, 4354, 1512, 591);
    cmd_load_recording->setAccessibleName(caption);
    loadRecordingCaption_ = new QLabel(caption, cmd_load_recording);
    loadRecordingCaption_->setObjectName(QStringLiteral("cmd_load_recording_caption"));
    loadRecordingCaption_->setWordWrap(true);
    loadRecordingCaption_->setAlignment(Qt::AlignCenter);
    loadRecordingCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    loadRecordingCaption_->setGeometry(
        cmd_load_recording->rect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin));
    cmd_load_recording->installEventFilter(this);
    connect(cmd_load_recording, &QPushButton::clicked, this, &frame_group::loadRecordingClicked);
}

void frame_group::setProjectPanel(QWidget* panel)
{
    if (panel->parentWidget() != this)
        panel->setParent(this);
    panel->setGeometry(0, twipsToPixels(79), twipsToPixels(1548), twipsToPixels(4137));
}

QSize frame_group::sizeHint() const { return {twipsToPixels(1620), twipsToPixels(5713)}; }

bool frame_group::eventFilter(QObject* watched, QEvent* event)
{
    // The rule resizes the button by name; its caption follows.
    if (watched == cmd_load_recording && event->type() == QEvent::Resize)
        loadRecordingCaption_->setGeometry(
            cmd_load_recording->rect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin));
    return QWidget::eventFilter(watched, event);
}
