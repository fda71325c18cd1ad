#pragma once
// SRptAvailableItems: the available items of a module, the root of the module's private session.
// Its children (Items) are the items a user can place into a template: the six built-in ones,
// made once for the module (CreateCommonItems), then the module's own, each with its sub-items.
// It is a container of items but offers no command and never enters a table of contents. Its
// search walks the tree (SRptScanTreeHelper, kind 3) with the container as the scanner.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/devices/generation/SRptScanTreeHelper.h"
#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptAvailableItems.h"

inline constexpr GUID CLSID_SRptAvailableItems = MakeGUID("{A6BAC8CF-B730-11D1-8898-00A02455633B}");

// The label of every container.
inline constexpr uint32_t IDS_RPT_AVAILABLE_ITEMS = 5279;

class SRptAvailableItemsRegistry;

class SRptAvailableItemsMem : public SRptItemImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptAvailableItemsMem(ISRepSession* session) : SRptItemImpl(session) {}
    SRptAvailableItemsMem(const SRptAvailableItemsMem& source) = default;

    SString m_name = "Available Items";
    SString m_code;
};

class SRptAvailableItemsImpl : public SRptAvailableItemsMem,
                               public virtual ISRptAvailableItems,
                               public SRptScanTreeHelper::SScanner {
public:
    using Registry = SRptAvailableItemsRegistry;

    SRPT_PROPERTIES(SRptAvailableItems)

    HRESULT AddItem(ISRptItem* pNewItem) override;
    HRESULT AddSubItem(ISRptItem* pNewItem, ISRptItem* pParentItem) override;
    HRESULT FindItem(const GUID& clsid, const SString& sItemID, const SString& sModuleID, ISRptItem* pFromItem,
                     ISRptItem* pToItem, ISRptItem** pFoundItem) override;
    HRESULT CreateCommonItems() override;
    SRepClassColPtr Report() override { return GetCollection(RPTAVAILABLEITEMS_REPORT); }
    SRepClassColPtr ExtSess() override { return GetCollection(RPTAVAILABLEITEMS_EXTSESS); }

    // The item part of a description; the container makes no paragraph.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command, shared or its own.
    HRESULT IsItemSupportCommand(uint32_t) override { return S_FALSE; }
    // The repository's set-up, then the container's label.
    HRESULT FinalConstruct() override;
    // The walk's call-back: kind 3 is the search, any other kind E_INVALIDARG.
    HRESULT Dispatch(uint32_t kind, ISRptItem* object, RPTSCANINFO* info) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptAvailableItems, SRptAvailableItemsMem)

protected:
    explicit SRptAvailableItemsImpl(ISRepSession* session) : SRptAvailableItemsMem(session) {}
    SRptAvailableItemsImpl(const SRptAvailableItemsImpl& source) : SRptAvailableItemsMem(source) {}

    bool IsContainer() override { return true; }
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) override { return S_OK; }
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }

private:
    struct SFindRecord;
    // One visited object of the search.
    HRESULT OnFindItem(ISRptItem* object, RPTSCANINFO* info);
};

class SRptAvailableItemsRegistry : public SRptStaticRegistry<SRptAvailableItemsRegistry> {
public:
    SRptAvailableItemsRegistry();
    static const SAttrEditorMap attrEditorMap;
};
