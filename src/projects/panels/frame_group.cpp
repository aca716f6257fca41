#include "projects/panels/frame_group.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kDefaultColumnUnit = 1800;
constexpr double kDefaultRowUnit = 394;

QRect twipRect(double left, double top, double width, double height)
{
    auto px = [](double t) { return static_cast<int>(std::lround(t / kTwipsPerPixel)); };
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

frame_group::frame_group(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frame_group"));
    // The caption wraps inside the narrow button, as a command button's caption does.
    const QString caption = QStringLiteral("LOAD RECORDED EXPERIMENTS");
    cmd_load_recording = new QPushButton(this);
    cmd_load_recording->setObjectName(QStringLiteral("cmd_load_recording"));
    cmd_load_recording->setAccessibleName(caption);
    auto* text = new QLabel(caption, cmd_load_recording);
    text->setObjectName(QStringLiteral("cmd_load_recording_caption"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* inside = new QVBoxLayout(cmd_load_recording);
    inside->setContentsMargins(2, 2, 2, 2);
    inside->addWidget(text);
    connect(cmd_load_recording, &QPushButton::clicked, this, &frame_group::loadRecordingClicked);
    placeControls(kDefaultColumnUnit, kDefaultRowUnit);
}

void frame_group::setProjectPanel(QWidget* panel)
{
    projectPanel_ = panel;
    panel->setParent(this);
    placeControls(kDefaultColumnUnit, kDefaultRowUnit);
}

void frame_group::placeControls(double C, double R)
{
    if (projectPanel_)
        projectPanel_->setGeometry(twipRect(0, 0.2 * R, 0.86 * C, 10.5 * R));
    cmd_load_recording->setGeometry(twipRect(0.01 * C, 11.05 * R, 0.84 * C, 1.5 * R));
    const QRect whole = twipRect(0, 0, 0.9 * C, 14.5 * R);
    setMinimumSize(whole.size());
}
