#include "rpt/editor/SRptAttrEditorTableCellWidth.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>

#include "platform/base/SEOutOfMemory.h"

const SClassInfo SRptAttrEditorTableCellWidth::classInfo = {"SRptAttrEditorTableCellWidth", &SRepAttrEditor::classInfo};

namespace {
// The largest width the 16-bit field holds, and the largest percentage once negated.
constexpr int64_t kMaxHundredths = std::numeric_limits<int16_t>::max();
constexpr int64_t kMaxPercent = -static_cast<int64_t>(std::numeric_limits<int16_t>::min());

// The grids create the editor from the class record that the table cell's map names.
[[maybe_unused]] const bool registered = SRepAttrEditor::RegisterEditorClass(
    &SRptAttrEditorTableCellWidth::classInfo, [] { return static_cast<SRepAttrEditor*>(SRptAttrEditorTableCellWidth::CreateObject()); });
}  // namespace

SRptAttrEditorTableCellWidth* SRptAttrEditorTableCellWidth::CreateObject() {
    auto* editor = new (std::nothrow) SRptAttrEditorTableCellWidth();
    if (!editor) throw SEOutOfMemory();
    return editor;
}

HRESULT SRptAttrEditorTableCellWidth::GetAsText(const SRepVariant& value, SString* text) const {
    if (!text) return E_POINTER;
    const int32_t width = value.GetShort();
    if (width > 0)
        text->Format("%ld mm", width / 100);
    else
        text->Format("%ld %%", -width);
    return S_OK;
}

HRESULT SRptAttrEditorTableCellWidth::OnGetVariant(ISRepObject* object, const SString& text, SRepVariant* value,
                                                   SString* message) {
    if (message) message->Empty();
    if (!object || !value) return E_POINTER;
    SString typed(text);
    typed.TrimLeft(" \t\r\n");
    typed.TrimRight(" \t\r\n");
    const int32_t percentSign = typed.Find('%');
    const bool percent = percentSign > 0;
    const SString number = percent ? typed.Left(percentSign) : typed;
    // Read as the conversion reads a number (leading blanks, a sign, digits up to the first
    // other character), in 64 bits; past its range it gives its limits.
    const long long read = std::strtoll(number.c_str(), nullptr, 10);
    // The most negative number has no positive counterpart to take.
    if (read == std::numeric_limits<long long>::min()) return E_INVALIDARG;
    const int64_t magnitude = read < 0 ? -static_cast<int64_t>(read) : static_cast<int64_t>(read);
    // A clamp keeps each kind within its half of the field: a width never turns into a
    // percentage, nor a percentage into a width.
    int64_t stored = 0;
    if (percent)
        stored = -std::min(magnitude, kMaxPercent);
    else
        stored = magnitude > kMaxHundredths / 100 ? kMaxHundredths : magnitude * 100;
    value->SetShort(static_cast<int16_t>(stored));
    return S_OK;
}
