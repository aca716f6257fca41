#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The project and run list of the main area. The main window keeps it hidden;
// its "X" hides it. The window's layout rule places it and its list by name;
// the designed places are the rule's for a 12000 x 9000 twip window.
class frame_offline : public QFrame {
    Q_OBJECT
public:
    explicit frame_offline(QWidget* parent = nullptr);

    QLabel* lblback = nullptr;
    QLabel* lbl_search = nullptr;
    QLineEdit* txt_search = nullptr;
    QPushButton* cmd_lupa = nullptr;
    QPushButton* cmd_closeoffline = nullptr;
    QListWidget* Listpj = nullptr;

    void cmd_closeoffline_Click();
};
