#include "rpt/objs/tables/SRptTableCellMem.h"

#include "platform/base/SECOMException.h"
#include "platform/base/SMbcs.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/editor/SRptAttrEditorTableCellWidth.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/SRptOwnerEnd.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTableCellMem", "SRptTableCellMem");
constexpr uint32_t kStoredFlags = 0x8;
constexpr uint32_t kDispNameFlags = 0x429;
constexpr uint32_t kResPathFlags = 0x420;

void ThrowIfFailed(HRESULT hr) {
    if (FAILED(hr)) throw SECOMException(hr);
}

}  // namespace

// ---- SRptTableCellMem: the attribute protocol ----

HRESULT SRptTableCellMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLECELL_CELLRESID: value->SetInt(m_cellResID); return S_OK;
            case RPTTABLECELL_DEFAULTTEXT: value->SetText(m_defaultText); return S_OK;
            case RPTTABLECELL_TEXTFROMRES: value->SetText(m_textFromRes); return S_OK;
            case RPTTABLECELL_CELLID: value->SetInt(m_cellID); return S_OK;
            case RPTTABLECELL_WIDTH: value->SetShort(m_width); return S_OK;
            case RPTTABLECELL_KEYWORD: value->SetBool(m_keyword); return S_OK;
            case RPTTABLECELL_TITLE: value->SetBool(m_title); return S_OK;
            case RPTTABLECELL_VERTALIGN: value->SetShort(m_vertAlign); return S_OK;
            case RPTTABLECELL_BORDER: value->SetShort(m_border); return S_OK;
            case RPTTABLECELL_BORDERWIDTH: value->SetShort(m_borderWidth); return S_OK;
            case RPTTABLECELL_ENABLED: value->SetBool(m_enabled); return S_OK;
            case RPTTABLECELL_DISPNAME: value->SetChar(GetDispName()); return S_OK;
            case RPTTABLECELL_RESPATH: value->SetText(GetResPath()); return S_OK;
            case RPTTABLECELL_ROWFROMCELL: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTableCellMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLECELL_CELLRESID: return VSet_INT(id, value, m_cellResID);
            case RPTTABLECELL_DEFAULTTEXT: return VSet_TEXT(id, value, m_defaultText);
            case RPTTABLECELL_TEXTFROMRES: return VSet_TEXT(id, value, m_textFromRes);
            case RPTTABLECELL_CELLID: return VSet_INT(id, value, m_cellID);
            case RPTTABLECELL_WIDTH: return VSet_SHORT(id, value, m_width);
            case RPTTABLECELL_KEYWORD: return VSet_BOOL(id, value, m_keyword);
            case RPTTABLECELL_TITLE: return VSet_BOOL(id, value, m_title);
            case RPTTABLECELL_VERTALIGN: return VSet_SHORT(id, value, m_vertAlign);
            case RPTTABLECELL_BORDER: return VSet_SHORT(id, value, m_border);
            case RPTTABLECELL_BORDERWIDTH: return VSet_SHORT(id, value, m_borderWidth);
            case RPTTABLECELL_ENABLED: return VSet_BOOL(id, value, m_enabled);
            case RPTTABLECELL_RESPATH:
                if (!value.IsText()) return DISP_E_TYPEMISMATCH;
                return PutResPath(value.GetText());
            // DispName is read-only: it goes on to the base, which does not know it.
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTableCellMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLECELL_CELLRESID:
            case RPTTABLECELL_CELLID: value->SetInt(0); return S_OK;
            case RPTTABLECELL_DEFAULTTEXT:
            case RPTTABLECELL_TEXTFROMRES: value->SetText(SString()); return S_OK;
            case RPTTABLECELL_WIDTH: value->SetShort(0); return S_OK;
            case RPTTABLECELL_KEYWORD:
            case RPTTABLECELL_TITLE:
            case RPTTABLECELL_ENABLED: value->SetBool(false); return S_OK;
            case RPTTABLECELL_VERTALIGN: value->SetShort(RPTTABLECELL_VALIGN_DEFAULT); return S_OK;
            case RPTTABLECELL_BORDER: value->SetShort(RPTTABLECELL_BORDER_DEFAULT); return S_OK;
            case RPTTABLECELL_BORDERWIDTH: value->SetShort(RPTTABLECELL_BORDERWIDTH_DEFAULT); return S_OK;
            // Computed: no default, an empty value of their type.
            case RPTTABLECELL_DISPNAME: value->SetChar(SString()); return E_NOTIMPL;
            case RPTTABLECELL_RESPATH: value->SetText(SString()); return E_NOTIMPL;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTableCellMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1:
        case RPTTABLECELL_CELLRESID:
        case RPTTABLECELL_DEFAULTTEXT:
        case RPTTABLECELL_CELLID:
        case RPTTABLECELL_KEYWORD:
        case RPTTABLECELL_TITLE:
        case RPTTABLECELL_VERTALIGN:
        case RPTTABLECELL_BORDER:
        case RPTTABLECELL_BORDERWIDTH: return 0;
        case RPTTABLECELL_TEXTFROMRES:
        case RPTTABLECELL_WIDTH:
        case RPTTABLECELL_ENABLED: return kStoredFlags;
        case RPTTABLECELL_DISPNAME: return kDispNameFlags;
        case RPTTABLECELL_RESPATH: return kResPathFlags;
        default: return SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTableCellMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTABLECELL_CELLRESID:
        case RPTTABLECELL_CELLID: return SREP_VT_INT;
        case RPTTABLECELL_DEFAULTTEXT:
        case RPTTABLECELL_TEXTFROMRES:
        case RPTTABLECELL_RESPATH: return SREP_VT_TEXT;
        case RPTTABLECELL_WIDTH:
        case RPTTABLECELL_VERTALIGN:
        case RPTTABLECELL_BORDER:
        case RPTTABLECELL_BORDERWIDTH: return SREP_VT_SHORT;
        case RPTTABLECELL_KEYWORD:
        case RPTTABLECELL_TITLE:
        case RPTTABLECELL_ENABLED: return SREP_VT_BOOL;
        case RPTTABLECELL_DISPNAME: return SREP_VT_CHAR254;
        default: return SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptTableCellMem::HasAttribute(int32_t id) const {
    return id == RPTTABLECELL_DISPNAME || (id >= RPTTABLECELL_ENABLED && id <= RPTTABLECELL_RESPATH) ||
           SRptBaseMem::HasAttribute(id);
}

