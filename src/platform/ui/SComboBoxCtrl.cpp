#include "platform/ui/SComboBoxCtrl.h"

#include <string>

SString SComboBoxCtrl::GetLBText(int32_t index) {
    const auto length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return SString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return SString(std::move(text));
}
