#include "SDataModelModule.h"

#include <string>
#include <vector>

#include "platform/ui/SComboBoxCtrl.h"
#include "varod9/ISRptField.h"
#include "varod9/ISRptItem.h"
#include "varod9/RptApi.h"
#include "varod9/RptFieldDef.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptTableDef.h"

namespace {

// Lengths of the cells, in hundredths of a millimetre; negative widths share what is left.
constexpr int16_t kNameWidth = 4000;
constexpr int16_t kCountWidth = 2200;
constexpr int16_t kRestWidth = -100;

RPTTABLECELLDEF Cell(uint32_t size, const char* text, int32_t id, int16_t width, bool keyword = false) {
    RPTTABLECELLDEF cell;
    cell.Size = size;
    cell.DefaultText = text;
    cell.ResPath = text;
    cell.CellID = id;
    cell.Width = width;
    cell.Keyword = keyword ? 1 : 0;
    cell.Title = keyword ? 0 : 1;
    cell.Border = 8;
    cell.BorderWidth = 10;
    cell.Enabled = 1;
    return cell;
}

RPTTABLEROWDEF Row(const RPTTABLECELLDEF* cells, int16_t count) {
    RPTTABLEROWDEF row;
    row.HeightType = 1;
    row.SpBetweenCells = 200;
    row.Enabled = 1;
    row.NbCells = count;
    row.Cells = cells;
    return row;
}

RPTUSRITEMDEF Describe(const char* itemID, const char* title, int32_t kind, int32_t itemParam, IUnknown* procs) {
    RPTUSRITEMDEF def;
    def.ModuleID = SDataModelModule::kModuleID;
    def.ItemID = itemID;
    def.Label = title;
    def.DefaultTitle = title;
    def.Kind = kind;
    def.ItemParam = itemParam;
    def.TOCEntry = 1;
    def.UserProcs = procs;
    return def;
}

}  // namespace

SDataModelModule* SDataModelModule::Create(SDataModel model) {
    auto* module = new SDataModelModule(std::move(model));
    module->AddRef();
    return module;
}

HRESULT SDataModelModule::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISRptUserProcs::iid) *out = static_cast<ISRptUserProcs*>(this);
    else if (riid == ISRptFolderProcs::iid) *out = static_cast<ISRptFolderProcs*>(this);
    else if (riid == ISRptFormProcs::iid) *out = static_cast<ISRptFormProcs*>(this);
    else if (riid == ISRptGrpTitleProcs::iid) *out = static_cast<ISRptGrpTitleProcs*>(this);
    else if (riid == ISRptListProcs::iid) *out = static_cast<ISRptListProcs*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SDataModelModule::Release() {
    const int32_t refs = --m_refs;
    if (refs == 0) delete this;
    return static_cast<uint32_t>(refs);
}

HRESULT SDataModelModule::Register() {
    return RptRegisterModule(this, kModuleID, kLabel, 1, &m_module);
}

HRESULT SDataModelModule::Unregister() {
    if (!m_module) return S_FALSE;
    const HRESULT hr = RptUnregisterModule(m_module.Get());
    m_module.Clear();
    return hr;
}

HRESULT SDataModelModule::InitAvailableItems(ISRptModule* pModule) {
    RegisterItems(pModule);
    RegisterFields(pModule);
    return S_OK;
}