bool SRptTableCellMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTableCell || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptTableCellMem::ClassHasCollection(int32_t id) {
    return id == RPTTABLECELL_ROWFROMCELL || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptTableCellMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTableCellRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTableCellImpl: name and title path ----

SString SRptTableCellImpl::GetDispName() {
    const SString path = GetResPath();
    SString name;
    if (!path.IsEmpty()) name = TitleFromReport(path);
    if (name.IsEmpty()) name = GetDefaultText();
    return name;
}

SString SRptTableCellImpl::TitleFromReport(const SString& path) {
    // Only a report knows what a title path stands for: the cell reaches it through its row, its
    // table and the table's template; a missing link leaves the title empty.
    SComWrap<ISRptTableRow> row;
    ThrowIfFailed(SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLECELL_ROWFROMCELL, &row));
    if (!row) return SString();
    SComWrap<ISRptTable> table;
    ThrowIfFailed(row->GetTable(&table));
    if (!table) return SString();
    SComWrap<ISRptTemplate> reportTemplate;
    table->GetTemplate(&reportTemplate);
    if (!reportTemplate) return SString();
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(reportTemplate->GetParentReport());
    if (!report) return SString();
    return report->GetTitleFromPath(path);
}

HRESULT SRptTableCellImpl::PutResPath(const SString& value) {
    if (_mbscmp(value.c_str(), GetResPath().c_str()) == 0) return S_FALSE;
    m_resPath = value;
    PostSetAttribute(RPTTABLECELL_RESPATH);
    return S_OK;
}

// ---- SRptTableCellImpl: row, paragraph, construction ----

HRESULT SRptTableCellImpl::GetRow(ISRptTableRow** pTableRow) {
    return SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLECELL_ROWFROMCELL, pTableRow);
}

HRESULT SRptTableCellImpl::GetPara(ISRptPara** pPara) {
    if (!pPara) return E_INVALIDARG;
    *pPara = nullptr;
    SComWrap<ISRptTableRow> row;
    HRESULT hr = GetRow(&row);
    if (FAILED(hr)) return hr;
    if (!row) throw SECOMException(E_POINTER);
    SComWrap<ISRptTable> table;
    hr = row->GetTable(&table);
    if (FAILED(hr)) return hr;
    if (!table) throw SECOMException(E_POINTER);
    // Title cells take the table's cell-title paragraph, the others its cell-text paragraph.
    const int32_t position = GetTitle() ? RPTTABLE_PARA_CELLTITLE : RPTTABLE_PARA_CELLTEXT;
    const SRepClassColPtr paragraphs(table.Get(), RPTPARACONTAINER_PARAGRAPHS);
    SComWrap<ISRptPara> para;
    para = static_cast<IUnknown*>(paragraphs.Item(position).Get());
    *pPara = para.Detach();
    return S_OK;
}

HRESULT SRptTableCellImpl::ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE) {
    if (!pCellDef) return S_FALSE;
    return E_NOTIMPL;
}

// ---- SRptTableCellRegistry ----

namespace {
// The cell's width is edited with its own editor: a fixed width or a percentage.
constexpr SAttrEditorMapEntry kTableCellEditors[] = {
    {RPTTABLECELL_WIDTH, &SRptAttrEditorTableCellWidth::classInfo},
    {0, nullptr},
};
}  // namespace

const SAttrEditorMap SRptTableCellRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap, kTableCellEditors};

// Cells are allocated one by one.
SRptTableCellRegistry::SRptTableCellRegistry()
    : SRepStaticRegistry(CLSID_SRptTableCell, &attrEditorMap, &SRepComObject<SRptTableCellImpl>::Factory,
                         &SRptTableCellMem::ClassIsKindOf, &SRptTableCellMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
