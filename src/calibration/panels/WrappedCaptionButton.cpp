#include "calibration/panels/WrappedCaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappedCaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the bevel and focus only; the caption follows, wrapped
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(inside, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}
