#pragma once
// The editor of an attribute in the repository's grids and property lists: it shows a stored
// value as text and turns typed text back into a value. An attribute without an editor class of
// its own (its class's attribute-editor map names none) is edited by this one, which writes the
// value's own kind of text (numbers in decimal, booleans 1 and 0) and reads it back into the kind
// of value the attribute already holds.
#include <cstdint>
#include <memory>

#include "platform/base/SClassInfo.h"
#include "platform/base/SString.h"
#include "platform/com/HRESULT.h"
#include "platform/repo/SRepVariant.h"

struct ISRepObject;

class SRepAttrEditor {
public:
    using CreateFunction = SRepAttrEditor* (*)();

    SRepAttrEditor() = default;
    SRepAttrEditor(const SRepAttrEditor&) = delete;
    SRepAttrEditor& operator=(const SRepAttrEditor&) = delete;
    virtual ~SRepAttrEditor() = default;

    static const SClassInfo classInfo;
    virtual const SClassInfo* GetClassInfo() const { return &classInfo; }

    // Makes the class record creatable: an attribute-editor map names editors by their records.
    static bool RegisterEditorClass(const SClassInfo* editorClass, CreateFunction create);
    // A new editor of the class, or null when the class was never registered.
    static std::unique_ptr<SRepAttrEditor> Create(const SClassInfo* editorClass);

    // The value as the user sees it.
    HRESULT GetText(const SRepVariant& value, SString* text) const { return GetAsText(value, text); }
    // The typed text as a value for the attribute of `object`; `value` comes in holding the
    // attribute's present value. `message` (may be null) receives what was wrong with the text.
    HRESULT GetVariant(ISRepObject* object, const SString& text, SRepVariant* value, SString* message) {
        return OnGetVariant(object, text, value, message);
    }

protected:
    virtual HRESULT GetAsText(const SRepVariant& value, SString* text) const;
    virtual HRESULT OnGetVariant(ISRepObject* object, const SString& text, SRepVariant* value, SString* message);
};
