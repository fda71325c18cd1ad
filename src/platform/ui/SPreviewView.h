#pragma once
// The print preview window: the pages of a print view, one or two at a time, at a zoom. The
// current page stays within the print view's pages.
#include "platform/ui/SView.h"

class SPreviewView : public SView {
public:
    const SClassInfo* GetClassInfo() const override { return &classSPreviewView; }
    static const SClassInfo classSPreviewView;

    enum ZoomState { ZOOM_OUT = 0, ZOOM_MIDDLE = 1, ZOOM_IN = 2 };

    // Hands the print view over (not owned); the current page goes back to the first. 1, or 0
    // for none.
    virtual int32_t SetPrintView(SView* printView);
    SView* GetPrintView() const { return m_printView; }
    int32_t GetPageCount() const override { return m_printView ? m_printView->GetPageCount() : 0; }
    // Shows `page` (1-based), clamped to the pages of the print view.
    void SetCurrentPage(int32_t page, int32_t clearRatios);
    int32_t GetCurrentPage() const { return m_currentPage; }
    void SetZoomState(int32_t state) { m_zoomState = state; }
    int32_t GetZoomState() const { return m_zoomState; }
    // The zoom in percent; values of 1 and more are kept.
    void SetZoom(int32_t percent) {
        if (percent > 0) m_zoom = percent;
    }
    int32_t GetZoom() const { return m_zoom; }
    void SetPagesShown(int32_t pages) { m_pagesShown = pages == 2 ? 2 : 1; }
    int32_t GetPagesShown() const { return m_pagesShown; }

private:
    SView* m_printView = nullptr;
    int32_t m_currentPage = 1;
    int32_t m_zoomState = ZOOM_OUT;
    int32_t m_zoom = 100;
    int32_t m_pagesShown = 1;
};
