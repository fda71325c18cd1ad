#pragma once
// Fixture for tests that meet prompts: installs a scripted interaction, and fails the test on an
// unscripted prompt or an expectation left unmet.
#include <gtest/gtest.h>

#include "platform/ui/SScriptedInteraction.h"

class ScriptedInteractionTest : public testing::Test {
protected:
    void SetUp() override {
        SInteraction::ClearTranscript();
        m_previous = SInteraction::SetScript(&script);
    }
    void TearDown() override {
        SInteraction::SetScript(m_previous);
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
    }
    const std::vector<SPrompt>& Transcript() const { return SInteraction::GetTranscript(); }

    SScriptedInteraction script;

private:
    SInteractionScript* m_previous = nullptr;
};
