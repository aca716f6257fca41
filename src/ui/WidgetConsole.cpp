#include "ui/WidgetConsole.h"

#include "ui/DesignedPlaces.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void WidgetConsole::setStatus(const QString& text)
{
    if (status_) {
        status_->setText(text);
        status_->repaint();
    }
}

QString WidgetConsole::status() const { return status_ ? status_->text() : QString(); }

void WidgetConsole::setCommText(const QString& text)
{
    if (comm_) {
        comm_->setPlainText(text);
        comm_->repaint();
    }
}

QString WidgetConsole::commText() const { return comm_ ? comm_->toPlainText() : QString(); }

void WidgetConsole::setLenRx(const QString& text, const QColor& colour)
{
    if (lenRx_) {
        lenRx_->setText(text);
        QPalette p = lenRx_->palette();
        p.setColor(QPalette::WindowText, colour);
        lenRx_->setPalette(p);
        // The frame summary is longer than the designed caption: all of it shows.
        growToText(lenRx_);
        lenRx_->repaint();
    }
}

QString WidgetConsole::lenRx() const { return lenRx_ ? lenRx_->text() : QString(); }

QColor WidgetConsole::lenRxColour() const
{
    return lenRx_ ? lenRx_->palette().color(QPalette::WindowText) : QColor(Qt::black);
}
