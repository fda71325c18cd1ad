#include "platform/gdi/SGdiHandleTable.h"

#include <cstring>

#include "platform/gdi/SBitmapSurface.h"
#include "platform/gdi/SLogicalBrush.h"
#include "platform/gdi/SLogicalFont.h"
#include "platform/gdi/SLogicalPen.h"

namespace {

// The stock fonts: a face-less request that the font engine answers with its sans-serif face.
LOGFONTA StockFont(int32_t height, int32_t weight) {
    LOGFONTA font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    return font;
}

std::shared_ptr<const SGdiResource> StockBrush(uint32_t style, COLORREF colour) {
    return std::make_shared<SLogicalBrush>(LOGBRUSH{style, colour, 0});
}

std::shared_ptr<const SGdiResource> StockPen(int32_t style, COLORREF colour) {
    return std::make_shared<SLogicalPen>(LOGPEN{style, POINT{0, 0}, colour});
}

std::shared_ptr<const SGdiResource> MakeStockObject(int32_t index) {
    switch (index) {
    case WHITE_BRUSH: return StockBrush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH: return StockBrush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH: return StockBrush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH: return StockBrush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH: return StockBrush(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH: return StockBrush(BS_NULL, 0);
    case WHITE_PEN: return StockPen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return StockPen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN: return StockPen(PS_NULL, 0);
    case SYSTEM_FONT:
        return std::make_shared<SLogicalFont>(StockFont(16, FW_BOLD));
    case DEFAULT_GUI_FONT:
        return std::make_shared<SLogicalFont>(StockFont(-11, FW_NORMAL));
    default:
        return nullptr;
    }
}

// A name that someone else cut inside its last character loses the unfinished character.
std::string_view WithoutCutTail(std::string_view name) {
    for (size_t back = 1; back <= 4 && back <= name.size(); ++back) {
        const auto byte = static_cast<unsigned char>(name[name.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? name.substr(0, name.size() - back) : name;
    }
    return name;
}

}  // namespace

SGdiHandleTable& SGdiHandleTable::Get() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static SGdiHandleTable* table = new SGdiHandleTable();
    return *table;
}

HGDIOBJ SGdiHandleTable::Add(std::shared_ptr<const SGdiResource> resource) {
    if (!resource) return nullptr;
    const uintptr_t number = m_next++;
    m_objects.emplace(number, std::move(resource));
    return ToHandle(number);
}

std::shared_ptr<const SGdiResource> SGdiHandleTable::Find(HGDIOBJ handle) const {
    const uintptr_t number = ToNumber(handle);
    auto object = m_objects.find(number);
    if (object != m_objects.end()) return object->second;
    auto stock = m_stock.find(number);
    return stock != m_stock.end() ? stock->second : nullptr;
}

bool SGdiHandleTable::Remove(HGDIOBJ handle) {
    return m_objects.erase(ToNumber(handle)) != 0;
}

HGDIOBJ SGdiHandleTable::GetStockObject(int32_t index) {
    if (index < 0 || static_cast<uintptr_t>(index) >= kFirstHandle - kStockBase) return nullptr;
    const uintptr_t number = kStockBase + static_cast<uintptr_t>(index);
    if (!m_stock.count(number)) {
        std::shared_ptr<const SGdiResource> object = MakeStockObject(index);
        if (!object) return nullptr;
        m_stock.emplace(number, std::move(object));
    }
    return ToHandle(number);
}

size_t SGdiHandleTable::GetCount() const {
    return m_objects.size();
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) return nullptr;
    // The face name is cut again, so that a record from outside without its terminating zero,
    // or with a character cut at the end of the field, still gives a name that fits and ends on
    // a whole character.
    LOGFONTA font = *logFont;
    const SString name = logFont->GetFaceName();
    font.SetFaceName(WithoutCutTail(name.view()));
    return static_cast<HFONT>(SGdiHandleTable::Get().Add(std::make_shared<SLogicalFont>(font)));
}

bool DeleteObject(HGDIOBJ handle) {
    return SGdiHandleTable::Get().Remove(handle);
}

HGDIOBJ GetStockObject(int32_t index) {
    return SGdiHandleTable::Get().GetStockObject(index);
}

uint32_t GetObjectType(HGDIOBJ handle) {
    std::shared_ptr<const SGdiResource> object = SGdiHandleTable::Get().Find(handle);
    return object ? object->GetObjectType() : 0;
}

namespace {

// Copies a description of `size` bytes; the protocol of GetObjectA.
int32_t CopyDescription(const void* description, int32_t size, int32_t bufferSize, void* buffer) {
    if (!buffer) return size;
    if (bufferSize < size) return 0;
    std::memcpy(buffer, description, static_cast<size_t>(size));
    return size;
}

}  // namespace

int32_t GetObjectA(HGDIOBJ handle, int32_t bufferSize, void* buffer) {
    std::shared_ptr<const SGdiResource> object = SGdiHandleTable::Get().Find(handle);
    if (!object) return 0;
    switch (object->GetObjectType()) {
    case OBJ_FONT: {
        const LOGFONTA& font = static_cast<const SLogicalFont&>(*object).GetLogFont();
        return CopyDescription(&font, static_cast<int32_t>(sizeof(font)), bufferSize, buffer);
    }
    case OBJ_PEN: {
        const LOGPEN& pen = static_cast<const SLogicalPen&>(*object).GetLogPen();
        return CopyDescription(&pen, static_cast<int32_t>(sizeof(pen)), bufferSize, buffer);
    }
    case OBJ_BRUSH: {
        const LOGBRUSH& brush = static_cast<const SLogicalBrush&>(*object).GetLogBrush();
        return CopyDescription(&brush, static_cast<int32_t>(sizeof(brush)), bufferSize, buffer);
    }
    case OBJ_BITMAP: {
        const BITMAP bitmap = static_cast<const SBitmapSurface&>(*object).GetDescription();
        return CopyDescription(&bitmap, static_cast<int32_t>(sizeof(bitmap)), bufferSize, buffer);
    }
    default: return 0;
    }
}

HPEN CreatePen(int32_t style, int32_t width, COLORREF colour) {
    return SGdiHandleTable::Get().Add(std::make_shared<SLogicalPen>(LOGPEN{style, POINT{width, 0}, colour}));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return SGdiHandleTable::Get().Add(std::make_shared<SLogicalBrush>(LOGBRUSH{BS_SOLID, colour, 0}));
}

HBITMAP CreateBitmapOfSize(int32_t width, int32_t height) {
    auto bitmap = std::make_shared<SBitmapSurface>(width, height);
    if (!bitmap->IsValid()) return nullptr;
    return SGdiHandleTable::Get().Add(std::move(bitmap));
}

std::shared_ptr<const SBitmapSurface> FindBitmap(HGDIOBJ handle) {
    std::shared_ptr<const SGdiResource> object = SGdiHandleTable::Get().Find(handle);
    if (!object || object->GetObjectType() != OBJ_BITMAP) return nullptr;
    return std::static_pointer_cast<const SBitmapSurface>(object);
}
