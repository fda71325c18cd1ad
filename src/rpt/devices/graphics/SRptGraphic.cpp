#include "rpt/devices/graphics/SRptGraphic.h"

SRptGraphic::SRptGraphic(const SRptGraphic& other)
    : m_drawDC(other.m_drawDC),
      m_locked(other.m_locked),
      m_useZoom(other.m_useZoom),
      m_onePageType(other.m_onePageType),
      m_zoomPerct(other.m_zoomPerct) {}

void SRptGraphic::Lock(SDC& dc) {
    if (!m_drawDC) m_drawDC = &dc;
    m_locked = 1;
}

void SRptGraphic::Unlock() {
    m_drawDC = nullptr;
    m_locked = 0;
}
