#include "support/ScriptedPrompts.h"

#include <functional>

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

TEST(ScriptedPrompts, WhatTheScriptDidNotFosterFailsTheTest)
{
    // Each case plays a script of its own, which fails when it goes.
    const struct {
        std::function<void(ScriptedPrompts&)> play;
        const char* failure;
    } cases[] = {
        {[](ScriptedPrompts& p) { p.question(QStringLiteral("Go on?")); }, "unscripted question: Go on?"},
        {[](ScriptedPrompts& p) { p.input(QStringLiteral("Port?")); }, "unscripted input: Port?"},
        {[](ScriptedPrompts& p) { p.answers = {PromptAnswer::Yes}; }, "scripted answer never used"},
        {[](ScriptedPrompts& p) { p.inputs = {QStringLiteral("4")}; }, "scripted input never used: 4"},
        {[](ScriptedPrompts& p) { p.message(QStringLiteral("done")); }, "message nobody looked at: done"},
        {[](ScriptedPrompts& p) {
             p.message(QStringLiteral("first"));
             EXPECT_EQ(p.messages.size(), 1);
             p.message(QStringLiteral("second"));
         },
         "message nobody looked at: second"},
        {[](ScriptedPrompts& p) {
             p.message(QStringLiteral("dropped"));
             p.messages.clear();
         },
         "message nobody looked at: dropped"},
    };
    for (const auto& c : cases)
        EXPECT_NONFATAL_FAILURE(
            {
                ScriptedPrompts p;
                c.play(p);
            },
            c.failure);
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
    p.messages.clear(); // what was looked at may go
    p.message(QStringLiteral("again"));
    EXPECT_EQ(p.messages, QStringList{"again"});
}

} // namespace
