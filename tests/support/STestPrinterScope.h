#pragma once
// The library's printer as a test found it, put back when the scope ends: a test that sets its
// paper, orientation or margins, or runs a page set-up that does, leaves the next test the
// printer it had.
#include "platform/gdi/SPrinterCache.h"
#include "rpt/module/SRptGlobalsContainer.h"

class STestPrinterScope {
public:
    STestPrinterScope()
        : m_printer(GetRptGlobalsContainer()->GetPrinterCache()),
          m_page(m_printer->GetPageSize()),
          m_margins(m_printer->GetMargins()),
          m_minMargins(m_printer->GetMinMargins()),
          m_orientation(m_printer->GetOrientation()),
          m_paper(m_printer->GetPaperSize()) {}
    ~STestPrinterScope() {
        m_printer->SetPageSize(m_page);
        m_printer->SetMargins(m_margins);
        m_printer->SetMinMargins(m_minMargins);
        m_printer->SetOrientation(m_orientation);
        m_printer->SetPaperSize(m_paper);
    }
    STestPrinterScope(const STestPrinterScope&) = delete;
    STestPrinterScope& operator=(const STestPrinterScope&) = delete;

    SPrinterCache* operator->() const { return m_printer; }

private:
    SPrinterCache* m_printer;
    POINT m_page;
    RECT m_margins;
    RECT m_minMargins;
    int32_t m_orientation;
    int32_t m_paper;
};
