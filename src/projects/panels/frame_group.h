#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The group panel of the main area: the project and group panel, which the
// window puts in it, and "LOAD RECORDED EXPERIMENTS". The run control hides it
// while a run is confirmed and goes on. The window's layout rule places it and
// its controls by name; the designed places are the rule's for a 12000 x 9000
// twip window.
class frame_group : public QWidget {
    Q_OBJECT
public:
    explicit frame_group(QWidget* parent = nullptr);

    QPushButton* cmd_load_recording = nullptr;

    // Takes the panel that holds the project and group controls to its designed place.
    void setProjectPanel(QWidget* panel);
    // The designed size, for a window that arranges it with a layout; the rule ignores it.
    QSize sizeHint() const override;

signals:
    void loadRecordingClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* loadRecordingCaption_ = nullptr;
};
