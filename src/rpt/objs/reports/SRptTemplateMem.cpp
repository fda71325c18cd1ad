#include "rpt/objs/reports/SRptTemplateMem.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "platform/base/SMbcs.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjIterator.h"
#include "rpt/dialogs/SRptDlgHeaderFooter.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/paras/SRptParaFooterMem.h"
#include "rpt/objs/paras/SRptParaHeaderMem.h"
#include "rpt/objs/reports/SRptPageSetupPrompt.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptAddToContents.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTabulation.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/RptApi.h"
#include "varod9/RptParaFormat.h"

namespace {

// The positions of the header and footer paragraphs, which are also their stock and font kinds.
constexpr int32_t kHeaderPara = 0;
constexpr int32_t kFooterPara = 1;
// Names of the two paragraphs in the library's string table.
constexpr uint32_t IDS_RPT_PARA_HEADER = 5160;
constexpr uint32_t IDS_RPT_PARA_FOOTER = 5162;
// Duplicate's flag for a copy of the whole object with what it owns.
constexpr uint32_t kDuplicateDeep = 1;

const char* const kDefaultHeader = "%MODULE%\t%MODELNAME%";

bool SameText(const SString& a, const SString& b) {
    return _mbscmp(a.c_str(), b.c_str()) == 0;
}

// Paper width minus the left and right margins, kept within 32 bits.
int32_t PrintableWidth(const POINT& paper, const RECT& margins) {
    const int64_t width = int64_t{paper.x} - margins.right - margins.left;
    return static_cast<int32_t>(
        std::clamp<int64_t>(width, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

RPTTABPOS TabAt(int32_t position, int16_t alignment) {
    RPTTABPOS tab;
    tab.position = position;
    tab.alignment = alignment;
    return tab;
}

// A text as the device expands it, and whether it must be expanded again.
std::pair<SString, bool> ExpandWith(ISRptDevice* device, const SString& moduleId, const SString& text) {
    SString expanded;
    int32_t needExpand = 0;
    device->ExpandHeaderFooter(moduleId, text, expanded, needExpand);
    return {expanded, needExpand != 0};
}

SPrinterCache* GetThePrinterCache() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetPrinterCache() : nullptr;
}

SRptModuleItemTable* GetTheModuleItemTable() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    return globals ? globals->GetModuleItemTable() : nullptr;
}

// The registered item under a key, or empty; a missing key adds nothing.
SComWrap<ISRptItem> FindRegisteredItem(SRptModuleItemTable& table, const SString& moduleId, const SString& itemId) {
    SComWrap<ISRptItem> found;
    if (auto entry = table.GetEntry(SRptModuleItemTableEntry(moduleId, itemId))) found = entry.GetValue();
    return found;
}

}  // namespace

// ---- SRptTemplateMem ----

SComWrap<ISRepObject> SRptTemplateMem::GetParentReport() {
    SComWrap<ISRepObject> report;
    static_cast<ISRepObject*>(this)->GetObjectA(RPTTEMPLATE_REPORT, &report);
    return report;
}

// ---- parent report ----

ISRepObject* SRptTemplateImpl::GetParentReport() {
    return SRptTemplateMem::GetParentReport().Get();
}

HRESULT SRptTemplateImpl::ComputeParentReport(ISRepObject** pParent) {
    if (!pParent) return E_POINTER;
    *pParent = nullptr;
    SComWrap<ISRepClassCol> reports;
    const HRESULT hr = GetCollection(RPTTEMPLATE_REPORT, &reports);
    if (FAILED(hr)) return hr;
    if (!reports) return E_POINTER;
    int32_t count = 0;
    SComCheck(reports->GetCount(&count));
    if (count == 0) return S_FALSE;
    return reports->Item(0, pParent);
}

SComWrap<ISRptReport> SRptTemplateImpl::GetParentReportInterface() {
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(SRptTemplateMem::GetParentReport().Get());
    return report;
}

SString SRptTemplateImpl::GetExtendedTitle(uint32_t kind) {
    SComWrap<ISRptReport> report = GetParentReportInterface();
    return report ? report->GetExTitle(kind) : SString();
}

HRESULT SRptTemplateImpl::OnUpdateAttribute(int32_t id) {
    if (id == RPTITEM_MODULEID) {
        // The items follow the template's new module.
        if (SComWrap<ISRptReport> report = GetParentReportInterface())
            report->SyncTemplateWithAvailableItems(static_cast<ISRptTemplate*>(this));
    } else if (id == SREP_DISPID_NAME) {
        // The report carries the name of the template renamed last.
        if (SComWrap<ISRptReport> report = GetParentReportInterface()) {
            SRepVariant name;
            name.SetText(m_name);
            report->SetAttribute(SREP_DISPID_NAME, name);
        }
    }
    return SRptTemplateMem::OnUpdateAttribute(id);
}

// ---- placing items ----

HRESULT SRptTemplateImpl::AddTemplateItem(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos,
                                          ISRptItem** pNewItem) {
    if (!pRegItem || !pParent || !pNewItem) return E_POINTER;
    *pNewItem = nullptr;
    SComWrap<ISRepSession> session;
    GetSession(&session);
    SComWrap<ISRepObject> source;
    source = static_cast<IUnknown*>(pRegItem);
    if (!source) SComThrow(E_POINTER);
    SComWrap<ISRepObject> copy;
    const HRESULT hr = source->Duplicate(session.Get(), kDuplicateDeep, nullptr, &copy);
    // A copy that did not come is a failure, whatever the code said.
    if (FAILED(hr)) return hr;
    if (!copy) return E_FAIL;

    SComWrap<ISRptAddToContents> addToContents;
    addToContents = static_cast<IUnknown*>(copy.Get());
    if (addToContents) {
        const HRESULT refused = addToContents->OnPreAddToContents();
        if (refused != S_OK) {
            copy->Delete();
            return refused;
        }
    }
    SComWrap<ISRptItem> item;
    item = static_cast<IUnknown*>(copy.Get());
    if (!item) SComThrow(E_POINTER);
    item->SetInTemplateRecursive(true);
    pParent->Items().Insert(nPos, copy.Get());
    if (addToContents) {
        const HRESULT refused = addToContents->OnPostAddToContents();
        if (refused != S_OK) {
            copy->Delete();
            return refused;
        }
    }
    item->PostAddTemplateItem();
    *pNewItem = item.Detach();
    return S_OK;
}

HRESULT SRptTemplateImpl::AddTemplateItemWithParent(ISRptItem* pRegItem, ISRptItem* pParent, int32_t nPos,
                                                    ISRptItem** pNewItem) {
    if (!pRegItem || !pParent || !pNewItem) return E_POINTER;
    SRptItemIdSet itemIds;
    itemIds.insert(pRegItem->GetItemID());
    SComWrap<ISRptItem> current(pRegItem);
    while (current && current->CanDropItemIntoParentAtPos(pParent, nPos) != S_OK) {
        SComWrap<ISRptItem> parent;
        current->GetParentItem(&parent);
        if (parent) itemIds.insert(parent->GetItemID());
        current = parent;
    }
    const HRESULT hr = AddTemplateItem(current.Get(), pParent, nPos, pNewItem);
    if (hr != S_OK) return hr;
    return PruneAddedItem(*pNewItem, itemIds);
}

HRESULT SRptTemplateImpl::PruneAddedItem(ISRptItem* pItem, const SRptItemIdSet& itemIds) {
    if (!pItem) return E_INVALIDARG;
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(pItem);
    if (!object || !object->HasCollection(RPTITEM_ITEMS)) return S_OK;
    // The iterator survives the deletion of the child it stands on.
    SRepObjIterator children(object.Get(), RPTITEM_ITEMS);
    SComWrap<ISRptItem> child;
    while (children.Next(child)) {
        if (!child) SComThrow(E_POINTER);
        if (itemIds.count(child->GetItemID())) continue;
        const HRESULT hr = DeleteTemplateItem(child.Get());
        if (hr != S_OK) return hr;
    }
    return S_OK;
}

HRESULT SRptTemplateImpl::DeleteTemplateItem(ISRptItem* pItem) {
    if (!pItem) return E_INVALIDARG;
    return pItem->Delete();
}

// ---- creation, page set-up, header and footer ----

HRESULT SRptTemplateImpl::OnInitialize(ISRepObject* parent) {
    PutInTemplate(true);
    SetupPageSetup();
    return SRptTemplateMem::OnInitialize(parent);
}

HRESULT SRptTemplateImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptItemImpl::ConstructWithItemDef(pItemDef);
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptParaHeader, kHeaderPara);
    if (FAILED(hr)) return hr;
    hr = SRptCreateParagraph(this, CLSID_SRptParaFooter, kFooterPara);
    if (FAILED(hr)) return hr;
    SetupPageSetup();
    hr = SetupParagraphs();
    if (FAILED(hr)) return hr;
    hr = SetupHeaderFooter();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTemplateImpl::SetupPageSetup() {
    SPrinterCache* printer = GetThePrinterCache();
    if (!printer) return S_OK;
    PutMargin(printer->GetMargins());
    PutMinMargin(printer->GetMinMargins());
    PutPaperSize(printer->GetPageSize());
    // A printer that has no orientation or paper to report leaves portrait A4.
    const int32_t orientation = printer->GetOrientation();
    PutOrientation(orientation > 0 ? orientation : DMORIENT_PORTRAIT);
    const int32_t paper = printer->GetPaperSize();
    PutPaperFormat(paper > 0 ? paper : DMPAPER_A4);
    return S_OK;
}

