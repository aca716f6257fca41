#include "support/ScriptedPrompts.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The script every test's boxes run on: what it records, and that it holds a
// test to its script.
namespace {

TEST(ScriptedPrompts, AnswersFromTheScriptAndRecordsEveryBox)
{
    ScriptedPrompts prompts;
    prompts.strict = false; // the answers given when the script has run out
    prompts.answers.push_back(PromptAnswer::Yes);
    prompts.inputs.push_back(QStringLiteral("4"));
    EXPECT_EQ(prompts.question(QStringLiteral("Change?")), PromptAnswer::Yes);
    EXPECT_EQ(prompts.question(QStringLiteral("Again?")), PromptAnswer::No);
    EXPECT_EQ(prompts.question(QStringLiteral("Save?"), PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(prompts.input(QStringLiteral("Port?")), QStringLiteral("4"));
    EXPECT_EQ(prompts.input(QStringLiteral("Port?")), QString());
    prompts.message(QStringLiteral("done"));
    EXPECT_EQ(prompts.questions, (QStringList{"Change?", "Again?", "Save?"}));
    EXPECT_EQ(prompts.inputPrompts, (QStringList{"Port?", "Port?"}));
    EXPECT_EQ(prompts.messages, QStringList{"done"});
}

void unscriptedQuestion()
{
    ScriptedPrompts p;
    p.question(QStringLiteral("Go on?"));
}
void unscriptedInput()
{
    ScriptedPrompts p;
    p.input(QStringLiteral("Port?"));
}
void answerNeverUsed()
{
    ScriptedPrompts p;
    p.answers = {PromptAnswer::Yes};
}
void inputNeverUsed()
{
    ScriptedPrompts p;
    p.inputs = {QStringLiteral("4")};
}
void messageNeverLookedAt()
{
    ScriptedPrompts p;
    p.message(QStringLiteral("done"));
}
void messageAfterTheLastLook()
{
    ScriptedPrompts p;
    p.message(QStringLiteral("first"));
    EXPECT_EQ(p.messages.size(), 1);
    p.message(QStringLiteral("second"));
}

TEST(ScriptedPrompts, WhatTheScriptDidNotFosterFailsTheTest)
{
    const struct {
        void (*run)();
        const char* failure;
    } cases[] = {
        {unscriptedQuestion, "unscripted question: Go on?"},
        {unscriptedInput, "unscripted input: Port?"},
        {answerNeverUsed, "scripted answer never used"},
        {inputNeverUsed, "scripted input never used: 4"},
        {messageNeverLookedAt, "message nobody looked at: done"},
        {messageAfterTheLastLook, "message nobody looked at: second"},
    };
    for (const auto& c : cases)
        EXPECT_NONFATAL_FAILURE(c.run(), c.failure);
}

TEST(ScriptedPrompts, AScriptPlayedToTheEndPasses)
{
    ScriptedPrompts p;
    p.answers = {PromptAnswer::No};
    p.inputs = {QStringLiteral("4")};
    EXPECT_EQ(p.question(QStringLiteral("Go on?")), PromptAnswer::No);
    EXPECT_EQ(p.input(QStringLiteral("Port?")), QStringLiteral("4"));
    p.message(QStringLiteral("done"));
    EXPECT_TRUE(p.messages.contains(QStringLiteral("done")));
    p.message(QStringLiteral("dropped"));
    p.messages.clear(); // a test may also throw away what it does not care for
}

} // namespace
