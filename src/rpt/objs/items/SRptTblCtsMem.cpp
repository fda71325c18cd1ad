#include "rpt/objs/items/SRptTblCtsMem.h"

#include <algorithm>
#include <array>
#include <limits>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/module/SRptFont.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/SInteraction.h"

namespace {


// The report font kind of the paragraph at a position: the title's, then one per level.
int32_t FontKindAt(int32_t position) {
    return SRptFont::RPT_FONT_TOC_TITLE + position;
}

}  // namespace

// ---- SRptTblCtsImpl: titles ----

SString SRptTblCtsImpl::GetDispTitle() {
    return GetUserDefined() ? GetTitle() : GetExDefTitle();
}

SString SRptTblCtsImpl::GetExDefTitle() {
    // Only a report knows its title for a table of contents, so only an item in a template of a
    // report has one.
    SComWrap<ISRptTemplate> reportTemplate;
    GetTemplate(&reportTemplate);
    if (!reportTemplate) return SString();
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(reportTemplate->GetParentReport());
    if (!report) return SString();
    return report->GetExTitle(RPT_TBLCTS_ITEM_TYPE);
}

// ---- SRptTblCtsImpl: construction and paragraphs ----

HRESULT SRptTblCtsImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptItemImpl::ConstructWithItemDef(pItemDef);
    SModuleStateGuard state(SRptGetModuleState());
    PutTitle(SRptLoadString(IDS_RPT_TABLE_OF_CONTENTS, RPT_TBLCTS_DEFAULT_TITLE));
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptParaTitle, 0);
    if (FAILED(hr)) return hr;
    for (int32_t position = 1; position < RPT_TBLCTS_PARAGRAPHS; ++position) {
        hr = SRptCreateParagraph(this, CLSID_SRptParaItem, position);
        if (FAILED(hr)) return hr;
    }
    hr = SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTblCtsImpl::SetupParagraphs() {
    const HRESULT result = SRptItemImpl::SetupParagraphs();
    std::array<SComWrap<ISRptPara>, RPT_TBLCTS_PARAGRAPHS> paras;
    for (int32_t position = 0; position < RPT_TBLCTS_PARAGRAPHS; ++position) {
        const HRESULT hr = GetParaAtPos(position, &paras[position]);
        if (FAILED(hr)) return hr;
    }
    for (int32_t position = 0; position < RPT_TBLCTS_PARAGRAPHS; ++position) {
        if (!paras[position]) throw SECOMException(E_POINTER);
        paras[position]->ConstructStockPara(static_cast<uint32_t>(FontKindAt(position)));
    }
    for (int32_t level = 1; level <= RPT_TBLCTS_LEVELS; ++level) paras[level]->PutFillTabs(true);
    for (int32_t level = 1; level <= RPT_TBLCTS_LEVELS; ++level)
        paras[level]->PutLeft(static_cast<int16_t>(RPT_TBLCTS_LEVEL_INDENT * (level - 1)));
    // The page numbers stand right-aligned at the right margin of the printed page.
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    if (SPrinterCache* printer = globals ? globals->GetPrinterCache() : nullptr) {
        const RECT margins = printer->GetMargins();
        const POINT page = printer->GetPageSize();
        const int64_t width = int64_t{page.x} - margins.left - margins.right;
        RPTTABPOS tab;
        tab.position = static_cast<int32_t>(std::clamp<int64_t>(width, std::numeric_limits<int32_t>::min(),
                                                                std::numeric_limits<int32_t>::max()));
        tab.alignment = RPT_TABPOS_ALIGN_RIGHT;
        for (int32_t level = 1; level <= RPT_TBLCTS_LEVELS; ++level) paras[level]->SetTabs(1, &tab);
    }
    return result;
}

SString SRptTblCtsImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    if (position == 0) return SRptLoadString(IDS_RPT_TOC_TITLE);
    if (position >= 1 && position <= RPT_TBLCTS_LEVELS)
        return SRptLoadString(IDS_RPT_TOC_LEVEL_1 + static_cast<uint32_t>(position - 1));
    return SRptItemImpl::GetParaName(pPara);
}

int32_t SRptTblCtsImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position >= 0 && position < RPT_TBLCTS_PARAGRAPHS ? FontKindAt(position) : -1;
}

// ---- SRptTblCtsImpl: browser node and commands ----

HRESULT SRptTblCtsImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                            ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                            SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::TblCts, this, pBrowser, pParent, pPrevious, dispid,
                                             bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTblCtsImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptTblCtsImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT: SRptItemEditor::LevelFormatDialog(selectedItems, 0); return S_OK;
        case ID_RPT_ITEM_EDIT: return EditTitle();
        default: return S_FALSE;
    }
}

HRESULT SRptTblCtsImpl::EditTitle() {
    SRptTextEdit edit;
    edit.defaultText = GetExDefTitle();
    edit.text = GetDispTitle();
    edit.userDefined = GetUserDefined() ? 1 : 0;
    // The report's title may be replaced by the user's own; the fields may not be inserted.
    edit.enableInsert = 0;
    edit.enableUserDefined = 1;
    if (SRptItemEditor::TextEditDialog(this, edit) == IDOK) {
        PutTitle(edit.text);
        PutUserDefined(edit.userDefined != 0);
    }
    return S_OK;
}
