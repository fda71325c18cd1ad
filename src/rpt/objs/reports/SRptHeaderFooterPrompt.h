#pragma once
// The "Header and Footer" dialog of a template as the interaction script answers it until the
// editor gives its own: a Dialog prompt captioned "Header and Footer" with the dialog's id (228).
// The answer's control values are what the user did in the dialog: a text typed into the header
// edit (IDC_RPT_HEADER_TEXT) or the footer edit (IDC_RPT_FOOTER_TEXT), and the state the
// "User Defined Header" and "User Defined Footer" boxes were left in. As in the dialog, typing a
// text other than the default ticks the box (typing the default clears it), and switching a box
// shows the user's own text again, or the default. At OK each edit's text and each box's state
// are the results.
#include <cstdint>

#include "platform/base/SString.h"

struct SAnswer;

class SRptHeaderFooterPrompt {
public:
    // `header` and `footer` are the texts as the template shows them, the defaults those of its
    // report; a non-zero flag says that the text is the user's own.
    SRptHeaderFooterPrompt(const SString& header, const SString& footer, const SString& defaultHeader,
                           const SString& defaultFooter, int32_t headUserDef, int32_t footUserDef);

    // IDOK with the results, or IDCANCEL with the texts and flags as they were given.
    int32_t DoModal();

    const SString& GetHeaderText() const { return m_header.text; }
    const SString& GetFooterText() const { return m_footer.text; }
    int32_t GetHeadUserDef() const { return m_header.userDefined; }
    int32_t GetFootUserDef() const { return m_footer.userDefined; }

private:
    // One of the two texts with its edit and its check box.
    struct SEditedText {
        SString text;
        SString defaultText;
        int32_t userDefined = 0;
    };
    // What the user did to one text, as the answer tells it.
    static void Apply(const SAnswer& answer, int32_t textId, int32_t checkId, SEditedText& edited);

    SEditedText m_header;
    SEditedText m_footer;
};
