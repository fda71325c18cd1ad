#pragma once
// One text that the user edits in a rich edit box of the text and header/footer editors, with the
// check box that chooses between the item's default text and a text of the user's own. Typing
// anything but the default ticks the box and keeps what was typed as the user's text; typing the
// default back clears it. Ticking the box shows the user's text again, clearing it the default.
// What the editor puts into the box itself (on opening, on a click of the box) is no typing.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/gdi/SFontOld.h"
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SRichEditCtrl.h"

struct ISRptPara;

class SRptDlgTxtEditText {
public:
    SRptDlgTxtEditText(const SString& text, const SString& defaultText, int32_t userDefined)
        : m_text(text), m_defaultText(defaultText), m_userDefined(userDefined ? 1 : 0) {}

    SRichEditCtrl& GetEdit() { return m_edit; }
    SButtonCtrl& GetCheck() { return m_check; }

    // Fills the box: the default while it is chosen (only where there is a choice), else the text;
    // the check box shows the choice.
    void Show(bool choiceOffered);
    // The user changed the box's text.
    void OnEditChange();
    // The user clicked the check box.
    void OnUserDefined();
    // The user inserts `token` at the caret, which is at the end of the text.
    void Insert(const SString& token);
    // OK: the box's text and the box's state are the results.
    void Store();

    const SString& GetText() const { return m_text; }
    int32_t GetUserDef() const { return m_userDefined; }

    // Shows the text in the paragraph's font (the font kept as long as the box shows it).
    void SetFont(ISRptPara* para);
    const SFontOld* GetFont() const { return m_font.get(); }

private:
    void Put(const SString& text);

    SRichEditCtrl m_edit;
    SButtonCtrl m_check;
    SString m_text;
    SString m_defaultText;
    int32_t m_userDefined;
    SFontOldPtr m_font;
    bool m_putting = false;
};
