#pragma once
// What a format page showed in its controls when it last loaded the paragraphs: the text of an
// edit or a list, the state of a check box. A page writes back only the values the user changed
// since, so that a value the page can only show rounded (a length in points or inches, a width
// between two steps) is not replaced by its rounded form when the user did not touch it.
#include <cstdint>
#include <initializer_list>
#include <map>

#include "platform/base/SString.h"

class SDlg;

class SRptDlgShownValues {
public:
    // Remembers the current value of each control of `ids`, forgetting earlier ones.
    void Record(const SDlg& page, std::initializer_list<int32_t> ids);
    // True when the control's value differs from the one remembered (a control not remembered
    // counts as changed).
    bool Changed(const SDlg& page, int32_t id) const;
    // The value of a control as it is compared: a check box's state, another control's text.
    static SString ValueOf(const SDlg& page, int32_t id);

private:
    std::map<int32_t, SString> m_values;
};
