#pragma once

#include <QGroupBox>
#include <QPoint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Blank Measurement": the name and lapse of a new blank measurement, or the
// list of stored blanks with a description, in one area. The window decides
// which one it opens with and what Start, Cancel and the list's events do.
class frameblank : public QGroupBox {
    Q_OBJECT
public:
    explicit frameblank(QWidget* parent = nullptr);

    QLabel* lblblankname = nullptr;
    QLineEdit* txt_blankname = nullptr;
    QLabel* lbl_timeblank = nullptr;
    QLineEdit* txt_blanklapse = nullptr;
    QListWidget* lst_blank = nullptr;
    QLabel* lbl_blankdescription = nullptr;
    QPushButton* cmd_okblank = nullptr;
    QPushButton* cmd_cancelblank = nullptr;

    // The list and the fields share the area: one is shown, the other hidden.
    // The list's face has no "Start"; "Cancel" serves both.
    void showList();
    void showFields();

signals:
    void startClicked();
    void cancelClicked();
    void storedBlankDoubleClicked(int row, const QString& text);
    void storedBlankClicked(int row, const QString& text);
    // A mouse button released over the list; a right click leaves the selection as it was.
    void listMouseUp(Qt::MouseButton button, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