int32_t SRptTemplateImpl::GetPrintableWidth() const {
    return PrintableWidth(m_paperSize, m_margin);
}

HRESULT SRptTemplateImpl::SetupParagraphs() {
    const HRESULT result = SRptItemImpl::SetupParagraphs();
    SComWrap<ISRptPara> header;
    SComWrap<ISRptPara> footer;
    HRESULT hr = GetParaAtPos(kHeaderPara, &header);
    if (FAILED(hr)) return hr;
    hr = GetParaAtPos(kFooterPara, &footer);
    if (FAILED(hr)) return hr;
    if (!header || !footer) SComThrow(E_POINTER);
    header->ConstructStockPara(kHeaderPara);
    footer->ConstructStockPara(kFooterPara);
    // A line under the header and one above the footer.
    header->PutBorder(RPT_PARA_BORDER_BOTTOM);
    footer->PutBorder(RPT_PARA_BORDER_TOP);
    const int32_t width = GetPrintableWidth();
    const RPTTABPOS tabs[] = {TabAt(width / 2, RPT_TABPOS_ALIGN_CENTER), TabAt(width, RPT_TABPOS_ALIGN_RIGHT)};
    header->SetTabs(2, tabs);
    footer->SetTabs(2, tabs);
    return result;
}

HRESULT SRptTemplateImpl::SetupHeaderFooter() {
    int32_t width = RPT_TEMPLATE_DEFAULT_WIDTH;
    if (SPrinterCache* printer = GetThePrinterCache()) width = PrintableWidth(printer->GetPageSize(), printer->GetMargins());
    const RPTTABPOS headerTabs[] = {TabAt(width, RPT_TABPOS_ALIGN_RIGHT)};
    const RPTTABPOS footerTabs[] = {TabAt(width / 2, RPT_TABPOS_ALIGN_CENTER), TabAt(width, RPT_TABPOS_ALIGN_RIGHT)};
    RPTHEADERFOOTERDEF def;
    def.HeaderText = kDefaultHeader;
    def.HeaderTabCount = 1;
    def.HeaderTabs = headerTabs;
    def.FooterText = SRptLoadString(IDS_RPT_APPLICATION_NAME, "Report Editor") + "\t%DATE%" + "\tPage %PAGE%";
    def.FooterTabCount = 2;
    def.FooterTabs = footerTabs;
    const HRESULT hr = SetHeaderFooter(&def);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTemplateImpl::SetParaTabs(int32_t position, int32_t count, const RPTTABPOS* tabs) {
    SComWrap<ISRptPara> para;
    SComCheck(GetParaAtPos(position, &para));
    if (!para) SComThrow(E_POINTER);
    return para->SetTabs(count, tabs);
}

HRESULT SRptTemplateImpl::SetHeaderFooter(const RPTHEADERFOOTERDEF* pDef) {
    if (!pDef || pDef->Size != RPT_HEADERFOOTERDEF_SIZE) return E_INVALIDARG;
    if (pDef->HeaderTabCount > 0 && pDef->HeaderTabs) {
        const HRESULT hr = SetParaTabs(kHeaderPara, pDef->HeaderTabCount, pDef->HeaderTabs);
        if (FAILED(hr)) return hr;
    }
    if (pDef->FooterTabCount > 0 && pDef->FooterTabs) {
        const HRESULT hr = SetParaTabs(kFooterPara, pDef->FooterTabCount, pDef->FooterTabs);
        if (FAILED(hr)) return hr;
    }
    PutHeader(pDef->HeaderText);
    PutFooter(pDef->FooterText);
    return S_OK;
}

SString SRptTemplateImpl::GetDispHeader() {
    return m_headUserDef ? m_header : GetExDefHeader();
}

SString SRptTemplateImpl::GetDispFooter() {
    return m_footUserDef ? m_footer : GetExDefFooter();
}

HRESULT SRptTemplateImpl::InitHeaderFooter(ISRptDevice* pOutDevice) {
    PutHeaderNeedExpand(true);
    PutFooterNeedExpand(true);
    return ExpandHeaderFooter(pOutDevice);
}

HRESULT SRptTemplateImpl::ExpandHeaderFooter(ISRptDevice* pOutDevice) {
    if (!pOutDevice) return E_INVALIDARG;
    const SString moduleId = GetModuleID();
    if (m_headerNeedExpand) {
        const auto [expanded, needExpand] = ExpandWith(pOutDevice, moduleId, GetDispHeader());
        PutExpHeader(expanded);
        PutHeaderNeedExpand(needExpand);
    }
    if (m_footerNeedExpand) {
        const auto [expanded, needExpand] = ExpandWith(pOutDevice, moduleId, GetDispFooter());
        PutExpFooter(expanded);
        PutFooterNeedExpand(needExpand);
    }
    return S_OK;
}

SString SRptTemplateImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(static_cast<ISRepObject*>(this), pPara, &position)) return SString();
    if (position == kHeaderPara) return SRptLoadString(IDS_RPT_PARA_HEADER, "Header");
    if (position == kFooterPara) return SRptLoadString(IDS_RPT_PARA_FOOTER, "Footer");
    return SRptTemplateMem::GetParaName(pPara);
}

