#pragma once
// Reading the control values of a script's answer the way the system's common dialogs read
// their controls: a number is the whole text as a decimal number; a check box or a radio button
// is checked when its value is a number other than 0.
#include <cstdint>

struct SAnswer;

class SAnswerValues {
public:
    // False (the value untouched) when the control has no value or the value is no number.
    static bool Number(const SAnswer& answer, int32_t controlId, int32_t* value);
    static bool IsChecked(const SAnswer& answer, int32_t controlId);
    // Whether the answer sets the control at all.
    static bool Has(const SAnswer& answer, int32_t controlId);
};
