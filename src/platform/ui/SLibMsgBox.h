#pragma once
// Message boxes: an error, a warning, or a yes/no question, on a parent window with a caption.
#include "platform/ui/SWnd.h"
#include "varod9/SInteraction.h"

class SLibMsgBox {
public:
    SLibMsgBox(SWnd* parent, const char* caption) : m_parent(parent), m_caption(caption) {}

    void Error(const SString& text) const { Show(text, SPrompt::Error); }
    void Warning(const SString& text) const { Show(text, SPrompt::Warning); }
    void Information(const SString& text) const { Show(text, SPrompt::Information); }
    // 1 for yes, 0 for no. `defaultNo` non-zero makes no the default button.
    int32_t ConfirmYesNo(const SString& text, int32_t defaultNo = 0) const;

    SWnd* GetParent() const { return m_parent; }
    const SString& GetCaption() const { return m_caption; }

private:
    void Show(const SString& text, SPrompt::Style style) const;

    SWnd* m_parent;
    SString m_caption;
};
