#include "calibration/panels/frameblank.h"

#include "ui/DesignedPlaces.h"

#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
// The window's column and row units at its designed 12000 x 9000 twips; the
// window's layout rule places the panel and its controls again on every resize.
constexpr double C = 1800;
constexpr double R = 394;
} // namespace

frameblank::frameblank(QWidget* parent) : QGroupBox(QStringLiteral("Blank Measurement"), parent)
{
    setObjectName(QStringLiteral("frameblank"));
    setPointSize(this, 8.25); // the controls' size where none is named
    // Not a fixed size: the layout rule sizes this panel with the window.
    resize(twipsToPixels(2.7 * C), twipsToPixels(7.25 * R));

    lblblankname = designed(new QLabel(QStringLiteral("Name:"), this), "lblblankname", 0.5 * C, R, 0.5 * C, R);
    txt_blankname = designed(new QLineEdit(QStringLiteral("myblank"), this), "txt_blankname", C, R, 1.5 * C, R);
    lbl_timeblank = designed(new QLabel(QStringLiteral("Acq lapse[m]:"), this), "lbl_timeblank", 0.5 * C, 2.2 * R,
                             0.5 * C, R);
    lbl_timeblank->setWordWrap(true); // two lines when the column is narrow
    txt_blanklapse = designed(new QLineEdit(QStringLiteral("60"), this), "txt_blanklapse", C, 2.2 * R, 0.5 * C, R);
    lst_blank = designed(new QListWidget(this), "lst_blank", 0.5 * C, 0.5 * R, 1.75 * C, 4 * R);
    lbl_blankdescription = designed(new QLabel(this), "lbl_blankdescription", 0.5 * C, 4.5 * R, 1.75 * C, R);
    cmd_okblank = designed(new QPushButton(QStringLiteral("Start"), this), "cmd_okblank", 0.5 * C, 5.75 * R, C, R);
    cmd_cancelblank =
        designed(new QPushButton(QStringLiteral("Cancel"), this), "cmd_cancelblank", 1.5 * C, 5.75 * R, C, R);

    connect(cmd_okblank, &QPushButton::clicked, this, [this] { emit startClicked(); });
    connect(cmd_cancelblank, &QPushButton::clicked, this, [this] { emit cancelClicked(); });
    connect(lst_blank, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        lst_blank->setCurrentItem(item);
        emit storedBlankDoubleClicked(lst_blank->row(item), item->text());
    });
    connect(lst_blank, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit storedBlankClicked(lst_blank->row(item), item->text()); });
    lst_blank->viewport()->installEventFilter(this);

    showFields();
    hide(); // "Read Blank" or a double click on the blank's date shows it
}

void frameblank::showList()
{
    lblblankname->hide();
    txt_blankname->hide();
    lbl_timeblank->hide();
    txt_blanklapse->hide();
    cmd_okblank->hide();
    lst_blank->show();
    lbl_blankdescription->show(); // it keeps its last text until an entry is clicked
}

void frameblank::showFields()
{
    lst_blank->hide();
    lbl_blankdescription->hide();
    lblblankname->show();
    txt_blankname->show();
    lbl_timeblank->show();
    txt_blanklapse->show();
    cmd_okblank->show();
}

bool frameblank::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lst_blank->viewport()) {
        auto* mouse = dynamic_cast<QMouseEvent*>(event);
        // The pop-up acts on the entry selected before: a right press selects nothing.
        if (mouse && mouse->button() == Qt::RightButton && event->type() == QEvent::MouseButtonPress)
            return true;
        if (mouse && event->type() == QEvent::MouseButtonRelease) {
            emit listMouseUp(mouse->button(), mouse->globalPosition().toPoint());
            return mouse->button() == Qt::RightButton;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
