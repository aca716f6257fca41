#include "calibration/panels/Frame_calibration.h"

#include "calibration/WellPositionCalibration.h"
#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QLineEdit* countBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setMaximumWidth(40);
    return box;
}

QLineEdit* boundBox(const char* name, const char* text, bool typed, QWidget* parent)
{
    auto* box = new QLineEdit(QLatin1String(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(!typed);
    box->setMaximumWidth(48);
    return box;
}

QPushButton* stepButton(const char* name, const char* caption, QWidget* parent)
{
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setMaximumWidth(26);
    return b;
}

QComboBox* listBox(const char* name, const char* text, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItem(QLatin1String(text));
    return box;
}

} // namespace

Frame_calibration::Frame_calibration(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame_calibration"));
    Label37 = new QLabel(QStringLiteral("Plate:"), this);
    cmb_formatplate = makeEditableBox("cmb_formatplate", this);
    txt_ncol = countBox("txt_ncol", this);
    Label31 = new QLabel(QStringLiteral("X "), this);
    txt_nrow = countBox("txt_nrow", this);

    auto* cameras = new QFrame(this); // Shape3
    cameras->setObjectName(QStringLiteral("Shape3"));
    cameras->setFrameShape(QFrame::Box);
    auto* cameraGrid = new QGridLayout(cameras);
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QStringLiteral("C%1").arg(i), cameras);
        b->setObjectName(QStringLiteral("cmd_camselect%1").arg(i));
        b->setMaximumWidth(36);
        cameraGrid->addWidget(b, i % 2, i / 2); // C0 over C1, C2 over C3, C4 over C5
        connect(b, &QPushButton::clicked, this, [this, i] { cmd_camselect_Click(i); });
        cmd_camselect[size_t(i)] = b;
    }

    cmb_column = listBox("cmb_column", "1", this);
    txt_column_start = boundBox("txt_column_start", "1", true, this);
    col_start_menos = stepButton("col_start_menos", "-", this);
    col_start_mas = stepButton("col_start_mas", "+", this);
    txt_column_end = boundBox("txt_column_end", "45", false, this);
    col_end_menos = stepButton("col_end_menos", "-", this);
    col_end_mas = stepButton("col_end_mas", "+", this);
    cmb_row = listBox("cmb_row", "A", this);
    txt_row_start = boundBox("txt_row_start", "1", false, this);
    row_start_menos = stepButton("row_start_menos", "-", this);
    row_start_mas = stepButton("row_start_mas", "+", this);
    txt_row_end = boundBox("txt_row_end", "90", false, this);
    row_end_menos = stepButton("row_end_menos", "-", this);
    row_end_mas = stepButton("row_end_mas", "+", this);
    cmd_grabarconfig = new QPushButton(QStringLiteral("Save->Next Area"), this);
    cmd_grabarconfig->setObjectName(QStringLiteral("cmd_grabarconfig"));
    QFont small = cmd_grabarconfig->font();
    small.setPointSize(9);
    cmd_grabarconfig->setFont(small);
    txt_well_percent = new QPlainTextEdit(QStringLiteral("Text1"), this);
    txt_well_percent->setObjectName(QStringLiteral("txt_well_percent"));
    txt_well_percent->setReadOnly(true);
    txt_well_percent->setMaximumWidth(110);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label37, 0, 0);
    grid->addWidget(cmb_formatplate, 0, 1, 1, 3);
    grid->addWidget(txt_ncol, 1, 0);
    grid->addWidget(Label31, 1, 1);
    grid->addWidget(txt_nrow, 1, 2);
    grid->addWidget(cameras, 2, 0, 1, 4);
    const auto boundRow = [&](int row, const char* caption, QLineEdit* box, QPushButton* minus, QPushButton* plus) {
        grid->addWidget(new QLabel(QLatin1String(caption), this), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(minus, row, 2);
        grid->addWidget(plus, row, 3);
    };
    grid->addWidget(new QLabel(QStringLiteral("Column"), this), 3, 0);
    grid->addWidget(cmb_column, 3, 1, 1, 3);
    boundRow(4, "start", txt_column_start, col_start_menos, col_start_mas);
    boundRow(5, "end", txt_column_end, col_end_menos, col_end_mas);
    grid->addWidget(new QLabel(QStringLiteral("Row"), this), 6, 0);
    grid->addWidget(cmb_row, 6, 1, 1, 3);
    boundRow(7, "start", txt_row_start, row_start_menos, row_start_mas);
    boundRow(8, "end", txt_row_end, row_end_menos, row_end_mas);
    grid->addWidget(cmd_grabarconfig, 9, 0, 1, 4);
    grid->addWidget(txt_well_percent, 0, 4, 11, 1);
    grid->setRowStretch(10, 1);

    using A = BoundaryAxis;
    using M = BoundaryMove;
    const auto wire = [this](QPushButton* b, A axis, M move) {
        connect(b, &QPushButton::clicked, this, [this, axis, move] { boundary_Click(axis, move); });
    };
    wire(col_start_mas, A::Column, M::StartUp);
    wire(col_start_menos, A::Column, M::StartDown);
    wire(col_end_mas, A::Column, M::EndUp);
    wire(col_end_menos, A::Column, M::EndDown);
    wire(row_start_mas, A::Row, M::StartUp);
    wire(row_start_menos, A::Row, M::StartDown);
    wire(row_end_mas, A::Row, M::EndUp);
    wire(row_end_menos, A::Row, M::EndDown);
    connect(cmb_column, QOverload<int>::of(&QComboBox::activated), this, [this](int i) { cmb_column_Click(i); });
    connect(cmb_row, QOverload<int>::of(&QComboBox::activated), this, [this](int i) { cmb_row_Click(i); });
    connect(cmb_formatplate, QOverload<int>::of(&QComboBox::activated), this, [this] { cmb_formatplate_Click(); });
    connect(cmd_grabarconfig, &QPushButton::clicked, this, [this] { cmd_grabarconfig_Click(); });
    txt_column_start->installEventFilter(this);
    hide(); // shown by "Calibrate position"
}

