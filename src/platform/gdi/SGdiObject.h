#pragma once
// A wrapper that owns one graphics handle: the handle is deleted with the wrapper unless it was
// detached first.
#include "platform/gdi/GdiDefs.h"

class SGdiObject {
public:
    SGdiObject() = default;
    SGdiObject(const SGdiObject&) = delete;
    SGdiObject& operator=(const SGdiObject&) = delete;
    virtual ~SGdiObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of a live handle; false when the wrapper already holds one or the handle
    // is not live.
    bool Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    // Deletes the handle; false when there is none or it could not be deleted.
    bool DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};
