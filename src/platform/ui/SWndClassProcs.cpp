#include "platform/ui/SWndClassProcs.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/SWnd.h"
#include "platform/ui/SWndSystem.h"

namespace {
constexpr int32_t kItemHeight = 16;

bool StartsWithNoCase(const SString& text, const char* prefix) {
    size_t n = std::strlen(prefix);
    if (static_cast<size_t>(text.GetLength()) < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char a = text.c_str()[i], b = prefix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

bool EqualsNoCase(const SString& text, const char* other) {
    return static_cast<size_t>(text.GetLength()) == std::strlen(other) && StartsWithNoCase(text, other);
}

bool IsMultiSelect(const SWndState& state) {
    return (state.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void SelectOnly(SWndState& state, int32_t index) {
    std::fill(state.selected.begin(), state.selected.end(), 0);
    if (index >= 0 && index < static_cast<int32_t>(state.selected.size())) state.selected[index] = 1;
    state.curSel = index;
    if (index >= 0) state.caret = index;
}
}  // namespace

LRESULT SWndClassProcs::Call(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    const SString& cls = state.className;
    if (cls == "BUTTON") return Button(state, message, wParam, lParam);
    if (cls == "EDIT" || cls.view().starts_with("RICHEDIT")) return Edit(state, message, wParam, lParam);
    if (cls == "COMBOBOX") return ComboBox(state, message, wParam, lParam);
    if (cls == "LISTBOX") return ListBox(state, message, wParam, lParam);
    return Generic(state, message, wParam, lParam);
}

LRESULT SWndClassProcs::Generic(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        state.text = reinterpret_cast<const char*>(lParam);
        return 1;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || wParam == 0) return 0;
        size_t n = std::min<size_t>(wParam - 1, static_cast<size_t>(state.text.GetLength()));
        std::memcpy(buffer, state.text.c_str(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return state.text.GetLength();
    case WM_CLOSE:
        if (SWnd* wnd = SWnd::FromHandle(state.hwnd)) wnd->DestroyWindow();
        return 0;
    case SWM_USERVALUE:
        state.text = reinterpret_cast<const char*>(lParam);
        return 1;
    default:
        return 0;
    }
}

void SWndClassProcs::NotifyParent(const SWndState& state, int32_t code) {
    if (!state.parent) return;
    SendMessageA(state.parent, WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(state.id), static_cast<uint16_t>(code)),
                      static_cast<LPARAM>(state.hwnd));
}

void SWndClassProcs::ClickButton(SWndState& state) {
    const uint32_t type = state.style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) state.check = state.check ? 0 : 1;
    if (type == BS_AUTO3STATE) state.check = (state.check + 1) % 3;
    if (type == BS_AUTORADIOBUTTON && state.parent) {
        // The radio buttons of a group: from the nearest sibling that starts a group to the next.
        SWndState* parent = SWndSystem::Find(state.parent);
        const auto& siblings = parent->children;
        auto self = std::find(siblings.begin(), siblings.end(), state.hwnd);
        auto first = self;
        while (first != siblings.begin() && !(SWndSystem::Find(*first)->style & WS_GROUP)) --first;
        for (auto it = first; it != siblings.end(); ++it) {
            SWndState* sibling = SWndSystem::Find(*it);
            if (it != first && (sibling->style & WS_GROUP)) break;
            if (sibling->className == "BUTTON" && (sibling->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) sibling->check = 0;
        }
        state.check = 1;
    }
    NotifyParent(state, BN_CLICKED);
}

LRESULT SWndClassProcs::Button(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return state.check;
    case BM_SETCHECK:
        state.check = static_cast<int32_t>(wParam);
        return 0;
    case BM_CLICK:
        if (state.enabled) ClickButton(state);
        return 0;
    case SWM_USERVALUE: {
        const int32_t wanted = SString(reinterpret_cast<const char*>(lParam)).ToInt();
        const uint32_t type = state.style & BS_TYPEMASK;
        const bool checkable = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                               type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        if (!checkable) {
            // A push button: any value other than 0 presses it.
            if (wanted && state.enabled) ClickButton(state);
            return 1;
        }
        // A user clicks until the box shows the wanted state; a box whose handler does not change
        // it is clicked once.
        for (int32_t clicks = 0; clicks < 3 && state.check != wanted && state.enabled; ++clicks) {
            const int32_t before = state.check;
            ClickButton(state);
            if (state.check == before) break;
        }
        return 1;
    }
    default:
        return Generic(state, message, wParam, lParam);
    }
}

LRESULT SWndClassProcs::Edit(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT || message == SWM_USERVALUE) {
        state.text = reinterpret_cast<const char*>(lParam);
        NotifyParent(state, EN_UPDATE);
        NotifyParent(state, EN_CHANGE);
        return 1;
    }
    return Generic(state, message, wParam, lParam);
}

bool SWndClassProcs::Items(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam, bool listBox,
                           LRESULT* result) {
    auto count = static_cast<int32_t>(state.items.size());
    auto valid = [&](WPARAM index) { return static_cast<int32_t>(index) >= 0 && static_cast<int32_t>(index) < count; };
    auto insert = [&](int32_t at, const char* text) {
        if (at < 0 || at > count) at = count;
        state.items.insert(state.items.begin() + at, SString(text));
        state.itemData.insert(state.itemData.begin() + at, 0);
        state.selected.insert(state.selected.begin() + at, 0);
        if (state.curSel >= at) ++state.curSel;
        return at;
    };
    const bool sorted = listBox ? (state.style & LBS_SORT) != 0 : (state.style & CBS_SORT) != 0;
    const uint32_t base = listBox ? LB_ADDSTRING : CB_ADDSTRING;
    if (message == base) {
        const char* text = reinterpret_cast<const char*>(lParam);
        int32_t at = count;
        if (sorted) {
            at = 0;
            while (at < count && std::strcmp(state.items[at].c_str(), text) <= 0) ++at;
        }
        *result = insert(at, text);
        return true;
    }
    const uint32_t insertMsg = listBox ? LB_INSERTSTRING : CB_INSERTSTRING;
    const uint32_t deleteMsg = listBox ? LB_DELETESTRING : CB_DELETESTRING;
    const uint32_t resetMsg = listBox ? LB_RESETCONTENT : CB_RESETCONTENT;
    const uint32_t countMsg = listBox ? LB_GETCOUNT : CB_GETCOUNT;
    const uint32_t textMsg = listBox ? LB_GETTEXT : CB_GETLBTEXT;
    const uint32_t textLenMsg = listBox ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    const uint32_t setDataMsg = listBox ? LB_SETITEMDATA : CB_SETITEMDATA;
    const uint32_t getDataMsg = listBox ? LB_GETITEMDATA : CB_GETITEMDATA;
    const uint32_t findMsg = listBox ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT;
    const uint32_t selectMsg = listBox ? LB_SELECTSTRING : CB_SELECTSTRING;
    if (message == insertMsg) {
        *result = insert(static_cast<int32_t>(wParam), reinterpret_cast<const char*>(lParam));
    } else if (message == deleteMsg) {
        if (!valid(wParam)) {
            *result = -1;
            return true;
        }
        state.items.erase(state.items.begin() + static_cast<int32_t>(wParam));
        state.itemData.erase(state.itemData.begin() + static_cast<int32_t>(wParam));
        state.selected.erase(state.selected.begin() + static_cast<int32_t>(wParam));
        if (state.curSel == static_cast<int32_t>(wParam)) state.curSel = -1;
        else if (state.curSel > static_cast<int32_t>(wParam)) --state.curSel;
        *result = count - 1;
    } else if (message == resetMsg) {
        state.items.clear();
        state.itemData.clear();
        state.selected.clear();
        state.curSel = -1;
        state.caret = 0;
        *result = 0;
    } else if (message == countMsg) {
        *result = count;
    } else if (message == textMsg) {
        if (!valid(wParam)) {
            *result = -1;
            return true;
        }
        const SString& text = state.items[wParam];
        if (auto* buffer = reinterpret_cast<char*>(lParam)) std::memcpy(buffer, text.c_str(), text.GetLength() + 1);
        *result = text.GetLength();
    } else if (message == textLenMsg) {
        *result = valid(wParam) ? state.items[wParam].GetLength() : -1;
    } else if (message == setDataMsg) {
        if (!valid(wParam)) {
            *result = -1;
            return true;
        }
        state.itemData[wParam] = static_cast<uintptr_t>(lParam);
        *result = 0;
    } else if (message == getDataMsg) {
        *result = valid(wParam) ? static_cast<LRESULT>(state.itemData[wParam]) : -1;
    } else if (message == findMsg || message == selectMsg) {
        const char* text = reinterpret_cast<const char*>(lParam);
        const int32_t start = static_cast<int32_t>(wParam);
        *result = -1;
        for (int32_t n = 0; n < count; ++n) {
            const int32_t i = (start + 1 + n + count) % count;
            const bool match = message == findMsg ? EqualsNoCase(state.items[i], text) : StartsWithNoCase(state.items[i], text);
            if (match) {
                *result = i;
                break;
            }
        }
        if (message == selectMsg && *result >= 0) {
            SelectOnly(state, static_cast<int32_t>(*result));
            if (!listBox) state.text = state.items[*result];
        }
    } else {
        return false;
    }
    return true;
}

LRESULT SWndClassProcs::ComboBox(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Items(state, message, wParam, lParam, false, &result)) return result;
    switch (message) {
    case CB_GETCURSEL:
        return state.curSel;
    case CB_SETCURSEL: {
        const auto index = static_cast<int32_t>(wParam);
        if (index < 0 || index >= static_cast<int32_t>(state.items.size())) {
            state.curSel = -1;
            state.text.Empty();
            return CB_ERR;
        }
        state.curSel = index;
        state.text = state.items[index];
        return index;
    }
    case WM_SETTEXT:
        state.text = reinterpret_cast<const char*>(lParam);
        return 1;
    case SWM_USERVALUE: {
        const char* text = reinterpret_cast<const char*>(lParam);
        int32_t found = -1;
        for (size_t i = 0; i < state.items.size(); ++i)
            if (state.items[i] == text) found = static_cast<int32_t>(i);
        if (found >= 0) {
            state.curSel = found;
            state.text = state.items[found];
            NotifyParent(state, CBN_SELCHANGE);
        } else if ((state.style & 0x3) == CBS_DROPDOWN) {
            state.curSel = -1;
            state.text = text;
            NotifyParent(state, CBN_EDITCHANGE);
        }
        return found >= 0 ? 1 : 0;
    }
    default:
        return Generic(state, message, wParam, lParam);
    }
}