void Frame_calibration::bind(WellPositionCalibration& calibration) { calibration_ = &calibration; }

void Frame_calibration::refresh()
{
    if (calibration_)
        showView(calibration_->view);
}

void Frame_calibration::showView(const WellCalibrationView& view)
{
    showing_ = true;
    for (int i = 0; i < 6; ++i)
        cmd_camselect[size_t(i)]->setStyleSheet(i == view.greyCameraButton
                                                    ? QStringLiteral("background-color: rgb(128,128,128)")
                                                    : QStringLiteral("background-color: white"));
    showInBox(cmb_column, view.columnItems, view.columnIndex,
              view.columnIndex >= 0 ? view.columnItems.value(view.columnIndex) : QString());
    showInBox(cmb_row, view.rowItems, view.rowIndex,
              view.rowIndex >= 0 ? view.rowItems.value(view.rowIndex) : QString());
    txt_column_start->setText(view.columnStart);
    txt_column_end->setText(view.columnEnd);
    txt_row_start->setText(view.rowStart);
    txt_row_end->setText(view.rowEnd);
    txt_well_percent->setPlainText(view.wellPercent);
    cmb_formatplate->setCurrentText(view.plateBox);
    cmb_formatplate->setEnabled(!view.plateBoxLocked);
    showing_ = false;
}

void Frame_calibration::cmd_camselect_Click(int index)
{
    if (calibration_)
        calibration_->selectCamera(index);
    refresh();
}

void Frame_calibration::cmb_column_Click(int index)
{
    if (calibration_ && !showing_)
        calibration_->columnChosen(index);
    refresh();
}

void Frame_calibration::cmb_row_Click(int index)
{
    if (calibration_ && !showing_)
        calibration_->rowChosen(index);
    refresh();
}

void Frame_calibration::boundary_Click(BoundaryAxis axis, BoundaryMove move)
{
    if (calibration_)
        calibration_->moveBound(axis, move);
    refresh();
}

void Frame_calibration::txt_column_start_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !calibration_)
        return;
    calibration_->columnStartEntered(txt_column_start->text());
    refresh();
}

void Frame_calibration::txt_column_start_LostFocus()
{
    if (!calibration_ || !calibration_->view.open)
        return;
    calibration_->columnStartLeft(txt_column_start->text());
    refresh();
}

void Frame_calibration::cmb_formatplate_Click()
{
    if (calibration_)
        calibration_->plateBoxChosen(cmb_formatplate->currentText());
    refresh();
}

void Frame_calibration::cmd_grabarconfig_Click()
{
    if (calibration_)
        calibration_->saveAndNext();
    refresh();
}

bool Frame_calibration::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txt_column_start) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                txt_column_start_KeyPress(13);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            txt_column_start_LostFocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Frame_calibration::showPlateSize(int rows, int columns)
{
    txt_ncol->setText(QString::number(columns));
    txt_nrow->setText(QString::number(rows));
    txt_ncol->repaint();
    txt_nrow->repaint();
}

void Frame_calibration::showFormatBox(const QStringList& items, const QString& text)
{
    showInBox(cmb_formatplate, items, static_cast<int>(items.indexOf(text)), text);
}