void SDataModelModule::RegisterItems(ISRptModule* pModule) {
    SComWrap<ISRptItem> item;
    RPTUSRITEMDEF folder = Describe("ENTITYFOLDER", "Entities", RPT_ITEMKIND_FOLDER, kFolder, AsProcs());
    RptRegisterItem(pModule, &folder, &item);

    const uint32_t listCell = RPTTABLECELLDEF_SIZE_LIST;
    const RPTTABLECELLDEF listCells[] = {
        Cell(listCell, "Entity", kListName, kNameWidth), Cell(listCell, "Attributes", kListAttributes, kCountWidth),
        Cell(listCell, "Relationships", kListRelationships, kCountWidth),
        Cell(listCell, "Description", kListDescription, kRestWidth)};
    const RPTTABLEROWDEF listRow = Row(listCells, 4);
    RPTUSRITEMDEF list = Describe("ENTITYLIST", "List of entities", RPT_ITEMKIND_LIST, kEntityList, AsProcs());
    list.Table.NbRows = 1;
    list.Table.Rows = &listRow;
    item.Clear();
    RptRegisterItem(pModule, &list, &item);

    RPTUSRITEMDEF group = Describe("ENTITY", "Entity", RPT_ITEMKIND_GRPTITLE, kEntityGroup, AsProcs());
    SComWrap<ISRptItem> groupItem;
    RptRegisterItem(pModule, &group, &groupItem);

    const uint32_t formCell = RPTTABLECELLDEF_SIZE_FORM;
    const RPTTABLECELLDEF nameCells[] = {Cell(formCell, "Name", 1, kNameWidth),
                                         Cell(formCell, "", kCardName, kRestWidth, true)};
    const RPTTABLECELLDEF descriptionCells[] = {Cell(formCell, "Description", 2, kNameWidth),
                                                Cell(formCell, "", kCardDescription, kRestWidth, true)};
    const RPTTABLECELLDEF attributeCells[] = {Cell(formCell, "Attributes", 3, kNameWidth),
                                              Cell(formCell, "", kCardAttributes, kRestWidth, true)};
    const RPTTABLECELLDEF relationshipCells[] = {Cell(formCell, "Relationships", 4, kNameWidth),
                                                 Cell(formCell, "", kCardRelationships, kRestWidth, true)};
    const RPTTABLEROWDEF cardRows[] = {Row(nameCells, 2), Row(descriptionCells, 2), Row(attributeCells, 2),
                                       Row(relationshipCells, 2)};
    RPTUSRITEMDEF card = Describe("ENTITYCARD", "Entity card", RPT_ITEMKIND_FORM, kEntityCard, AsProcs());
    card.TOCEntry = 0;
    card.Table.NbRows = 4;
    card.Table.Rows = cardRows;
    item.Clear();
    RptRegisterSubItem(pModule, groupItem.Get(), &card, &item);

    const RPTTABLECELLDEF attrCells[] = {Cell(listCell, "Attribute", kAttrName, kNameWidth),
                                         Cell(listCell, "Type", kAttrType, kCountWidth),
                                         Cell(listCell, "Description", kAttrDescription, kRestWidth)};
    const RPTTABLEROWDEF attrRow = Row(attrCells, 3);
    RPTUSRITEMDEF attributes = Describe("ATTRIBUTES", "Attributes", RPT_ITEMKIND_LIST, kAttributeList, AsProcs());
    attributes.TOCEntry = 0;
    attributes.Table.NbRows = 1;
    attributes.Table.Rows = &attrRow;
    item.Clear();
    RptRegisterSubItem(pModule, groupItem.Get(), &attributes, &item);
}

void SDataModelModule::RegisterFields(ISRptModule* pModule) {
    // Registered under their tokens, as the texts of headers and footers write them.
    struct SFieldDef {
        const char* token;
        const char* description;
        SString value;
    };
    const SFieldDef fields[] = {{"%MODULE%", "Module name", SString(kLabel)},
                                {"%MODELNAME%", "Model name", m_model.name},
                                {"%MODELAUTHOR%", "Model author", m_model.author},
                                {"%MODELVERSION%", "Model version", m_model.version}};
    for (const SFieldDef& field : fields) {
        RPTFIELDDEF def;
        def.ModuleID = kModuleID;
        def.FieldName = field.token;
        def.Descr = field.description;
        def.Value = field.value;
        SComWrap<ISRptField> registered;
        RptRegisterField(pModule, &def, &registered);
    }
}

HRESULT SDataModelModule::GetReportLangName(SString& sLangName, ISRptReport*) {
    sLangName = "English";
    return S_OK;
}

HRESULT SDataModelModule::GetReportTitleText(SString& sTitle, ISRptReport*, SString sTitlePath) {
    sTitle = sTitlePath;
    return S_OK;
}

HRESULT SDataModelModule::FillLanguageCombo(SComboBoxCtrl* pCombo) {
    if (pCombo) pCombo->AddString("English");
    return S_OK;
}

// The sample model keeps no language objects: a new template gets none, and its language name
// stays the module's own.
HRESULT SDataModelModule::GetLanguageObject(ISRepObject** ppLanguage, const SString&) {
    if (!ppLanguage) return E_POINTER;
    *ppLanguage = nullptr;
    return S_FALSE;
}

