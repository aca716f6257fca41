#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeControl;

// The run confirmation panel: the project and acquisition names of the run about
// to start, "Use as Internal Reference", "PLAY" and "Cancel". "Start" shows it.
class frm_confirmacq : public QWidget {
    Q_OBJECT
public:
    explicit frm_confirmacq(QWidget* parent = nullptr);

    ShapeControl* Shape1 = nullptr;
    ShapeControl* Shape7 = nullptr;
    QLineEdit* txt_pjname = nullptr;
    ShapeControl* Line7 = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* txt_acqname = nullptr;
    QCheckBox* chk_internalref = nullptr;
    ShapeControl* Line8 = nullptr;
    QPushButton* cmd_cancelacq = nullptr;
    QPushButton* cmd_playacq = nullptr;

    // The name box: the placeholder goes on a click or a key; Enter confirms.
    void txt_acqname_Click();
    void txt_acqname_KeyPress(int key);

signals:
    void playClicked();
    void cancelClicked();
    void internalReferenceClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
