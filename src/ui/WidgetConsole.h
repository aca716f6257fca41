#pragma once

#include "core/Console.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A window's console bound to its own controls; any of them may be absent.
class WidgetConsole final : public Console {
public:
    WidgetConsole(QLineEdit* status, QPlainTextEdit* comm, QLabel* lenRx)
        : status_(status), comm_(comm), lenRx_(lenRx) {}
    void setStatus(const QString& text) override;
    QString status() const override;
    void setCommText(const QString& text) override;
    QString commText() const override;
    void setLenRx(const QString& text, const QColor& colour) override;
    QString lenRx() const override;
    QColor lenRxColour() const override;

private:
    QLineEdit* status_;
    QPlainTextEdit* comm_;
    QLabel* lenRx_;
};
