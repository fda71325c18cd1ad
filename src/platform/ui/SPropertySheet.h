#pragma once
// A property sheet: a dialog (its own template holds the page area and the buttons) with pages,
// one of them active. Turning to another page asks the active one first. OK leaves the active
// page (a refusal keeps the sheet open), then tells every page that was made; Cancel tells them
// all. A scripted answer may turn to a page before its values are set.
#include <vector>

#include "platform/ui/SPropertyPage.h"

inline constexpr uint32_t PSH_NOAPPLYNOW = 0x0080;

struct SPropSheetHeader {
    uint32_t dwFlags = 0;
    uint32_t nStartPage = 0;
};

class SPropertySheet : public SDlg {
public:
    SPropertySheet() = default;
    explicit SPropertySheet(uint32_t templateId, SWnd* parent = nullptr, uint32_t startPage = 0) {
        Construct(templateId, 0, parent, startPage);
    }

    const SClassInfo* GetClassInfo() const override { return &classSPropertySheet; }
    static const SClassInfo classSPropertySheet;

    void Construct(uint32_t templateId, uint32_t captionId, SWnd* parent, uint32_t startPage, uint32_t reserved = 0);
    void AddPage(SPropertyPage* page);
    void RemovePage(SPropertyPage* page);
    int32_t GetPageCount() const { return static_cast<int32_t>(m_pages.size()); }
    SPropertyPage* GetPage(int32_t index) const;
    SPropertyPage* GetActivePage() const { return GetPage(m_active); }
    int32_t GetActiveIndex() const { return m_active; }
    int32_t GetPageIndex(SPropertyPage* page) const;
    // 1 when the page became active; 0 when the active page refused to be left or the index is
    // out of range.
    int32_t SetActivePage(int32_t index);
    void SetTitle(const SString& title);
    bool IsWizard() const { return false; }

    int32_t OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    SPropSheetHeader m_psh;

protected:
    void ApplyAnswer(const SAnswer& answer) override;

private:
    std::vector<SPropertyPage*> m_pages;
    int32_t m_active = -1;
    SString m_title;
};
