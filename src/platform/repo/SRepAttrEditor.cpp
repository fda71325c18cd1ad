#include "platform/repo/SRepAttrEditor.h"

#include <map>

const SClassInfo SRepAttrEditor::classInfo = {"SRepAttrEditor", nullptr};

namespace {
std::map<const SClassInfo*, SRepAttrEditor::CreateFunction>& EditorClasses() {
    static std::map<const SClassInfo*, SRepAttrEditor::CreateFunction> classes;
    return classes;
}
}  // namespace

bool SRepAttrEditor::RegisterEditorClass(const SClassInfo* editorClass, CreateFunction create) {
    if (!editorClass || !create) return false;
    EditorClasses()[editorClass] = create;
    return true;
}

std::unique_ptr<SRepAttrEditor> SRepAttrEditor::Create(const SClassInfo* editorClass) {
    const auto& classes = EditorClasses();
    const auto it = classes.find(editorClass);
    return std::unique_ptr<SRepAttrEditor>(it == classes.end() ? nullptr : it->second());
}

HRESULT SRepAttrEditor::GetAsText(const SRepVariant& value, SString* text) const {
    if (!text) return E_POINTER;
    if (value.IsText())
        *text = value.GetText();
    else if (value.GetType() == SREP_VT_BOOL)
        *text = value.GetBool() ? "1" : "0";
    else
        *text = SString::FromInt(value.GetInt());
    return S_OK;
}

HRESULT SRepAttrEditor::OnGetVariant(ISRepObject*, const SString& text, SRepVariant* value, SString* message) {
    if (message) message->Empty();
    if (!value) return E_POINTER;
    SString typed(text);
    typed.Trim();
    switch (value->GetType()) {
        case SREP_VT_BOOL: value->SetBool(typed.ToInt() != 0); return S_OK;
        case SREP_VT_SHORT: value->SetShort(static_cast<int16_t>(typed.ToInt())); return S_OK;
        case SREP_VT_INT: value->SetInt(typed.ToInt()); return S_OK;
        default: break;
    }
    if (!value->IsText()) return E_INVALIDARG;
    // The value keeps its kind of text: a short text keeps its length.
    const uint32_t type = value->GetType();
    if (type == SREP_VT_TEXT)
        value->SetText(text);
    else
        value->SetChar(text, static_cast<int32_t>(type & 0xFFFFu));
    return S_OK;
}
