#include "platform/repo/SRepGridCtrl.h"

#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepAttrEditor.h"
#include "platform/repo/SRepDialog.h"
#include "platform/repo/SRepRegistry.h"

namespace {
// The editor of an attribute of an object: its class's own, else the plain one.
std::unique_ptr<SRepAttrEditor> EditorOf(ISRepObject* object, uint32_t attributeId) {
    const SRepRegistry* registry = SRepRegistry::Find(object->GetClassID());
    const SAttrEditorMap* map = registry ? registry->GetAttrEditorMap() : nullptr;
    std::unique_ptr<SRepAttrEditor> editor;
    if (map) editor = SRepAttrEditor::Create(map->FindEditor(static_cast<int32_t>(attributeId)));
    if (!editor) editor = std::make_unique<SRepAttrEditor>();
    return editor;
}

SString ColumnValueName(int32_t column) {
    return SString("Column") + SString::FromInt(column);
}
}  // namespace

SRepGridCtrl::SRepGridCtrl(SRepControlHolder&, SRepListControler& controler, int32_t controlId)
    : SRepDlgControl(controlId, nullptr, 0), m_controler(controler) {}

SRepGridCtrl::~SRepGridCtrl() {
    m_wnd.SetEditor(nullptr);
    if (m_wnd.GetSafeHwnd()) m_wnd.UnsubclassWindow();
}

int32_t SRepGridCtrl::Initialize(SRepDialog* dialog, int32_t controlId) {
    if (!dialog || !dialog->AttachDlgItem(controlId, m_wnd)) return 0;
    m_dialog = dialog;
    m_controlId = controlId;
    m_wnd.SetEditor(this);
    return 1;
}

void SRepGridCtrl::SetRoot(ISRepObject* root, const GUID& classId) {
    InstallFactories<SRepGridColFactory, SRepGridRowFactory>(root, classId);
}

void SRepGridCtrl::Refresh() {
    SLibGridWnd* grid = GetGridWnd();
    if (!grid) return;
    m_columns = m_colFactory ? m_colFactory->GetColumns() : std::vector<const SRepMetaAttribute*>();
    m_lines = m_rowFactory ? m_rowFactory->GetRows() : std::vector<SComWrap<ISRepObject>>();
    std::vector<SString> titles;
    for (const SRepMetaAttribute* attribute : m_columns) titles.push_back(SRepGridColFactory::GetColumnTitle(*attribute));
    grid->SetColumns(titles);
    std::vector<std::vector<SString>> lines;
    for (const SComWrap<ISRepObject>& object : m_lines) {
        std::vector<SString> cells;
        for (const SRepMetaAttribute* attribute : m_columns) cells.push_back(CellText(object.Get(), *attribute));
        lines.push_back(std::move(cells));
    }
    grid->SetLines(std::move(lines));
    SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(), 0);
    if (!registry.IsOpen()) return;
    for (int32_t column = 0; column < grid->GetColumnCount(); ++column) {
        int32_t width = 0;
        if (registry.GetProfile(ColumnValueName(column), &width, 0)) grid->SetColumnWidth(column, width);
    }
}

void SRepGridCtrl::SavePreferences() {
    SLibGridWnd* grid = GetGridWnd();
    if (!grid) return;
    SRegistry registry(HKEY_CURRENT_USER, GetPrefKey(), 1);
    for (int32_t column = 0; column < grid->GetColumnCount(); ++column)
        registry.WriteProfile(ColumnValueName(column), grid->GetColumnWidth(column));
}

SString SRepGridCtrl::GetPrefKey() const {
    SString key(SUserRegistry::sApplicationRoot);
    key += "DialogPreferences\\";
    if (m_dialog && m_dialog->GetClassInfo()->className) key += m_dialog->GetClassInfo()->className;
    key += "\\Grid";
    return key;
}

ISRepObject* SRepGridCtrl::GetLineObject(int32_t line) const {
    return line >= 0 && line < static_cast<int32_t>(m_lines.size()) ? m_lines[line].Get() : nullptr;
}

const SRepMetaAttribute* SRepGridCtrl::GetColumnAttribute(int32_t column) const {
    return column >= 0 && column < static_cast<int32_t>(m_columns.size()) ? m_columns[column] : nullptr;
}

SString SRepGridCtrl::CellText(ISRepObject* object, const SRepMetaAttribute& attribute) const {
    SRepVariant value;
    SString text;
    if (FAILED(object->GetAttribute(static_cast<int32_t>(attribute.GetId()), &value))) return text;
    EditorOf(object, attribute.GetId())->GetText(value, &text);
    return text;
}

HRESULT SRepGridCtrl::OnEditCell(int32_t line, int32_t column, const SString& text) {
    ISRepObject* object = GetLineObject(line);
    const SRepMetaAttribute* attribute = GetColumnAttribute(column);
    if (!object || !attribute || !m_dialog) return E_INVALIDARG;
    // A computed value is the object's to work out; it cannot be typed in.
    if (attribute->IsComputed()) return E_ACCESSDENIED;
    const int32_t id = static_cast<int32_t>(attribute->GetId());
    SRepVariant before;
    HRESULT hr = object->GetAttribute(id, &before);
    if (FAILED(hr)) return hr;
    SRepVariant value(before);
    hr = EditorOf(object, attribute->GetId())->GetVariant(object, text, &value, nullptr);
    if (FAILED(hr)) return hr;
    if (!(value == before)) {
        hr = m_dialog->GetContext().SetAttribute(object, id, value);
        if (FAILED(hr)) return hr;
    }
    m_wnd.SetCellText(line, column, CellText(object, *attribute));
    return S_OK;
}
