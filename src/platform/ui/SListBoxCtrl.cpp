#include "platform/ui/SListBoxCtrl.h"

#include <string>

const SClassInfo SListBoxCtrl::classSListBoxCtrl = {"SListBoxCtrl", &SWnd::classSWnd};

SString SListBoxCtrl::GetText(int32_t index) {
    const auto length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return SString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return SString(std::move(text));
}

std::vector<int32_t> SListBoxCtrl::GetSelItems() {
    std::vector<int32_t> items(static_cast<size_t>(GetSelCount()));
    if (!items.empty())
        SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(items.size()), reinterpret_cast<LPARAM>(items.data()));
    return items;
}
