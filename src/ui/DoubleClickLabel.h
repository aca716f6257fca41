#pragma once

#include <QLabel>

// A label that reports a double click, as the blank date in the command column does.
class DoubleClickLabel : public QLabel {
    Q_OBJECT
public:
    DoubleClickLabel(const char* name, const QString& text, QWidget* parent);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