int32_t SRptTemplateImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    if (!SRptGetParaPosition(static_cast<const ISRepObject*>(this), pPara, &position)) return -1;
    return position == kHeaderPara || position == kFooterPara ? position : -1;
}

HRESULT SRptTemplateImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                              SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::Template, static_cast<ISRepObject*>(this), pBrowser,
                                             pParent, pPrevious, dispid, bIsTemplateEditor, pBrowserNodeItem);
}

// ---- popup commands ----

HRESULT SRptTemplateImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>&, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_HEADER_FOOTER: EditHeaderFooter(); return S_OK;
        case ID_FILE_PAGE_SETUP: EditPageSetup(); return S_OK;
        default: return S_FALSE;
    }
}

void SRptTemplateImpl::EditHeaderFooter() {
    SRptDlgHeaderFooter dialog(static_cast<ISRptItem*>(this), GetDispHeader(), GetDispFooter(), GetExDefHeader(), GetExDefFooter(),
                               m_headUserDef ? 1 : 0, m_footUserDef ? 1 : 0);
    if (dialog.DoModal() != IDOK) return;
    PutHeader(dialog.GetHeaderText());
    PutFooter(dialog.GetFooterText());
    PutHeadUserDef(dialog.GetHeadUserDef() != 0);
    PutFootUserDef(dialog.GetFootUserDef() != 0);
}

