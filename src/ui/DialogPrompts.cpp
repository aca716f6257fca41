#include "ui/DialogPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

static QString titleOr(const QString& title)
{
    return title.isEmpty() ? QApplication::applicationName() : title;
}

void DialogPrompts::message(const QString& text, const QString& title)
{
    QMessageBox::information(parent_, titleOr(title), text);
}

PromptAnswer DialogPrompts::question(const QString& text, PromptButtons buttons, const QString& title)
{
    QMessageBox::StandardButtons b = QMessageBox::Yes | QMessageBox::No;
    if (buttons == PromptButtons::YesNoCancel)
        b |= QMessageBox::Cancel;
    else if (buttons == PromptButtons::OkCancel)
        b = QMessageBox::Ok | QMessageBox::Cancel;
    switch (QMessageBox::question(parent_, titleOr(title), text, b)) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default: return PromptAnswer::Cancel;
    }
}

QString DialogPrompts::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, titleOr(title), prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}
