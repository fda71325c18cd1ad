#pragma once
// The editor of a table cell's Width in the editor's grids: a fixed width or a percentage of what
// the fixed cells leave. The stored value is a 16-bit number: above 0 hundredths of a millimetre,
// 0 or below a percentage stored negated. It is shown as "25 mm" or "30 %"; typed text is read
// as millimetres, or as a percentage when a per-cent sign follows the number. The table cell's
// attribute-editor map names it by its class record.
#include "platform/repo/SRepAttrEditor.h"

class SRptAttrEditorTableCellWidth : public SRepAttrEditor {
public:
    static const SClassInfo classInfo;
    const SClassInfo* GetClassInfo() const override { return &classInfo; }

    // A new editor, owned by the caller; SEOutOfMemory when none could be made.
    static SRptAttrEditorTableCellWidth* CreateObject();

protected:
    SRptAttrEditorTableCellWidth() = default;

    // "<w / 100> mm" for a width above 0, "<-w> %" otherwise; E_POINTER for a null text.
    HRESULT GetAsText(const SRepVariant& value, SString* text) const override;
    // Always gives a value for any text (0 when it holds no number) and no message. E_POINTER for
    // a null object or value; E_INVALIDARG, with the value unchanged, for a number too large for
    // the conversion to hold.
    HRESULT OnGetVariant(ISRepObject* object, const SString& text, SRepVariant* value, SString* message) override;
};
