#include "platform/ui/SAnswerValues.h"

#include <charconv>
#include <cstring>

#include "varod9/SInteraction.h"

bool SAnswerValues::Number(const SAnswer& answer, int32_t controlId, int32_t* value) {
    const auto it = answer.controlValues.find(controlId);
    if (it == answer.controlValues.end()) return false;
    const char* text = it->second.c_str();
    const char* end = text + std::strlen(text);
    int32_t number = 0;
    const auto [stop, error] = std::from_chars(text, end, number);
    if (error != std::errc() || stop != end || stop == text) return false;
    *value = number;
    return true;
}

bool SAnswerValues::IsChecked(const SAnswer& answer, int32_t controlId) {
    int32_t value = 0;
    return Number(answer, controlId, &value) && value != 0;
}

bool SAnswerValues::Has(const SAnswer& answer, int32_t controlId) {
    return answer.controlValues.count(controlId) != 0;
}
