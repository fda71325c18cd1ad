#pragma once
// The user of the text and header/footer editors: acts on the dialog when it opens and answers
// its button, and picks commands from the popup menus it is shown, noting each menu's entries.
// Any other prompt fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/SDlg.h"
#include "platform/ui/SMenu.h"
#include "platform/ui/SWinDefs.h"
#include "varod9/SInteraction.h"

class SRptDlgUserScript : public SInteractionScript {
public:
    using Entries = std::vector<std::pair<uint32_t, std::string>>;

    explicit SRptDlgUserScript(std::function<int32_t()> act) : m_act(std::move(act)), m_previous(SInteraction::SetScript(this)) {}
    ~SRptDlgUserScript() override {
        SInteraction::SetScript(m_previous);
        EXPECT_TRUE(choices.empty()) << "menu choices left over";
    }

    SAnswer Answer(const SPrompt& prompt) override {
        SAnswer answer;
        if (prompt.kind == SPrompt::Dialog) {
            answer.button = m_act();
        } else if (prompt.kind == SPrompt::Menu) {
            const auto menu = static_cast<HMENU>(prompt.text.ToInt());
            Entries entries;
            for (int32_t i = 0; i < GetMenuItemCount(menu); ++i)
                entries.emplace_back(GetMenuItemID(menu, i), GetMenuItemText(menu, i).c_str());
            menus.push_back(entries);
            EXPECT_FALSE(choices.empty()) << "a menu that was not expected";
            if (!choices.empty()) {
                answer.button = static_cast<int32_t>(choices.front());
                choices.pop_front();
            }
        } else {
            ADD_FAILURE() << "unexpected prompt " << prompt.caption.c_str() << ": " << prompt.text.c_str();
        }
        return answer;
    }

    // The commands to choose from the menus to come, in order (0: none).
    std::deque<uint32_t> choices;
    // The entries of every menu shown, in order.
    std::vector<Entries> menus;

private:
    std::function<int32_t()> m_act;
    SInteractionScript* m_previous;
};

namespace stest_dlg_user {
// What the user does to a control of the dialog (a text, a box's state, a tab, a press),
// and what a control shows.
inline void Set(SDlg& dialog, int32_t id, const char* value) {
    ASSERT_NE(dialog.FindControl(id), nullptr) << id;
    dialog.FindControl(id)->SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(value));
}
inline SString Shown(SDlg& dialog, int32_t id) { return dialog.FindControl(id)->GetWindowText(); }
inline int32_t Checked(SDlg& dialog, int32_t id) {
    return static_cast<int32_t>(dialog.FindControl(id)->SendMessage(BM_GETCHECK));
}
inline bool Visible(SDlg& dialog, int32_t id) { return dialog.FindControl(id)->IsWindowVisible(); }
}  // namespace stest_dlg_user
