#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Blank Measurement": the name and lapse of a new blank measurement, or the
// list of stored blanks, in one area. The window decides which one it opens
// with and what Start, Cancel and a double click in the list do.
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
    void showList();
    void showFields();

signals:
    void startClicked();
    void cancelClicked();
    void storedBlankDoubleClicked(int row, const QString& text);
};
