#pragma once
// The form's interface, as far as the paragraphs need it: a paragraph asks its owner for it to
// know that the owner is a form, whose label and text paragraphs (positions 1 and 2) keep their
// box and text-to-border spacing in step. The form's own operations, and its place below the
// table's interface, come with the form item itself.
#include "varod9/ISRptParaContainer.h"

struct ISRptForm : virtual ISRptParaContainer {
    static constexpr GUID iid = MakeGUID("{E5E95710-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptParaContainer;

protected:
    ~ISRptForm() = default;
};

inline constexpr IID IID_ISRptForm = ISRptForm::iid;
