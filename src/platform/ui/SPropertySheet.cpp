#include "platform/ui/SPropertySheet.h"

#include <algorithm>

#include "platform/ui/SResInstance.h"
#include "platform/ui/SResourceTypes.h"

const SClassInfo SPropertyPage::classSPropertyPage = {"SPropertyPage", &SDlg::classSDlg};
const SClassInfo SPropertySheet::classSPropertySheet = {"SPropertySheet", &SDlg::classSDlg};

int32_t SPropertyPage::CreatePage(SWnd* sheet) {
    if (m_hWnd) return 1;
    if (GetTemplateId()) m_template.Load(SGetResInstance(GetTemplateId(), RT_DIALOG), GetTemplateId());
    if (!SWnd::Create("#32770", m_template.caption.c_str(), WS_CHILD, RECT{}, sheet, 0)) return 0;
    CreateControls(*this, m_template);
    OnInitDialog();
    return m_hWnd ? 1 : 0;
}

void SPropertySheet::Construct(uint32_t templateId, uint32_t, SWnd* parent, uint32_t startPage, uint32_t) {
    SetTemplateId(templateId);
    m_parentWnd = parent;
    m_psh.nStartPage = startPage;
}

void SPropertySheet::AddPage(SPropertyPage* page) {
    if (!page) return;
    page->m_sheet = this;
    m_pages.push_back(page);
    if (m_hWnd && m_active < 0) SetActivePage(0);
}

void SPropertySheet::RemovePage(SPropertyPage* page) {
    const int32_t index = GetPageIndex(page);
    if (index < 0) return;
    if (page->m_hWnd) page->DestroyWindow();
    m_pages.erase(m_pages.begin() + index);
    page->m_sheet = nullptr;
    if (m_active == index) {
        m_active = -1;
        if (m_hWnd && !m_pages.empty()) SetActivePage(std::min(index, GetPageCount() - 1));
    } else if (index < m_active) {
        --m_active;
    }
}

SPropertyPage* SPropertySheet::GetPage(int32_t index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[index] : nullptr;
}

int32_t SPropertySheet::GetPageIndex(SPropertyPage* page) const {
    auto it = std::find(m_pages.begin(), m_pages.end(), page);
    return it == m_pages.end() ? -1 : static_cast<int32_t>(it - m_pages.begin());
}

int32_t SPropertySheet::SetActivePage(int32_t index) {
    SPropertyPage* next = GetPage(index);
    if (!next) return 0;
    if (index == m_active) return 1;
    if (SPropertyPage* current = GetActivePage()) {
        if (!current->OnKillActive()) return 0;
        current->ShowWindow(SW_HIDE);
    }
    if (m_hWnd && !next->CreatePage(this)) return 0;
    m_active = index;
    next->ShowWindow(SW_SHOW);
    next->OnSetActive();
    return 1;
}

void SPropertySheet::SetTitle(const SString& title) {
    m_title = title;
    if (m_hWnd) SetWindowText(title);
}

int32_t SPropertySheet::OnInitDialog() {
    if (!m_title.IsEmpty()) SetWindowText(m_title);
    m_active = -1;
    if (!m_pages.empty()) SetActivePage(std::min<int32_t>(static_cast<int32_t>(m_psh.nStartPage), GetPageCount() - 1));
    return 1;
}

void SPropertySheet::OnOK() {
    if (SPropertyPage* current = GetActivePage())
        if (!current->OnKillActive()) return;
    for (SPropertyPage* page : m_pages)
        if (page->m_hWnd) page->OnOK();
    EndDialog(IDOK);
}

void SPropertySheet::OnCancel() {
    for (SPropertyPage* page : m_pages)
        if (page->m_hWnd) page->OnCancel();
    EndDialog(IDCANCEL);
}

void SPropertySheet::ApplyAnswer(const SAnswer& answer) {
    if (answer.activePage >= 0) SetActivePage(answer.activePage);
    // The active page's controls come before the sheet's own of the same id.
    SPropertyPage* page = GetActivePage();
    for (const auto& [id, value] : answer.controlValues) {
        if (IsEnded() || !m_hWnd) return;
        HWND control = page ? page->FindControlHandle(id) : 0;
        if (!control) control = FindControlHandle(id);
        if (control) SendMessageA(control, SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(value.c_str()));
    }
}
