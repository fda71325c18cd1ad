#pragma once
// A user of one modal dialog: when the dialog opens, the test's function looks at its controls
// and gives the answer (values to set, then the button to press). Installed for its own scope,
// so that the fixture's script comes back afterwards; any other prompt fails the test.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/SDlg.h"
#include "platform/ui/SWinDefs.h"
#include "varod9/SInteraction.h"

class SRptDialogUser : public SInteractionScript {
public:
    explicit SRptDialogUser(std::function<SAnswer()> act) : m_act(std::move(act)), m_scope(this) {}

    SAnswer Answer(const SPrompt& prompt) override {
        if (prompt.kind != SPrompt::Dialog) {
            ADD_FAILURE() << "unexpected prompt: " << prompt.text.c_str();
            return SAnswer();
        }
        ++dialogs;
        return m_act();
    }

    // The texts of a list box's or combo box's entries, in the order shown.
    static std::vector<std::string> Entries(SDlg& dialog, int32_t id) {
        std::vector<std::string> texts;
        SWnd* control = dialog.FindControl(id);
        if (!control) return texts;
        const bool listBox = control->GetClassName() == "LISTBOX";
        const auto count = static_cast<int32_t>(control->SendMessage(listBox ? LB_GETCOUNT : CB_GETCOUNT));
        for (int32_t i = 0; i < count; ++i) {
            std::string text(256, '\0');
            control->SendMessage(listBox ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(text.data()));
            texts.push_back(text.c_str());
        }
        return texts;
    }
    // The index of the selected entry of a list box or combo box; -1 without one.
    static int32_t Selection(SDlg& dialog, int32_t id) {
        SWnd* control = dialog.FindControl(id);
        if (!control) return -2;
        return static_cast<int32_t>(control->SendMessage(control->GetClassName() == "LISTBOX" ? LB_GETCURSEL : CB_GETCURSEL));
    }
    static SString Shown(SDlg& dialog, int32_t id) {
        SWnd* control = dialog.FindControl(id);
        return control ? control->GetWindowText() : SString("(no control)");
    }
    static SAnswer Press(int32_t button, std::map<int32_t, SString> values = {}) {
        SAnswer answer;
        answer.button = button;
        answer.controlValues = std::move(values);
        return answer;
    }

    int32_t dialogs = 0;

private:
    std::function<SAnswer()> m_act;
    SInteractionScope m_scope;
};
