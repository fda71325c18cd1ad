#include "platform/ui/SPreviewView.h"

#include <algorithm>

const SClassInfo SPreviewView::classSPreviewView = {"SPreviewView", &SView::classSView};

int32_t SPreviewView::SetPrintView(SView* printView) {
    m_printView = printView;
    m_currentPage = 1;
    return printView ? 1 : 0;
}

void SPreviewView::SetCurrentPage(int32_t page, int32_t) {
    const int32_t last = std::max(1, GetPageCount());
    m_currentPage = std::clamp(page, 1, last);
}
