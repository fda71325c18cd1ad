#pragma once
// A combo box: a list of texts with item data, one selected item, and (drop-down style) a text of
// its own.
#include "platform/ui/SWnd.h"

class SComboBoxCtrl : public SWnd {
public:
    using SWnd::Create;
    int32_t Create(uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("COMBOBOX", "", style, rect, parent, id);
    }
    int32_t AddString(const char* text) { return static_cast<int32_t>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int32_t InsertString(int32_t index, const char* text) {
        return static_cast<int32_t>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int32_t DeleteString(int32_t index) { return static_cast<int32_t>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int32_t GetCount() { return static_cast<int32_t>(SendMessage(CB_GETCOUNT)); }
    int32_t GetCurSel() { return static_cast<int32_t>(SendMessage(CB_GETCURSEL)); }
    int32_t SetCurSel(int32_t index) { return static_cast<int32_t>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    SString GetLBText(int32_t index);
    int32_t SelectString(int32_t start, const char* prefix) {
        return static_cast<int32_t>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(prefix)));
    }
    int32_t FindStringExact(int32_t start, const char* text) {
        return static_cast<int32_t>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    int32_t SetItemData(int32_t index, uintptr_t data) {
        return static_cast<int32_t>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    uintptr_t GetItemData(int32_t index) { return static_cast<uintptr_t>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
};