LRESULT SWndClassProcs::ListBox(SWndState& state, uint32_t message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Items(state, message, wParam, lParam, true, &result)) return result;
    const auto count = static_cast<int32_t>(state.items.size());
    auto userSelect = [&](int32_t index, bool toggle) {
        if (index < 0 || index >= count) return;
        if (IsMultiSelect(state) && toggle) {
            state.selected[index] = state.selected[index] ? 0 : 1;
            state.caret = index;
        } else {
            SelectOnly(state, index);
        }
        if (state.style & LBS_NOTIFY) NotifyParent(state, LBN_SELCHANGE);
    };
    switch (message) {
    case LB_GETCURSEL:
        return IsMultiSelect(state) ? state.caret : state.curSel;
    case LB_SETCURSEL: {
        const auto index = static_cast<int32_t>(wParam);
        if (index < 0 || index >= count) {
            if (!IsMultiSelect(state)) SelectOnly(state, -1);
            return LB_ERR;
        }
        if (IsMultiSelect(state)) state.caret = index;
        else SelectOnly(state, index);
        return index;
    }
    case LB_SETSEL: {
        const auto index = static_cast<int32_t>(lParam);
        if (index == -1) {
            std::fill(state.selected.begin(), state.selected.end(), wParam ? 1 : 0);
            return 0;
        }
        if (index < 0 || index >= count) return LB_ERR;
        state.selected[index] = wParam ? 1 : 0;
        if (wParam) state.caret = index;
        return 0;
    }
    case LB_GETSEL: {
        const auto index = static_cast<int32_t>(wParam);
        if (index < 0 || index >= count) return LB_ERR;
        return IsMultiSelect(state) ? state.selected[index] : (state.curSel == index ? 1 : 0);
    }
    case LB_GETSELCOUNT:
        return std::count(state.selected.begin(), state.selected.end(), 1);
    case LB_GETSELITEMS: {
        auto* out = reinterpret_cast<int32_t*>(lParam);
        int32_t written = 0;
        for (int32_t i = 0; i < count && written < static_cast<int32_t>(wParam); ++i)
            if (state.selected[i]) out[written++] = i;
        return written;
    }
    case LB_SETCARETINDEX:
        state.caret = static_cast<int32_t>(wParam);
        return 0;
    case LB_GETCARETINDEX:
        return state.caret;
    case WM_LBUTTONDOWN: {
        const POINT point{static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
                          static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
        userSelect(point.y / kItemHeight, (wParam & MK_CONTROL) != 0);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        if (state.style & LBS_NOTIFY) NotifyParent(state, LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN: {
        int32_t to = state.caret;
        if (wParam == VK_DOWN) ++to;
        else if (wParam == VK_UP) --to;
        else if (wParam == VK_HOME) to = 0;
        else if (wParam == VK_END) to = count - 1;
        else return 0;
        if (to >= 0 && to < count && to != state.caret) userSelect(to, false);
        return 0;
    }
    case SWM_USERVALUE: {
        const char* text = reinterpret_cast<const char*>(lParam);
        for (int32_t i = 0; i < count; ++i) {
            if (state.items[i] == text) {
                userSelect(i, false);
                return 1;
            }
        }
        return 0;
    }
    default:
        return Generic(state, message, wParam, lParam);
    }
}
