#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TemperatureControl;
struct TemperatureView;

// "Temperature Cycle": the entry of one set-point with its minutes, add and
// clr, and the list of items the cycle steps through. The window shows and
// hides it with the "Enable Temperature cycle" menu item and copies the
// temperature view in after each step.
class Frame_tcycle : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame_tcycle(TemperatureControl& control, QWidget* parent = nullptr);

    QLabel* lbl_tcyclce = nullptr;
    QLineEdit* txt_tcycle = nullptr;
    QLineEdit* txt_tcycle_min = nullptr;
    QLabel* lbl_tcycle_min = nullptr;
    QPushButton* cmd_add_tcycle = nullptr;
    QPushButton* cmd_clr_tcycle = nullptr;
    QListWidget* List_temp_cycle = nullptr;

    void cmd_add_tcycle_Click();
    void cmd_clr_tcycle_Click();

    // The list, its selection, the two boxes and the add and clr buttons.
    void showView(const TemperatureView& view);

private:
    TemperatureControl& control_;
};
