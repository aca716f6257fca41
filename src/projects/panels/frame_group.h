#pragma once

#include <QWidget>

class QPushButton;

// The group panel of the main area: the project and group panel, which the
// window puts in it, and "LOAD RECORDED EXPERIMENTS". The run control hides it
// while a run is confirmed and goes on.
class frame_group : public QWidget {
    Q_OBJECT
public:
    explicit frame_group(QWidget* parent = nullptr);

    QPushButton* cmd_load_recording = nullptr;

    // The panel that holds the project and group controls.
    void setProjectPanel(QWidget* panel);
    // Places its contents for a column and row unit in twips.
    void placeControls(double columnUnit, double rowUnit);

signals:
    void loadRecordingClicked();

private:
    QWidget* projectPanel_ = nullptr;
};
