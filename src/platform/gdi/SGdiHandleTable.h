#pragma once
// The process's table of graphics handles, as the system keeps one. Handles are numbers taken
// from a counter that only grows, so a deleted handle is never handed out again and a cache
// keyed by handles can never confuse a new object with an old one. Stock objects have fixed
// handles of their own and cannot be deleted. Used on the user-interface thread only.
#include <cstdint>
#include <map>
#include <memory>

#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SGdiResource.h"

class SBitmapSurface;

class SGdiHandleTable {
public:
    static SGdiHandleTable& Get();

    // Enters a resource under a new handle.
    HGDIOBJ Add(std::shared_ptr<const SGdiResource> resource);
    // The resource of a live handle, or null.
    std::shared_ptr<const SGdiResource> Find(HGDIOBJ handle) const;
    // Removes a handle; false for a stock object or a handle that is not live.
    bool Remove(HGDIOBJ handle);
    // The handle of a stock object, or null for an index that has none.
    HGDIOBJ GetStockObject(int32_t index);
    // Number of live handles other than stock objects.
    size_t GetCount() const;

private:
    SGdiHandleTable() = default;
    static uintptr_t ToNumber(HGDIOBJ handle) { return reinterpret_cast<uintptr_t>(handle); }
    static HGDIOBJ ToHandle(uintptr_t number) { return reinterpret_cast<HGDIOBJ>(number); }

    std::map<uintptr_t, std::shared_ptr<const SGdiResource>> m_objects;
    std::map<uintptr_t, std::shared_ptr<const SGdiResource>> m_stock;
    uintptr_t m_next = kFirstHandle;

    // Stock objects sit below the first ordinary handle, at kStockBase + index.
    static constexpr uintptr_t kStockBase = 0x100;
    static constexpr uintptr_t kFirstHandle = 0x1000;
};

// The system's functions on graphics handles.
HFONT CreateFontIndirectA(const LOGFONTA* logFont);
// False for a stock object or a handle that is not live.
bool DeleteObject(HGDIOBJ handle);
HGDIOBJ GetStockObject(int32_t index);
// OBJ_FONT ..., 0 for a handle that is not live.
uint32_t GetObjectType(HGDIOBJ handle);
// Copies the object's description (a LOGFONTA, LOGPEN, LOGBRUSH or BITMAP) into `buffer` when it has room for
// it; returns the number of bytes copied, or the size needed when `buffer` is null; 0 when the
// handle is not live or the buffer is too small.
int32_t GetObjectA(HGDIOBJ handle, int32_t bufferSize, void* buffer);
HPEN CreatePen(int32_t style, int32_t width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// A white bitmap of that many pixels; null for a size of 0 or less or too large.
HBITMAP CreateBitmapOfSize(int32_t width, int32_t height);
// The bitmap behind a live handle, or null.
std::shared_ptr<const SBitmapSurface> FindBitmap(HGDIOBJ handle);
