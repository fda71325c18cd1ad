#pragma once
// A fixture of the library's dialogs around another fixture: a scripted interaction installed for
// the test, which fails on a prompt it did not script or an expectation left unmet.
#include <gtest/gtest.h>

#include "platform/ui/SScriptedInteraction.h"

template <class Base>
class SRptScriptedDialogFixture : public Base {
protected:
    void SetUp() override {
        Base::SetUp();
        SInteraction::ClearTranscript();
        m_previous = SInteraction::SetScript(&script);
    }
    void TearDown() override {
        SInteraction::SetScript(m_previous);
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        Base::TearDown();
    }

    SScriptedInteraction script;

private:
    SInteractionScript* m_previous = nullptr;
};
