#pragma once
// A multiple-selection list box whose dialog vetoes or follows every change of the selection: a
// mouse press goes through only when the dialog lets the selection change, and the dialog hears
// of the change on the release; a key that changes the selection is asked about afterwards and
// undone when the dialog refuses. The dialog is the list box's parent window, an
// SRptDlgListBoxOwner; a list box without such a parent lets every change happen.
#include <cstdint>

#include "platform/ui/SListBoxCtrl.h"

class SRptDlgListBoxOwner;

class SRptDlgListBoxCtrl : public SListBoxCtrl {
public:
    const SClassInfo* GetClassInfo() const override { return &classSRptDlgListBoxCtrl; }
    static const SClassInfo classSRptDlgListBoxCtrl;
    S_DECLARE_MESSAGE_MAP()

public:
    // The owner's answer at the last press, until the release.
    int32_t GetSelChangeAllowed() const { return m_selChangeAllowed; }

    // A scripted user's choice (SWM_USERVALUE) is clicked as a user would click it: the value
    // names entries one a line, the first clicked, the others added with Ctrl held. 1 when every
    // entry was found.
    LRESULT WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override;

    void OnLButtonDown(uint32_t flags, POINT point);
    void OnLButtonUp(uint32_t flags, POINT point);
    void OnKeyDown(uint32_t key, uint32_t repeat, uint32_t flags);
    // A key's release changes no selection: the list's own handling.
    void OnKeyUp(uint32_t key, uint32_t repeat, uint32_t flags);
    void OnChar(uint32_t key, uint32_t repeat, uint32_t flags);

private:
    SRptDlgListBoxOwner* GetListOwner() const;
    int32_t AskSelChanging() const;
    int32_t ClickEntries(const SString& names);

    int32_t m_selChangeAllowed = 0;
};
