#pragma once
// What a page element holds of its item on one page: a finished part of layout that knows its
// size and draws itself at an origin, without measuring text again.
#include "platform/com/HRESULT.h"
#include "platform/gdi/GdiDefs.h"

class SDC;
class SRptPageElement;

class SRptDrawable {
public:
    explicit SRptDrawable(SRptPageElement* owner) : m_owner(owner) {}
    virtual ~SRptDrawable() = default;
    SRptDrawable(const SRptDrawable&) = delete;
    SRptDrawable& operator=(const SRptDrawable&) = delete;

    virtual void GetSize(SIZE* size) const = 0;
    // Draws with the top-left corner at `origin`; E_INVALIDARG for a null context or origin.
    virtual HRESULT Draw(SDC* dc, const POINT* origin) = 0;

    SRptPageElement* GetOwner() const { return m_owner; }

private:
    SRptPageElement* m_owner;
};
