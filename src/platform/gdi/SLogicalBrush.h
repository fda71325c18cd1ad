#pragma once
// The resource behind a brush handle: the brush's description (solid or hollow).
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiResource.h"

class SLogicalBrush : public SGdiResource {
public:
    explicit SLogicalBrush(const LOGBRUSH& brush) : m_brush(brush) {}
    uint32_t GetObjectType() const override { return OBJ_BRUSH; }
    const LOGBRUSH& GetLogBrush() const { return m_brush; }

private:
    const LOGBRUSH m_brush;
};
