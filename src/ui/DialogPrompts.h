#pragma once

#include "core/Prompts.h"

class QWidget;

// Prompts shown as real dialogs over a parent window.
class DialogPrompts final : public Prompts {
public:
    explicit DialogPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void message(const QString& text, const QString& title = QString()) override;
    PromptAnswer question(const QString& text, PromptButtons buttons = PromptButtons::YesNo,
                          const QString& title = QString()) override;
    QString input(const QString& prompt, const QString& title = QString(),
                  const QString& defaultText = QString()) override;

private:
    QWidget* parent_;
};
