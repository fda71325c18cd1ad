#include "rpt/objs/reports/SRptHeaderFooterPrompt.h"

#include "platform/base/SMbcs.h"
#include "platform/ui/SInteraction.h"
#include "rpt/objs/items/SRptItemEditor.h"

namespace {

const SString* ControlValue(const SAnswer& answer, int32_t controlId) {
    const auto it = answer.controlValues.find(controlId);
    return it == answer.controlValues.end() ? nullptr : &it->second;
}

}  // namespace

SRptHeaderFooterPrompt::SRptHeaderFooterPrompt(const SString& header, const SString& footer,
                                               const SString& defaultHeader, const SString& defaultFooter,
                                               int32_t headUserDef, int32_t footUserDef)
    : m_header{header, defaultHeader, headUserDef ? 1 : 0}, m_footer{footer, defaultFooter, footUserDef ? 1 : 0} {}

int32_t SRptHeaderFooterPrompt::DoModal() {
    SPrompt prompt;
    prompt.kind = SPrompt::Dialog;
    prompt.caption = "Header and Footer";
    prompt.text = SString::FromInt(IDD_RPT_HEADER_FOOTER);
    const SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK) return IDCANCEL;
    Apply(answer, IDC_RPT_HEADER_TEXT, IDC_RPT_HEADER_USERDEF, m_header);
    Apply(answer, IDC_RPT_FOOTER_TEXT, IDC_RPT_FOOTER_USERDEF, m_footer);
    return IDOK;
}

void SRptHeaderFooterPrompt::Apply(const SAnswer& answer, int32_t textId, int32_t checkId, SEditedText& edited) {
    // The edit opens on the user's own text, or on the default while that is chosen.
    SString shown = edited.userDefined ? edited.text : edited.defaultText;
    if (const SString* typed = ControlValue(answer, textId)) {
        shown = *typed;
        edited.userDefined = _mbscmp(shown.c_str(), edited.defaultText.c_str()) != 0 ? 1 : 0;
        if (edited.userDefined) edited.text = shown;
    }
    if (const SString* checked = ControlValue(answer, checkId)) {
        const int32_t userDefined = checked->ToInt() != 0 ? 1 : 0;
        if (userDefined != edited.userDefined) {
            edited.userDefined = userDefined;
            shown = userDefined ? edited.text : edited.defaultText;
        }
    }
    // OK takes the text the edit shows.
    edited.text = shown;
}
