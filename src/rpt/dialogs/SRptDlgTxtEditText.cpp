#include "rpt/dialogs/SRptDlgTxtEditText.h"

#include "platform/base/SMbcs.h"
#include "platform/com/SComThrow.h"
#include "varod9/ISRptPara.h"

void SRptDlgTxtEditText::Show(bool choiceOffered) {
    Put(choiceOffered && !m_userDefined ? m_defaultText : m_text);
    if (m_check.m_hWnd) m_check.SetCheck(choiceOffered && m_userDefined ? 1 : 0);
}

void SRptDlgTxtEditText::OnEditChange() {
    if (m_putting) return;
    const SString typed = m_edit.GetText();
    if (_mbscmp(typed.c_str(), m_defaultText.c_str()) != 0) {
        m_check.SetCheck(1);
        m_text = typed;
    } else {
        m_check.SetCheck(0);
    }
}

void SRptDlgTxtEditText::OnUserDefined() {
    Put(m_check.GetCheck() == 1 ? m_text : m_defaultText);
}

void SRptDlgTxtEditText::Insert(const SString& token) {
    // An insertion is the user's change of the text: the box hears it as typing.
    m_edit.SetText(m_edit.GetText() + token);
}

void SRptDlgTxtEditText::Store() {
    m_text = m_edit.GetText();
    m_userDefined = m_check.m_hWnd && m_check.GetCheck() == 1 ? 1 : 0;
}

void SRptDlgTxtEditText::SetFont(ISRptPara* para) {
    if (!para) SComThrow(E_POINTER);
    m_font = para->GetFont(nullptr);
}

void SRptDlgTxtEditText::Put(const SString& text) {
    struct Putting {
        bool& flag;
        explicit Putting(bool& f) : flag(f) { flag = true; }
        ~Putting() { flag = false; }
    } putting(m_putting);
    m_edit.SetText(text);
}