void SDataModelModule::PositionOn(int32_t index) {
    if (index >= 0 && index < static_cast<int32_t>(m_model.entities.size())) m_current = index;
}

const SDataModel::Entity* SDataModelModule::Current() const {
    if (m_current < 0 || m_current >= static_cast<int32_t>(m_model.entities.size())) return nullptr;
    return &m_model.entities[static_cast<size_t>(m_current)];
}

int32_t SDataModelModule::CountOf(int32_t itemParam) const {
    switch (itemParam) {
        case kFolder:
        case kEntityGroup:
        case kEntityList: return static_cast<int32_t>(m_model.entities.size());
        case kEntityCard: return Current() ? 1 : 0;
        case kAttributeList: return Current() ? static_cast<int32_t>(Current()->attributes.size()) : 0;
        default: return 0;
    }
}

HRESULT SDataModelModule::Begin(ISRptReport* pReport, RPTPROCCONTEXT* pContext) {
    const bool group = pContext->ItemParam == kFolder || pContext->ItemParam == kEntityGroup;
    if (group && !pReport) PositionOn(pContext->Occurrence);
    return CountOf(pContext->ItemParam);
}

HRESULT SDataModelModule::Process(ISRptReport* pReport, RPTPROCCONTEXT* pContext) {
    const bool group = pContext->ItemParam == kFolder || pContext->ItemParam == kEntityGroup;
    if (group && !pReport) PositionOn(pContext->Occurrence);
    // The items are headed by their own titles, which also make their contents entries.
    pContext->Text2 = pContext->Text1;
    return 1;
}

HRESULT SDataModelModule::Fetch(ISRptReport*, RPTPROCCONTEXT* pContext) {
    if (pContext->RowCursor < 0 || pContext->RowCursor >= CountOf(pContext->ItemParam)) return 0;
    if (pContext->ItemParam == kFolder || pContext->ItemParam == kEntityGroup) PositionOn(pContext->RowCursor);
    return 1;
}

HRESULT SDataModelModule::GetMemberText(ISRptReport* pReport, RPTPROCCONTEXT* pContext) {
    PositionOn(pReport ? pContext->RowCursor : pContext->Occurrence);
    const SDataModel::Entity* entity = Current();
    if (!entity) return 0;
    pContext->Text2 = entity->name;
    return 1;
}

HRESULT SDataModelModule::GetValue(ISRptReport*, RPTPROCCONTEXT* pContext) {
    pContext->CellText = CellText(pContext->CellID, pContext->RowCursor);
    return S_OK;
}

SString SDataModelModule::CellText(int32_t cellID, int32_t row) const {
    const auto& entities = m_model.entities;
    const SDataModel::Entity* listed =
        row >= 0 && row < static_cast<int32_t>(entities.size()) ? &entities[static_cast<size_t>(row)] : nullptr;
    const SDataModel::Entity* current = Current();
    const SDataModel::Attribute* attribute =
        current && row >= 0 && row < static_cast<int32_t>(current->attributes.size())
            ? &current->attributes[static_cast<size_t>(row)]
            : nullptr;
    switch (cellID) {
        case kListName: return listed ? listed->name : SString();
        case kListAttributes: return listed ? SString::FromInt(static_cast<int64_t>(listed->attributes.size())) : SString();
        case kListRelationships: return listed ? SString::FromInt(static_cast<int64_t>(listed->relationships.size())) : SString();
        case kListDescription: return listed ? listed->description : SString();
        case kCardName: return current ? current->name : SString();
        case kCardDescription: return current ? current->description : SString();
        case kCardAttributes: return current ? SString::FromInt(static_cast<int64_t>(current->attributes.size())) : SString();
        case kCardRelationships: {
            if (!current) return SString();
            SString text;
            for (const SDataModel::Relationship& relationship : current->relationships) {
                if (!text.IsEmpty()) text += "\n";
                text += relationship.name + " -> " + relationship.target;
                if (!relationship.cardinality.IsEmpty()) text += " (" + relationship.cardinality + ")";
            }
            return text.IsEmpty() ? SString("none") : text;
        }
        case kAttrName: return attribute ? attribute->name : SString();
        case kAttrType: return attribute ? attribute->type : SString();
        case kAttrDescription: return attribute ? attribute->description : SString();
        default: return SString();
    }
}