void SRptTemplateImpl::EditPageSetup() {
    SPrinterCache* printer = GetThePrinterCache();
    if (!printer) return;
    // The dialog opens on the template's page set-up, which the shared cache keeps even when the
    // user cancels.
    printer->SetMargins(m_margin);
    printer->SetMinMargins(m_minMargin);
    printer->SetPageSize(m_paperSize);
    printer->SetOrientation(m_orientation);
    printer->SetPaperSize(m_paperFormat);
    const RECT oldMargin = m_margin;
    const int32_t oldWidth = GetPrintableWidth();
    SRptPageSetupPrompt dialog(*printer);
    if (!dialog.DoPageSetupDialog()) return;

    SComWrap<ISRptPara> header;
    SComWrap<ISRptPara> footer;
    SComCheck(GetParaAtPos(kHeaderPara, &header));
    SComCheck(GetParaAtPos(kFooterPara, &footer));
    if (!header || !footer) SComThrow(E_POINTER);
    PutMargin(printer->GetMargins());
    PutMinMargin(printer->GetMinMargins());
    PutPaperSize(printer->GetPageSize());
    if (const int32_t orientation = printer->GetOrientation()) PutOrientation(orientation);
    if (const int32_t paper = printer->GetPaperSize()) PutPaperFormat(paper);
    // A page set-up that left nothing to print on gives no measure to rescale by: the stops stay.
    if (oldWidth <= 0) return;
    const int32_t newWidth = GetPrintableWidth();
    RescaleTabs(header.Get(), oldMargin.left, oldWidth, m_margin.left, newWidth);
    RescaleTabs(footer.Get(), oldMargin.left, oldWidth, m_margin.left, newWidth);
}

