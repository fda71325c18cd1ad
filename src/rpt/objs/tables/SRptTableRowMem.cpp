#include "rpt/objs/tables/SRptTableRowMem.h"

#include <algorithm>

#include "platform/base/SECOMException.h"
#include "platform/gdi/MulDiv.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "rpt/objs/SRptOwnerEnd.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTableRowMem", "SRptTableRowMem");
constexpr uint32_t kStoredFlags = 0x8;

// The next cell of the walk; an element that is no cell is as wrong as a failing collection.
bool NextCell(SRepObjIterator& cells, SComWrap<ISRptTableCell>& cell) {
    if (!cells.Next(cell)) return false;
    if (!cell) throw SECOMException(E_POINTER);
    return true;
}

}  // namespace

// ---- SRptTableRowMem: the attribute protocol ----

HRESULT SRptTableRowMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLEROW_HEIGHTTYPE: value->SetShort(m_heightType); return S_OK;
            case RPTTABLEROW_HEIGHT: value->SetInt(m_height); return S_OK;
            case RPTTABLEROW_LEFT: value->SetInt(m_left); return S_OK;
            case RPTTABLEROW_ROWBREAK: value->SetBool(m_rowBreak); return S_OK;
            case RPTTABLEROW_ALIGNMENT: value->SetShort(m_alignment); return S_OK;
            case RPTTABLEROW_SPBETWEENCELLS: value->SetShort(m_spBetweenCells); return S_OK;
            case RPTTABLEROW_HEADINGROW: value->SetBool(m_headingRow); return S_OK;
            case RPTTABLEROW_FOOTINGROW: value->SetBool(m_footingRow); return S_OK;
            case RPTTABLEROW_ENABLED: value->SetBool(m_enabled); return S_OK;
            case RPTTABLEROW_CELLS:
            case RPTTABLEROW_TABLEFROMROW: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTableRowMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLEROW_HEIGHTTYPE: return VSet_SHORT(id, value, m_heightType);
            case RPTTABLEROW_HEIGHT: return VSet_INT(id, value, m_height);
            case RPTTABLEROW_LEFT: return VSet_INT(id, value, m_left);
            case RPTTABLEROW_ROWBREAK: return VSet_BOOL(id, value, m_rowBreak);
            case RPTTABLEROW_ALIGNMENT: return VSet_SHORT(id, value, m_alignment);
            case RPTTABLEROW_SPBETWEENCELLS: return VSet_SHORT(id, value, m_spBetweenCells);
            case RPTTABLEROW_HEADINGROW: return VSet_BOOL(id, value, m_headingRow);
            case RPTTABLEROW_FOOTINGROW: return VSet_BOOL(id, value, m_footingRow);
            case RPTTABLEROW_ENABLED: return VSet_BOOL(id, value, m_enabled);
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTableRowMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTABLEROW_HEIGHTTYPE: value->SetShort(RPTTABLEROW_HEIGHTTYPE_DEFAULT); return S_OK;
            case RPTTABLEROW_HEIGHT:
            case RPTTABLEROW_LEFT: value->SetInt(0); return S_OK;
            case RPTTABLEROW_ALIGNMENT: value->SetShort(RPTTABLEROW_ALIGNMENT_DEFAULT); return S_OK;
            case RPTTABLEROW_SPBETWEENCELLS: value->SetShort(RPTTABLEROW_SPBETWEENCELLS_DEFAULT); return S_OK;
            case RPTTABLEROW_ROWBREAK:
            case RPTTABLEROW_HEADINGROW:
            case RPTTABLEROW_FOOTINGROW: value->SetBool(false); return S_OK;
            case RPTTABLEROW_ENABLED: value->SetBool(true); return S_OK;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTableRowMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1:
        case RPTTABLEROW_HEIGHTTYPE:
        case RPTTABLEROW_HEIGHT:
        case RPTTABLEROW_LEFT:
        case RPTTABLEROW_ROWBREAK:
        case RPTTABLEROW_ALIGNMENT:
        case RPTTABLEROW_SPBETWEENCELLS:
        case RPTTABLEROW_HEADINGROW:
        case RPTTABLEROW_FOOTINGROW: return 0;
        case RPTTABLEROW_ENABLED: return kStoredFlags;
        default: return SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTableRowMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTABLEROW_HEIGHTTYPE:
        case RPTTABLEROW_ALIGNMENT:
        case RPTTABLEROW_SPBETWEENCELLS: return SREP_VT_SHORT;
        case RPTTABLEROW_HEIGHT:
        case RPTTABLEROW_LEFT: return SREP_VT_INT;
        case RPTTABLEROW_ROWBREAK:
        case RPTTABLEROW_HEADINGROW:
        case RPTTABLEROW_FOOTINGROW:
        case RPTTABLEROW_ENABLED: return SREP_VT_BOOL;
        default: return SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptTableRowMem::HasAttribute(int32_t id) const {
    return (id >= RPTTABLEROW_HEIGHTTYPE && id <= RPTTABLEROW_ENABLED) || SRptBaseMem::HasAttribute(id);
}

bool SRptTableRowMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTableRow || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptTableRowMem::ClassHasCollection(int32_t id) {
    return id == RPTTABLEROW_CELLS || id == RPTTABLEROW_TABLEFROMROW || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptTableRowMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTableRowRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTableRowImpl: cells and table ----

int32_t SRptTableRowImpl::GetNbCells() {
    SRepClassColPtr cells(static_cast<ISRepObject*>(this), RPTTABLEROW_CELLS);
    if (!cells) throw SECOMException(E_POINTER);
    return cells.GetCount();
}

HRESULT SRptTableRowImpl::GetCellsWidths(int32_t nParaWidth, int32_t* nWidths) {
    if (!nWidths) return E_INVALIDARG;
    SRepObjIterator cells(static_cast<ISRepObject*>(this), RPTTABLEROW_CELLS);
    SComWrap<ISRptTableCell> cell;
    // What the fixed widths leave is shared out in percent among the others; disabled cells take
    // no part. Summed in 64 bits: many wide cells must not wrap round into room.
    int64_t fixed = 0;
    while (NextCell(cells, cell)) {
        if (!cell->GetEnabled()) continue;
        const int16_t width = cell->GetWidth();
        if (width >= 0) fixed += width;
    }
    const int32_t rest = static_cast<int32_t>(std::max<int64_t>(0, int64_t{nParaWidth} - fixed));
    cells.Reset();
    int32_t* next = nWidths;
    while (NextCell(cells, cell)) {
        if (!cell->GetEnabled()) continue;
        const int16_t width = cell->GetWidth();
        *next++ = width > 0 ? width : MulDiv(-int32_t{width}, rest, 100);
    }
    return S_OK;
}

HRESULT SRptTableRowImpl::GetTable(ISRptTable** pTable) {
    return SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLEROW_TABLEFROMROW, pTable);
}

HRESULT SRptTableRowImpl::ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) {
    if (!pRowDef) return S_FALSE;
    return E_NOTIMPL;
}

// ---- SRptTableRowRegistry ----

const SAttrEditorMap SRptTableRowRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap,
                                                            SREP_NO_ATTR_EDITORS};

// Rows are allocated one by one.
SRptTableRowRegistry::SRptTableRowRegistry()
    : SRepStaticRegistry(CLSID_SRptTableRow, &attrEditorMap, &SRepComObject<SRptTableRowImpl>::Factory,
                         &SRptTableRowMem::ClassIsKindOf, &SRptTableRowMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
