#include "rpt/objs/tables/SRptFormMem.h"

#include <map>
#include <optional>
#include <set>

#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptDlgFormLayout.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/tables/SRptFormCellMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "varod9/RptApi.h"
#include "varod9/RptParaFormat.h"
#include "varod9/RptTableDef.h"

namespace {

// How a form row is identified: by the CellID of its keyword cells. The registered form gives each
// key the path of the row's last plain cell (the one a row's path is written into).
struct SRowKeys {
    std::optional<int32_t> firstKey;
    std::optional<int32_t> lastKey;
    SString lastPath;
};

SRowKeys ReadRowKeys(ISRptFormRow* row) {
    SRowKeys keys;
    SRepObjIterator cells(static_cast<ISRepObject*>(row), RPTTABLEROW_CELLS);
    SComWrap<ISRptFormCell> cell;
    while (cells.Next(cell)) {
        if (!cell) continue;
        if (!cell->GetKeyword()) {
            keys.lastPath = cell->GetResPath();
            continue;
        }
        if (!keys.firstKey) keys.firstKey = cell->GetCellID();
        keys.lastKey = cell->GetCellID();
    }
    return keys;
}

// The registered rows' paths by key. A row without a keyword cell has no key to be found by; where
// two rows have the same key, the first one counts.
std::map<int32_t, SString> RegisteredPaths(ISRptTable* registered) {
    std::map<int32_t, SString> paths;
    SRepObjIterator rows(static_cast<ISRepObject*>(registered), RPTTABLE_ROWS);
    SComWrap<ISRptFormRow> row;
    while (rows.Next(row)) {
        if (!row) continue;
        const SRowKeys keys = ReadRowKeys(row.Get());
        if (keys.lastKey) paths.emplace(*keys.lastKey, keys.lastPath);
    }
    return paths;
}

// Gives a row the registered path of its keys and notes the keys found; false when one of its
// keys is not registered (the row is then left as it is, to be deleted). The path goes into the
// row's last plain cell; an empty one leaves the cell's path as it is.
bool MatchRow(ISRptFormRow* row, const std::map<int32_t, SString>& registered, std::set<int32_t>& matched) {
    SString path;
    SComWrap<ISRptFormCell> lastPlain;
    bool missing = false;
    SRepObjIterator cells(static_cast<ISRepObject*>(row), RPTTABLEROW_CELLS);
    SComWrap<ISRptFormCell> cell;
    while (cells.Next(cell)) {
        if (!cell) continue;
        if (!cell->GetKeyword()) {
            lastPlain = cell;
            continue;
        }
        const int32_t key = cell->GetCellID();
        auto found = registered.find(key);
        if (found == registered.end()) {
            missing = true;
            continue;
        }
        path = found->second;
        matched.insert(key);
    }
    if (missing) return false;
    if (lastPlain && !path.IsEmpty()) lastPlain->PutResPath(path);
    return true;
}

}  // namespace

// ---- SRptFormImpl: construction and paragraphs ----

HRESULT SRptFormImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptTableImpl::ConstructWithItemDef(pItemDef);
    HRESULT hr = SetupParagraphs();
    if (FAILED(hr)) return hr;
    hr = SetupCells(pItemDef);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptFormImpl::SetupParagraphs() {
    const HRESULT result = SRptTableImpl::SetupParagraphs();
    Paragraphs paras;
    const HRESULT hr = SetupStockParagraphs(paras);
    if (FAILED(hr)) return hr;
    for (const SComWrap<ISRptPara>& para : paras) para->PutFlow(RPT_PARA_FLOW_KEEPNEXT);
    FrameCellParagraphs(paras);
    return result;
}

const SRptTableImpl::SKind& SRptFormImpl::GetKind() const {
    static const SKind kind{{IDS_RPT_CARD_TITLE, IDS_RPT_CARD_LABEL, IDS_RPT_CARD_TEXT},
                            {SRptFont::RPT_FONT_FORM_TITLE, SRptFont::RPT_FONT_FORM_LABEL, SRptFont::RPT_FONT_FORM_ITEM},
                            CLSID_SRptFormRow,
                            CLSID_SRptFormCell,
                            RPTTABLECELLDEF_SIZE_FORM,
                            SRptBrowserNodeKind::Form,
                            SRptDlgFormLayout::IDD};
    return kind;
}

HRESULT SRptFormImpl::IsParaSupportBox(int32_t nPos) noexcept {
    return nPos == RPTTABLE_PARA_CELLTITLE ? S_OK : S_FALSE;
}

// ---- SRptFormImpl: label paths ----

HRESULT SRptFormImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered || GetNbRows() == 0) return E_FAIL;
    const std::map<int32_t, SString> registered = RegisteredPaths(pRegistered);
    std::set<int32_t> matched;
    ObjectSet unknown;
    SRepObjIterator rows(static_cast<ISRepObject*>(this), RPTTABLE_ROWS);
    SComWrap<ISRptFormRow> row;
    while (rows.Next(row)) {
        if (row && !MatchRow(row.Get(), registered, matched)) AddTo(unknown, row.Get());
    }
    // Deleted after the walk, which they would otherwise cut short.
    DeleteEach(unknown);

    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!session) return S_OK;
    // The registered rows that no row of the form stands for, each key once.
    const SRepClassColPtr ownRows = Rows();
    SRepObjIterator registeredRows(static_cast<ISRepObject*>(pRegistered), RPTTABLE_ROWS);
    while (registeredRows.Next(row)) {
        if (!row) continue;
        const std::optional<int32_t> key = ReadRowKeys(row.Get()).firstKey;
        if (!key || !matched.insert(*key).second) continue;
        AppendCopy(row.Get(), session.Get(), ownRows);
    }
    return S_OK;
}
