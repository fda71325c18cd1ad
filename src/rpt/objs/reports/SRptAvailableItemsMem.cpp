#include "rpt/objs/reports/SRptAvailableItemsMem.h"

#include "platform/base/SMbcs.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComCheck.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "varod9/RptApi.h"

namespace {

// The built-in items, in the order they are made.
struct BuiltInItem {
    const char* itemId;
    GUID clsid;
    uint32_t labelId;
    const char* label;  // when the string table has no text for the id
    bool tocEntry;
};

constexpr BuiltInItem kBuiltInItems[] = {
    {"TBLCTS", CLSID_SRptTblCts, 5030, "Table of contents", false},
    {"TITLE", CLSID_SRptTitle, 5029, "Title", true},
    {"TEXT", CLSID_SRptText, 5031, "Text paragraph", false},
    {"TEXTFILE", CLSID_SRptTextFile, 5033, "Text file", true},
    {"GRAPHICFILE", CLSID_SRptGraphicFile, 5245, "Graphic file", true},
    {"PAGEBREAK", CLSID_SRptPageBreak, 5028, "Page break", false},
};

bool SameText(const SString& a, const SString& b) {
    return _mbscmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

// What the search carries down the walk.
struct SRptAvailableItemsImpl::SFindRecord {
    const GUID* clsid;
    SString itemId;
    SString moduleId;
    ISRptItem* from;   // while set, objects before it are not tested
    ISRptItem* to;     // its children are not looked into
    ISRptItem* found;  // the last match, without a reference
};

// ---- set-up ----

HRESULT SRptAvailableItemsImpl::FinalConstruct() {
    const HRESULT hr = SRptAvailableItemsMem::FinalConstruct();
    if (FAILED(hr)) return hr;
    PutLabel(SRptLoadString(IDS_RPT_AVAILABLE_ITEMS, "Available Items"));
    return hr;
}

HRESULT SRptAvailableItemsImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // The item part; a container sets up no paragraph.
    SRptItemImpl::ConstructWithItemDef(pItemDef);
    return S_OK;
}

HRESULT SRptAvailableItemsImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                                    ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                                    SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(SRptBrowserNodeKind::Available, static_cast<ISRepObject*>(this), pBrowser,
                                             pParent, pPrevious, dispid, bIsTemplateEditor, pBrowserNodeItem);
}

// ---- items ----

HRESULT SRptAvailableItemsImpl::AddItem(ISRptItem* pNewItem) {
    SComWrap<ISRepObject> item;
    item = static_cast<IUnknown*>(pNewItem);
    if (!pNewItem) return S_OK;
    Items().Insert(-1, item.Get());
    return S_OK;
}

HRESULT SRptAvailableItemsImpl::AddSubItem(ISRptItem* pNewItem, ISRptItem* pParentItem) {
    if (!pNewItem || !pParentItem) return S_OK;
    SComWrap<ISRepObject> item;
    item = static_cast<IUnknown*>(pNewItem);
    pParentItem->Items().Insert(-1, item.Get());
    return S_OK;
}

HRESULT SRptAvailableItemsImpl::CreateCommonItems() {
    RPTUSRITEMDEF def;
    def.ModuleID = GetModuleID();
    SComWrap<ISRepSession> session;
    GetSession(&session);
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    SRptModuleItemTable* table = globals ? globals->GetModuleItemTable() : nullptr;
    if (!table) return S_FALSE;
    SModuleStateGuard state(SRptGetModuleState());
    for (const BuiltInItem& builtIn : kBuiltInItems) {
        def.ItemID = builtIn.itemId;
        def.Label.LoadString(builtIn.labelId, builtIn.label);
        def.TOCEntry = builtIn.tocEntry ? 1 : 0;
        if (!session) SComThrow(E_POINTER);
        SComWrap<ISRepObject> object;
        HRESULT hr = session->CreateObject(builtIn.clsid, reinterpret_cast<void**>(&object), ISRepObject::iid, false);
        if (FAILED(hr)) return hr;
        if (!object) return E_OUTOFMEMORY;
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(object.Get());
        if (!item) SComThrow(E_POINTER);
        hr = item->ConstructWithItemDef(&def);
        if (FAILED(hr)) return hr;
        AddItem(item.Get());
        table->Enter(SRptModuleItemTableEntry(def.ModuleID, builtIn.itemId), item.Get());
    }
    return S_OK;
}

// ---- search ----

HRESULT SRptAvailableItemsImpl::FindItem(const GUID& clsid, const SString& sItemID, const SString& sModuleID,
                                         ISRptItem* pFromItem, ISRptItem* pToItem, ISRptItem** pFoundItem) {
    if (!pFoundItem) return E_POINTER;
    *pFoundItem = nullptr;
    SFindRecord record{&clsid, sItemID, sModuleID, pFromItem, pToItem, nullptr};
    SRptScanTreeHelper walk(RPTSCAN_KIND_FIND, static_cast<ISRepObject*>(this), reinterpret_cast<intptr_t>(&record));
    const HRESULT hr = walk.ScanTree(this);
    if (hr == S_OK && record.found) {
        record.found->AddRef();
        *pFoundItem = record.found;
    }
    return hr;
}

HRESULT SRptAvailableItemsImpl::Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) {
    if (kind != RPTSCAN_KIND_FIND) return E_INVALIDARG;
    if (!info) return E_POINTER;
    return OnFindItem(object, info);
}

HRESULT SRptAvailableItemsImpl::OnFindItem(ISRptItem* object, RPTSCANINFO* info) {
    SFindRecord& record = *reinterpret_cast<SFindRecord*>(info->inherited);
    SComWrap<ISRptItem> item(object);
    // The search starts at its first item, which is tested itself.
    if (record.from) {
        if (!item.IsEqualObject(record.from)) {
            info->action = RPTSCAN_DESCEND;
            return S_OK;
        }
        record.from = nullptr;
    }
    if (item && item->GetClassID() == *record.clsid && SameText(item->GetItemID(), record.itemId) &&
        SameText(item->GetModuleID(), record.moduleId)) {
        // The walk goes on: of several matches, the last one walked is found.
        record.found = object;
        info->action = RPTSCAN_SKIP_CHILDREN;
        return S_OK;
    }
    info->action = record.to && item.IsEqualObject(record.to) ? RPTSCAN_SKIP_CHILDREN : RPTSCAN_DESCEND;
    return S_OK;
}
