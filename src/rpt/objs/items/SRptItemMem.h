#pragma once
// SRptItem: the abstract base of every report item, from the texts and groups of a template to
// the template and the available-items container themselves. It adds to the paragraph container
// the item's identity as a host module registered it (module id, item id, label), its flags, its
// place in the item tree (Items, inverse Parent), the registered item it was copied from, and the
// tree's navigation, drop and move rules.
//
// What a kind of item gives (SRptItemImpl's seams, each with a base answer unless pure):
//   ComputeLabelInAvailable, ComputeLabelInTemplate  the labels (base: Label)
//   IsContainer                                      whether items may be placed under it (base: no)
//   OnCreateBrowserNode, OnHandlePopupCommand        its browser node and context-menu commands (pure)
//   IsItemSupportCommand                             which shared commands it offers (pure)
//   InitTblCtsEntry                                  its table-of-contents entry (base: none, S_OK)
//   PostAddTemplateItem                              work once added to a template (call the base's)
//   CanDropItemIntoParentAtPos                       further drop conditions (call the base's first)
//   ConstructWithItemDef                             its own fields of the description (call the
//                                                    base's first, end with its SetupParagraphs)
// SetupParagraphs is not virtual: each class's ConstructWithItemDef calls the one it means.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComTable.h"
#include "rpt/objs/paras/SRptParaContainerMem.h"
#include "varod9/ISRptItem.h"

inline constexpr GUID CLSID_SRptItem = MakeGUID("{A6BAC8E3-B730-11D1-8898-00A02455633B}");
// The template class: the root of an item tree, which items find by class.
inline constexpr GUID CLSID_SRptTemplate = MakeGUID("{A6BAC8F6-B730-11D1-8898-00A02455633B}");

class SRptItemRegistry;

class SRptItemMem : public SRptParaContainerImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes, which the interface half answers through the class's seams.
    virtual bool GetContainer() = 0;
    virtual SString GetLabelInAvailable() = 0;
    virtual SString GetLabelInTemplate() = 0;

protected:
    explicit SRptItemMem(ISRepSession* session) : SRptParaContainerImpl(session) {}
    SRptItemMem(const SRptItemMem& source) = default;

    bool m_tocEntry = false;
    bool m_inTemplate = false;
    bool m_modified = false;
    int16_t m_langSectn = 0;
    int32_t m_image = 0;
    int32_t m_expImage = 0;
    SString m_itemID;
    SString m_moduleID;
    SString m_label;
};

class SRptItemImpl : public SRptItemMem, public virtual ISRptItem {
public:
    SRPT_PROPERTIES(SRptItem)

    bool GetContainer() override { return IsContainer(); }
    SString GetLabelInAvailable() override { return ComputeLabelInAvailable(); }
    SString GetLabelInTemplate() override { return ComputeLabelInTemplate(); }

    HRESULT GetTemplate(ISRptTemplate** pTemplate) override;
    HRESULT SetInTemplateRecursive(bool bInTemplate) override;
    HRESULT PostAddTemplateItem() override;
    HRESULT GetRegisteredItem(ISRptItem** pItem) noexcept override;
    HRESULT SetRegisteredItem(ISRptItem* pRegItem) override;
    HRESULT CreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                              ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                              SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT GetParentItem(ISRptItem** pParentItem) override;
    HRESULT GetPosInParentCollection(int32_t* nPos) override;
    HRESULT GetChildItemAtPos(int32_t nPos, ISRepObject** pChildItemObject) override;
    HRESULT GetChildCount(int32_t* nCount) override;
    HRESULT CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) override;
    HRESULT ComputeParentTargetAndPos(ISRptItem* pDropTargetItem, bool bInsertAfterFolder,
                                      ISRptItem** pIParentTargetItem, int32_t* nPos) override;
    HRESULT HandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                               SWnd* pParentWnd) override;
    HRESULT GetTblCtsEntry(RPTTBLCTSENTRY* pEntry) override;
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    HRESULT CanMoveItemUp() override;
    HRESULT CanMoveItemDown() override;
    HRESULT CanMoveItemLower() override;
    HRESULT CanMoveItemRaise() override;

    SRepClassColPtr Items() override { return GetCollection(RPTITEM_ITEMS); }
    SRepClassColPtr Parent() override { return GetCollection(RPTITEM_PARENT); }

    // Lets go of the registered item, then deletes the object as every repository object.
    HRESULT Delete() noexcept override;

    // A label followed by " - " and the first line of a text, when the text is not empty. With
    // `maxChars` of 0 or more the line is cut to that many characters (never inside a UTF-8
    // sequence) and "..." marks a line that was longer.
    static SString LabelWithFirstLine(const SString& label, const SString& text, int32_t maxChars = -1);

    SREP_QUERY_CLASS_INTERFACE(ISRptItem, SRptItemMem)

protected:
    explicit SRptItemImpl(ISRepSession* session) : SRptItemMem(session) {}
    // A copy comes from the same registered item: the source itself when the source is its own.
    SRptItemImpl(const SRptItemImpl& source);

    virtual SString ComputeLabelInAvailable();
    virtual SString ComputeLabelInTemplate();
    virtual bool IsContainer();
    virtual HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                        ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                        SRptBrowserNodeItem** pBrowserNodeItem) = 0;
    virtual HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                         SWnd* pParentWnd) = 0;
    virtual HRESULT InitTblCtsEntry(RPTTBLCTSENTRY* pEntry);
    // The class's stock paragraphs: none for the item.
    HRESULT SetupParagraphs() { return S_OK; }

private:
    // The object that owns this item through the repository's owner end (null when free).
    HRESULT GetOwnerObject(SComWrap<ISRepObject>& owner);
    // The owner as an item (null when it is none); a failed query other than E_NOINTERFACE is
    // thrown.
    HRESULT GetOwnerItem(SComWrap<ISRptItem>& owner);

    // The registered item with a reference of its own, or none while the item is registered to
    // itself (as registration does): a reference to itself would keep it alive for ever.
    SComWrap<ISRptItem> m_registeredItem;
    bool m_registeredToSelf = false;
};

class SRptItemRegistry : public SRptStaticRegistry<SRptItemRegistry> {
public:
    SRptItemRegistry();
    static const SAttrEditorMap attrEditorMap;
};
