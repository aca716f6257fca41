#pragma once

#include <QString>

// The answers a question box can give.
enum class PromptAnswer { Ok, Yes, No, Cancel };

enum class PromptButtons { YesNo, YesNoCancel, OkCancel };

// Message, question and input boxes. Windows use dialogs; tests use a script.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void message(const QString& text, const QString& title = QString()) = 0;
    virtual PromptAnswer question(const QString& text, PromptButtons buttons = PromptButtons::YesNo,
                                  const QString& title = QString()) = 0;
    // The typed text; empty when the box is cancelled.
    virtual QString input(const QString& prompt, const QString& title = QString(),
                          const QString& defaultText = QString()) = 0;
};
