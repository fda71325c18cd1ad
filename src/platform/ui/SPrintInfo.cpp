#include "platform/ui/SPrintInfo.h"

#include <algorithm>
#include <new>

#include "platform/base/SEOutOfMemory.h"

namespace {

// The highest page a print dialog's page fields hold.
constexpr uint32_t kDialogLastPage = 0xFFFF;

uint16_t DialogPage(uint32_t page) {
    return static_cast<uint16_t>(std::min(page, kDialogLastPage));
}

std::unique_ptr<SPrintDlg> NewPrintDialog() {
    try {
        return std::make_unique<SPrintDlg>(false, PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION);
    } catch (const std::bad_alloc&) {
        throw SEOutOfMemory();
    }
}

}  // namespace

SPrintInfo::SPrintInfo() : m_pPD(NewPrintDialog()) {
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

SPrintInfo::~SPrintInfo() = default;

void SPrintInfo::SetMinPage(uint32_t page) {
    m_minPage = page;
    m_pPD->SetPageLimits(DialogPage(page), m_pPD->GetMaxPage());
}

void SPrintInfo::SetMaxPage(uint32_t page) {
    m_maxPage = page;
    m_pPD->SetPageLimits(m_pPD->GetMinPage(), DialogPage(page));
}

uint32_t SPrintInfo::GetFromPage() const {
    return m_pPD->GetFromPage();
}

uint32_t SPrintInfo::GetToPage() const {
    const uint32_t to = m_pPD->GetToPage();
    return to == kDialogLastPage ? std::max(to, m_maxPage) : to;
}

void SPrintInfo::SetPageRange(uint32_t fromPage, uint32_t toPage) {
    m_pPD->SetPageRange(DialogPage(fromPage), DialogPage(toPage));
}
