#pragma once
// The resource behind a pen handle: the pen's description.
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiResource.h"

class SLogicalPen : public SGdiResource {
public:
    explicit SLogicalPen(const LOGPEN& pen) : m_pen(pen) {}
    uint32_t GetObjectType() const override { return OBJ_PEN; }
    const LOGPEN& GetLogPen() const { return m_pen; }

private:
    const LOGPEN m_pen;
};
