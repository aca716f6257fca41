#pragma once

#include "core/Prompts.h"
#include "support/ShownTexts.h"

#include <QStringList>
#include <deque>

// Answers boxes from a script and records every text shown. An unscripted
// question answers No (Cancel for three buttons); an unscripted input is empty.
class RecordingPrompts : public Prompts {
public:
    void message(const QString& text, const QString& = QString()) override { messages << text; }

    PromptAnswer question(const QString& text, PromptButtons buttons = PromptButtons::YesNo,
                          const QString& = QString()) override
    {
        questions << text;
        if (!answers.empty()) {
            const PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        unscripted(QStringLiteral("question"), text);
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }

    QString input(const QString& prompt, const QString& = QString(), const QString& = QString()) override
    {
        inputPrompts << prompt;
        if (inputs.empty()) {
            unscripted(QStringLiteral("input"), prompt);
            return QString();
        }
        const QString t = inputs.front();
        inputs.pop_front();
        return t;
    }

    std::deque<PromptAnswer> answers;
    std::deque<QString> inputs;
    ShownTexts messages;
    QStringList questions;
    QStringList inputPrompts;

protected:
    virtual void unscripted(const QString& /*kind*/, const QString& /*text*/) {}
};