void SRptTemplateImpl::RescaleTabs(ISRptPara* para, int32_t oldLeft, int32_t oldWidth, int32_t newLeft,
                                   int32_t newWidth) {
    const int32_t count = para->GetNbTabs();
    for (int32_t i = 0; i < count; ++i) {
        SComWrap<ISRptTabulation> tab;
        SComCheck(para->GetTabPosAtIndex(i, &tab));
        if (!tab) SComThrow(E_POINTER);
        const double offset = static_cast<double>(tab->GetPosition()) - oldLeft;
        const double moved = newLeft + static_cast<double>(newWidth) * offset / oldWidth;
        const double clamped = std::clamp(std::trunc(moved), static_cast<double>(std::numeric_limits<int32_t>::min()),
                                          static_cast<double>(std::numeric_limits<int32_t>::max()));
        tab->PutPosition(static_cast<int32_t>(clamped));
    }
}

// ---- moving items ----

HRESULT SRptTemplateImpl::MoveContentsItemDirctn(const SComTable<ISRepObject>& selectedObjects, uint32_t nDirctn) {
    // Every plan is made on the tree as it is, before anything moves.
    std::vector<MOVESTRUCT> plans;
    for (int32_t i = 0; i < selectedObjects.GetSize(); ++i) {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(selectedObjects.GetAt(i));
        MOVESTRUCT move;
        if (ComputeMoveParameters(item.Get(), nDirctn, move) == S_OK) plans.push_back(std::move(move));
    }
    // Up-moves from the top and down-moves from the bottom, so that none takes the place another
    // is about to leave; a block of selected siblings moves as a block.
    if (nDirctn == RPT_MOVE_UP)
        std::stable_sort(plans.begin(), plans.end(),
                         [](const MOVESTRUCT& a, const MOVESTRUCT& b) { return a.nPos < b.nPos; });
    else if (nDirctn == RPT_MOVE_DOWN)
        std::stable_sort(plans.begin(), plans.end(),
                         [](const MOVESTRUCT& a, const MOVESTRUCT& b) { return a.nPos > b.nPos; });
    HRESULT first = S_OK;
    for (const MOVESTRUCT& move : plans) {
        const HRESULT hr = MoveContentsItem(move.pItem.Get(), move.pTarget.Get(), move.nPos);
        if (FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    return first;
}

HRESULT SRptTemplateImpl::ComputeMoveParameters(ISRptItem* pItem, uint32_t nDirctn, MOVESTRUCT& move) {
    if (!pItem || SRepIsKindOf(pItem, CLSID_SRptTemplate)) return S_FALSE;
    SComWrap<ISRptItem> parent;
    SComCheck(pItem->GetParentItem(&parent));
    if (!parent) SComThrow(E_POINTER);
    int32_t count = 0;
    SComCheck(parent->GetChildCount(&count));
    int32_t position = -1;
    SComCheck(pItem->GetPosInParentCollection(&position));
    SComWrap<ISRptItem> target;
    int32_t newPosition = 0;
    switch (nDirctn) {
        case RPT_MOVE_UP:
            if (position <= 0) return S_FALSE;
            target = parent;
            newPosition = position - 1;
            break;
        case RPT_MOVE_DOWN:
            if (position >= count - 1) return S_FALSE;
            target = parent;
            newPosition = position + 1;
            break;
        case RPT_MOVE_RAISE: {
            // Nothing leaves its template: the item lands just before its former parent.
            if (SRepIsKindOf(parent.Get(), CLSID_SRptTemplate)) return S_FALSE;
            SComCheck(parent->GetParentItem(&target));
            if (!target) return S_FALSE;
            SComCheck(parent->GetPosInParentCollection(&newPosition));
            break;
        }
        case RPT_MOVE_LOWER: {
            if (position >= count - 1) return S_FALSE;
            SComWrap<ISRepObject> next;
            SComCheck(parent->GetChildItemAtPos(position + 1, &next));
            target = static_cast<IUnknown*>(next.Get());
            if (!target) SComThrow(E_POINTER);
            if (!target->GetContainer()) return S_FALSE;
            newPosition = 0;
            break;
        }
        default: return S_FALSE;
    }
    move.pItem.Reset(pItem);
    move.pTarget = std::move(target);
    move.nPos = newPosition;
    return S_OK;
}

HRESULT SRptTemplateImpl::MoveContentsItem(ISRptItem* pItem, ISRptItem* pTarget, int32_t nPos) {
    if (!pItem || !pTarget) return E_INVALIDARG;
    SComWrap<ISRptItem> parent;
    SComCheck(pItem->GetParentItem(&parent));
    if (!parent) SComThrow(E_POINTER);
    int32_t position = -1;
    SComCheck(pItem->GetPosInParentCollection(&position));
    SRepClassColPtr from = parent->Items();
    SRepClassColPtr to = pTarget->Items();
    if (!from || !to) SComThrow(E_POINTER);
    // Held here while it belongs to no collection.
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(pItem);
    if (!object) SComThrow(E_POINTER);
    // Within one parent this moves the entry; across parents the item leaves one for the other.
    // Neither deletes it.
    HRESULT hr = from->Remove(position);
    if (FAILED(hr)) return hr;
    hr = to->Insert(nPos, object.Get());
    if (SUCCEEDED(hr)) return S_OK;
    // The new place refused it: it goes back where it was, or at least back into its parent.
    if (FAILED(from->Insert(position, object.Get()))) from->Insert(-1, object.Get());
    return hr;
}

// ---- walks ----

HRESULT SRptTemplateImpl::RunWalk(uint32_t kind, intptr_t value) {
    SRptScanTreeHelper walk(kind, static_cast<ISRepObject*>(this), value);
    return walk.ScanTree(this);
}

HRESULT SRptTemplateImpl::RetrieveUserProcs(ISRptAvailableItems* pAvailableItems) {
    return RunWalk(RPTSCAN_KIND_USERPROCS, reinterpret_cast<intptr_t>(pAvailableItems));
}

HRESULT SRptTemplateImpl::RetrieveRegisteredItems(ISRptAvailableItems* pAvailableItems) {
    return RunWalk(RPTSCAN_KIND_REGISTEREDITEMS, reinterpret_cast<intptr_t>(pAvailableItems));
}

HRESULT SRptTemplateImpl::UpdateUserDefinedItems() {
    if (SComWrap<ISRptReport> report = GetParentReportInterface()) {
        PutHeadUserDef(!SameText(m_header, report->GetExTitle(RPT_EXTITLE_HEADER)));
        PutFootUserDef(!SameText(m_footer, report->GetExTitle(RPT_EXTITLE_FOOTER)));
    }
    return RunWalk(RPTSCAN_KIND_USERDEFINED, 0);
}

HRESULT SRptTemplateImpl::Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) {
    switch (kind) {
        case RPTSCAN_KIND_USERPROCS: return OnRetrieveProcItem(object, info);
        case RPTSCAN_KIND_REGISTEREDITEMS: return OnRetrieveRegisteredItems(object, info);
        case RPTSCAN_KIND_USERDEFINED: return OnUpdateUserDefinedItems(object, info);
        default: return E_INVALIDARG;
    }
}

HRESULT SRptTemplateImpl::OnRetrieveProcItem(ISRptItem* item, RPTSCANINFO* info) {
    if (!info) return S_OK;
    SComWrap<ISRptCustom> custom;
    custom = static_cast<IUnknown*>(item);
    if (!custom) {
        info->action = RPTSCAN_DESCEND;
        return S_OK;
    }
    SRptModuleItemTable* table = GetTheModuleItemTable();
    if (!table) return S_FALSE;
    SComWrap<ISRptItem> registered = FindRegisteredItem(*table, GetModuleID(), item->GetItemID());
    if (registered) {
        SComWrap<ISRptCustom> registeredCustom;
        registeredCustom = static_cast<IUnknown*>(registered.Get());
        if (registeredCustom) {
            SComWrap<IUnknown> procs;
            registeredCustom->GetUserProcs(&procs);
            custom->SetUserProcs(procs.Get());
            custom->PutResPath(registeredCustom->GetResPath());
            if (custom->IsKindOf(CLSID_SRptTable)) {
                SComWrap<ISRptTable> table;
                SComWrap<ISRptTable> registeredTable;
                table = static_cast<IUnknown*>(item);
                registeredTable = static_cast<IUnknown*>(registered.Get());
                if (table) table->UpdateLabelPath(registeredTable.Get());
            }
        }
    } else {
        // The module no longer offers the item: it leaves the template for good, so that no
        // orphan is kept or saved. The walk goes on with its next sibling.
        SComWrap<ISRptItem> parent;
        item->GetParentItem(&parent);
        if (!parent) SComThrow(E_POINTER);
        SComCheck(DeleteTemplateItem(item));
    }
    info->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptTemplateImpl::OnRetrieveRegisteredItems(ISRptItem* item, RPTSCANINFO* info) {
    if (!info) return S_OK;
    if (!item) {
        info->action = RPTSCAN_DESCEND;
        return S_OK;
    }
    SRptModuleItemTable* table = GetTheModuleItemTable();
    if (!table) return S_FALSE;
    SComWrap<ISRptItem> registered = FindRegisteredItem(*table, item->GetModuleID(), item->GetItemID());
    item->SetRegisteredItem(registered.Get());
    info->action = RPTSCAN_DESCEND;
    return S_OK;
}

HRESULT SRptTemplateImpl::OnUpdateUserDefinedItems(ISRptItem* item, RPTSCANINFO* info) {
    SComWrap<ISRptCustom> custom;
    custom = static_cast<IUnknown*>(item);
    if (custom) {
        if (!custom->IsKindOf(CLSID_SRptUserGraphic) && GetParentReportInterface())
            custom->PutUserDefined(!SameText(custom->GetTitle(), custom->GetDefaultTitle()));
    } else {
        SComWrap<ISRptTblCts> contents;
        contents = static_cast<IUnknown*>(item);
        if (contents) {
            if (SComWrap<ISRptReport> report = GetParentReportInterface())
                contents->PutUserDefined(!SameText(contents->GetTitle(), report->GetExTitle(RPT_EXTITLE_TBLCTS)));
        }
    }
    if (info) info->action = RPTSCAN_DESCEND;
    return S_OK;
}
