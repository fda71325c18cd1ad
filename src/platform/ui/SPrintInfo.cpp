#include "platform/ui/SPrintInfo.h"

#include <new>

#include "platform/base/SEOutOfMemory.h"

namespace {

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
