#include "ui/WheelNeedsFocus.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

class WheelFocusGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto* box = qobject_cast<QWidget*>(watched);
            if (box && !box->hasFocus()) {
                // Ignored, the wheel travels on to the box's parents.
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void wheelNeedsFocus(QWidget* box)
{
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new WheelFocusGuard(box));
}

void wheelNeedsFocusWithin(QWidget* panel)
{
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        wheelNeedsFocus(box);
    for (QAbstractSpinBox* box : panel->findChildren<QAbstractSpinBox*>())
        wheelNeedsFocus(box);
}
