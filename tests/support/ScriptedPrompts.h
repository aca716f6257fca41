#pragma once

#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

// The prompts of a test, held to their script: a question or input nobody
// scripted, an answer or input never used and a message the test never looked
// at each fail the test. A test that means to let some of that pass says so
// with `strict = false`.
class ScriptedPrompts final : public RecordingPrompts {
public:
    ~ScriptedPrompts() override
    {
        if (!strict)
            return;
        for (const PromptAnswer a : answers)
            ADD_FAILURE() << "scripted answer never used: " << static_cast<int>(a);
        for (const QString& t : inputs)
            ADD_FAILURE() << "scripted input never used: " << t.toStdString();
        for (const QString& t : messages.unseen())
            ADD_FAILURE() << "message nobody looked at: " << t.toStdString();
    }

    bool strict = true;

protected:
    void unscripted(const QString& kind, const QString& text) override
    {
        if (strict)
            ADD_FAILURE() << "unscripted " << kind.toStdString() << ": " << text.toStdString();
    }
};
