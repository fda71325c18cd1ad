#pragma once
// A list box: texts with item data and a selection (one item, or several in a multiple-selection
// list box). A click selects the item under the point (16 units an item), the arrow keys move the
// selection; with LBS_NOTIFY the parent hears LBN_SELCHANGE and LBN_DBLCLK.
#include <vector>

#include "platform/ui/SWnd.h"

class SListBoxCtrl : public SWnd {
public:
    const SClassInfo* GetClassInfo() const override { return &classSListBoxCtrl; }
    static const SClassInfo classSListBoxCtrl;

    using SWnd::Create;
    int32_t Create(uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("LISTBOX", "", style, rect, parent, id);
    }
    int32_t AddString(const char* text) { return static_cast<int32_t>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int32_t InsertString(int32_t index, const char* text) {
        return static_cast<int32_t>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int32_t DeleteString(int32_t index) { return static_cast<int32_t>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int32_t GetCount() { return static_cast<int32_t>(SendMessage(LB_GETCOUNT)); }
    SString GetText(int32_t index);
    int32_t GetCurSel() { return static_cast<int32_t>(SendMessage(LB_GETCURSEL)); }
    int32_t SetCurSel(int32_t index) { return static_cast<int32_t>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    int32_t SetSel(int32_t index, int32_t select = 1) {
        return static_cast<int32_t>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), static_cast<LPARAM>(index)));
    }
    int32_t GetSel(int32_t index) { return static_cast<int32_t>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))); }
    int32_t GetSelCount() { return static_cast<int32_t>(SendMessage(LB_GETSELCOUNT)); }
    std::vector<int32_t> GetSelItems();
    int32_t GetCaretIndex() { return static_cast<int32_t>(SendMessage(LB_GETCARETINDEX)); }
    int32_t SetItemData(int32_t index, uintptr_t data) {
        return static_cast<int32_t>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    uintptr_t GetItemData(int32_t index) { return static_cast<uintptr_t>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int32_t FindStringExact(int32_t start, const char* text) {
        return static_cast<int32_t>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
};
