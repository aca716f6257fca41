#include "calibration/panels/Frame_calibration.h"

#include "calibration/WellPositionCalibration.h"
#include "calibration/panels/WrappedCaptionButton.h"
#include "ui/ComboBoxes.h"
#include "ui/DesignedPlaces.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Designed places in twips inside the 2250 x 5910 column (1.25 C by 15 R at
// C 1800, R 394). The controls keep the left 1440 twips; txt_well_percent
// stands at 0.8 C to the right of them.
constexpr double kLeft = 75;
constexpr double kRight = 1380;         // right edge of the left-hand controls
constexpr double kFieldHeight = 285;
constexpr double kLabelHeight = 255;
constexpr double kStepWidth = 210;      // the "-" and "+" buttons

// A label sits a little lower than the top of the box beside it, level with its text.
QLabel* label(const char* name, const char* caption, double left, double top, double width, QWidget* parent)
{
    return designed(new QLabel(QLatin1String(caption), parent), name, left, top + 30, width, kLabelHeight);
}

QLineEdit* textBox(const char* name, const char* text, bool typed, double left, double top, double width,
                   QWidget* parent)
{
    auto* box = designed(new QLineEdit(QLatin1String(text), parent), name, left, top, width, kFieldHeight);
    box->setReadOnly(!typed);
    return box;
}

QPushButton* button(const char* name, const char* caption, double left, double top, double width, double height,
                    QWidget* parent)
{
    return designed(new QPushButton(QLatin1String(caption), parent), name, left, top, width, height);
}

QComboBox* listBox(const char* name, const char* text, double left, double top, QWidget* parent)
{
    auto* box = designed(new QComboBox(parent), name, left, top, kRight - left, 315);
    box->addItem(QLatin1String(text));
    return box;
}

QFrame* separator(const char* name, double top, QWidget* parent)
{
    auto* line = designed(new QFrame(parent), name, kLeft, top, kRight - kLeft, 15);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

Frame_calibration::Frame_calibration(QWidget* parent) : QGroupBox(QStringLiteral("Well Calibration"), parent)
{
    setObjectName(QStringLiteral("Frame_calibration"));
    setPointSize(this, 8.25); // the controls' size where none is named
    // Not a fixed size: the layout rule sizes the column with the window.
    resize(twipsToPixels(2250), twipsToPixels(5910));

    Label37 = label("Label37", "Plate:", kLeft, 255, 480, this);
    cmb_formatplate = makeEditableBox("cmb_formatplate", this);
    designed(cmb_formatplate, "cmb_formatplate", 570, 255, kRight - 570, 315);
    cmb_formatplate->setEditText(QStringLiteral("w96f"));
    txt_ncol = textBox("txt_ncol", "12", false, kLeft, 660, 480, this);
    Label31 = label("Label31", "X ", 615, 660, 165, this);
    txt_nrow = textBox("txt_nrow", "8", false, 795, 660, 480, this);

    Line2 = separator("Line2", 1065, this);
    Shape3 = designed(new QFrame(this), "Shape3", kLeft, 1155, kRight - kLeft, 750);
    Shape3->setFrameShape(QFrame::Box);
    Shape3->setFrameShadow(QFrame::Plain);
    for (int i = 0; i < 6; ++i) {
        // Three columns of two: C0 over C1, C2 over C3, C4 over C5.
        const double left = 60 + (i / 2) * 405;
        const double top = 45 + (i % 2) * 345;
        const QByteArray name = QStringLiteral("cmd_camselect%1").arg(i).toLatin1();
        auto* b = designed(new QPushButton(QStringLiteral("C%1").arg(i), Shape3), name.constData(), left, top, 375, 315);
        connect(b, &QPushButton::clicked, this, [this, i] { cmd_camselect_Click(i); });
        cmd_camselect[size_t(i)] = b;
    }
    Line3 = separator("Line3", 2010, this);

    // The column's and the row's list, then the start and end bound of each with its buttons.
    const auto boundRow = [this](QLabel*& caption, const char* labelName, const char* text, QLineEdit*& box,
                                 const char* boxName, const char* boxText, bool typed, QPushButton*& minus,
                                 const char* minusName, QPushButton*& plus, const char* plusName, double top) {
        caption = label(labelName, text, kLeft, top, 435, this);
        box = textBox(boxName, boxText, typed, 525, top, 420, this);
        minus = button(minusName, "-", kRight - 2 * kStepWidth, top, kStepWidth, kFieldHeight, this);
        plus = button(plusName, "+", kRight - kStepWidth, top, kStepWidth, kFieldHeight, this);
    };
    Label38 = label("Label38", "Column", kLeft, 2130, 645, this);
    cmb_column = listBox("cmb_column", "1", 735, 2130, this);
    boundRow(Label27, "Label27", "start", txt_column_start, "txt_column_start", "1", true, col_start_menos,
             "col_start_menos", col_start_mas, "col_start_mas", 2550);
    boundRow(Label28, "Label28", "end", txt_column_end, "txt_column_end", "45", false, col_end_menos, "col_end_menos",
             col_end_mas, "col_end_mas", 2940);
    Label39 = label("Label39", "Row", kLeft, 3405, 645, this);
    cmb_row = listBox("cmb_row", "A", 735, 3405, this);
    boundRow(Label29, "Label29", "start", txt_row_start, "txt_row_start", "1", false, row_start_menos,
             "row_start_menos", row_start_mas, "row_start_mas", 3825);
    boundRow(Label30, "Label30", "end", txt_row_end, "txt_row_end", "90", false, row_end_menos, "row_end_menos",
             row_end_mas, "row_end_mas", 4215);

    // Two lines in the narrow column.
    cmd_grabarconfig = designed(new WrappedCaptionButton(QStringLiteral("Save->Next Area"), this), "cmd_grabarconfig",
                                kLeft, 4740, kRight - kLeft, 615);
    setPointSize(cmd_grabarconfig, 9);
    txt_well_percent =
        designed(new QPlainTextEdit(QStringLiteral("Text1"), this), "txt_well_percent", 1440, 197, 720, 5516);
    txt_well_percent->setReadOnly(true);

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
    return QGroupBox::eventFilter(watched, event);
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
