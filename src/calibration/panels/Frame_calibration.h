#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

// "Well Calibration": the well-position calibration column, shown in place of
// the command column. Holds the plate box cmb_formatplate and the plate's
// column and row counts txt_ncol "X " txt_nrow; the calibration controls join
// it with the calibration issues.
class Frame_calibration : public QWidget {
    Q_OBJECT
public:
    explicit Frame_calibration(QWidget* parent = nullptr);

    QLabel* Label37 = nullptr;
    QComboBox* cmb_formatplate = nullptr;
    QLineEdit* txt_ncol = nullptr;
    QLabel* Label31 = nullptr;
    QLineEdit* txt_nrow = nullptr;

    // The counts of the grid the plate picture was drawn with.
    void showPlateSize(int rows, int columns);
    // The plate box's list and text, without reporting a choice.
    void showFormatBox(const QStringList& items, const QString& text);
};
