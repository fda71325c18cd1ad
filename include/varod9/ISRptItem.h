#pragma once
// A report item: anything that stands in a template's item tree or in an available-items
// container. It carries the identity a host module registered it under (module id, item id,
// label), its place in the tree (Items and their inverse Parent), the registered item it was
// copied from, and the answers of the editor's drag, drop and move rules. Results of the tree
// questions: S_OK yes, S_FALSE no; failures of the repository inside the tree walks are thrown as
// SECOMException, to the editor code that asks.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComTable.h"
#include "platform/repo/SRepClassColPtr.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/RptExport.h"
#include "varod9/RptItemDef.h"
#include "varod9/RptTblCtsEntry.h"

struct ISRptTemplate;
struct ISBrowserView;
struct ISBrowserNode;
class SRptBrowserNodeItem;
class SWnd;

// Stored attributes.
inline constexpr int32_t RPTITEM_LANGSECTN = 0x02006100;   // SHORT
inline constexpr int32_t RPTITEM_IMAGE = 0x02006101;       // INT
inline constexpr int32_t RPTITEM_EXPIMAGE = 0x02006102;    // INT
inline constexpr int32_t RPTITEM_TOCENTRY = 0x02006104;    // BOOL
inline constexpr int32_t RPTITEM_INTEMPLATE = 0x02006105;  // BOOL
inline constexpr int32_t RPTITEM_MODIFIED = 0x02006106;    // BOOL
inline constexpr int32_t RPTITEM_ITEMID = 0x02006108;      // TEXT
inline constexpr int32_t RPTITEM_MODULEID = 0x02006109;    // TEXT
inline constexpr int32_t RPTITEM_LABEL = 0x0200610C;       // TEXT
// Computed attributes. The label in a template is the item's display name in the repository.
inline constexpr int32_t RPTITEM_CONTAINER = 0x02006103;         // BOOL
inline constexpr int32_t RPTITEM_LABELINAVAILABLE = 0x0200610A;  // TEXT
inline constexpr int32_t RPTITEM_LABELINTEMPLATE = 0x0100000B;   // TEXT
// Collections: the children, owned, and the inverse end that shows the parent.
inline constexpr int32_t RPTITEM_ITEMS = 0x02000151;
inline constexpr int32_t RPTITEM_PARENT = 0x02800151;

struct RPT_EXPORT ISRptItem : virtual ISRptParaContainer {
    static constexpr GUID iid = MakeGUID("{E5E9570D-B72F-11D1-8898-00A02455633B}");
    using BaseInterface = ISRptParaContainer;

    // Stored attributes. A put of the value already stored changes nothing and returns S_FALSE.
    virtual bool GetTOCEntry() = 0;
    virtual HRESULT PutTOCEntry(bool value) noexcept = 0;
    virtual bool GetInTemplate() = 0;
    virtual HRESULT PutInTemplate(bool value) noexcept = 0;
    virtual bool GetModified() = 0;
    virtual HRESULT PutModified(bool value) noexcept = 0;
    virtual int16_t GetLangSectn() = 0;
    virtual HRESULT PutLangSectn(int16_t value) noexcept = 0;
    virtual int32_t GetImage() = 0;
    virtual HRESULT PutImage(int32_t value) noexcept = 0;
    virtual int32_t GetExpImage() = 0;
    virtual HRESULT PutExpImage(int32_t value) noexcept = 0;
    virtual SString GetItemID() = 0;
    virtual HRESULT PutItemID(const SString& value) noexcept = 0;
    virtual SString GetModuleID() = 0;
    virtual HRESULT PutModuleID(const SString& value) noexcept = 0;
    virtual SString GetLabel() = 0;
    virtual HRESULT PutLabel(const SString& value) noexcept = 0;

    // Computed attributes: whether items may be placed under this one, and its labels in an
    // available-items container and in a template.
    virtual bool GetContainer() = 0;
    virtual SString GetLabelInAvailable() = 0;
    virtual SString GetLabelInTemplate() = 0;

    // The template that holds the item, with the caller's reference: null (S_OK) for an item not
    // marked as in a template; null and S_FALSE when its parents end without a template. Throws
    // SECOMException when the repository fails on the way up.
    virtual HRESULT GetTemplate(ISRptTemplate** pTemplate) = 0;
    // Marks the item and everything under it as in a template or not. Throws SECOMException when
    // the repository fails during the walk.
    virtual HRESULT SetInTemplateRecursive(bool bInTemplate) = 0;
    // Run once the item has been added to a template; the item and everything under it finish
    // their set-up. Throws SECOMException when the repository fails during the walk.
    virtual HRESULT PostAddTemplateItem() = 0;
    // The available item this one was copied from, with the caller's reference (null for none).
    virtual HRESULT GetRegisteredItem(ISRptItem** pItem) noexcept = 0;
    // Holds another registered item (null: none) and takes its label from it. Throws
    // SECOMException when a kind's query of the registered item fails.
    virtual HRESULT SetRegisteredItem(ISRptItem* pRegItem) = 0;
    // The item's node in an editor's browser, made by the item's kind. E_POINTER for a null
    // out-pointer. Throws SEOutOfMemory when the node cannot be allocated.
    virtual HRESULT CreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                      ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                      SRptBrowserNodeItem** pBrowserNodeItem) = 0;

    // Tree navigation. Each of these and of the drop and move rules below throws SECOMException
    // when the repository fails on the way, to the editor's code that asks; none changes anything,
    // so the tree stays as it was. Null out-pointers give E_INVALIDARG in GetParentItem and
    // GetPosInParentCollection, E_POINTER in the others.
    // The parent item with the caller's reference; null and S_FALSE at the root.
    virtual HRESULT GetParentItem(ISRptItem** pParentItem) = 0;
    // The 0-based position among the parent's Items; -1 and S_FALSE without such a parent.
    virtual HRESULT GetPosInParentCollection(int32_t* nPos) = 0;
    // The child at a position with the caller's reference.
    virtual HRESULT GetChildItemAtPos(int32_t nPos, ISRepObject** pChildItemObject) = 0;
    virtual HRESULT GetChildCount(int32_t* nCount) = 0;

    // Drop and move rules. S_OK when this item may become a child of the target: a container
    // that is neither the item itself nor one of its descendants (kinds may add conditions).
    virtual HRESULT CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) = 0;
    // Where a drop onto an item puts the dropped item: into a container (at the end, nPos -1)
    // unless asked to insert after it, else right after the target; onto the root, after its
    // last child. The parent comes with the caller's reference; S_FALSE and null when the place
    // is no container.
    virtual HRESULT ComputeParentTargetAndPos(ISRptItem* pDropTargetItem, bool bInsertAfterFolder,
                                              ISRptItem** pIParentTargetItem, int32_t* nPos) = 0;
    // A command of the item's context menu, handled by its kind: S_OK handled, S_FALSE not its own.
    // Throws SECOMException when the repository fails in the kind's command.
    virtual HRESULT HandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                       SWnd* pParentWnd) = 0;
    // Fills the item's table-of-contents entry when it supplies one. E_INVALIDARG for null. Throws
    // SECOMException when the query of the module's procedures fails.
    virtual HRESULT GetTblCtsEntry(RPTTBLCTSENTRY* pEntry) = 0;
    // Builds the item from a host module's description. E_POINTER for null. Throws
    // SECOMException when a kind's stock paragraph is missing or the repository fails.
    virtual HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) = 0;
    // S_OK when the move command is possible: up or down among the siblings, lower into the next
    // sibling, raise into the grandparent; S_FALSE when not. A template, whose owner is its
    // report, answers S_FALSE to all four. Any other item without a parent item cannot be moved
    // down, lowered or raised: SECOMException(E_POINTER).
    virtual HRESULT CanMoveItemUp() = 0;
    virtual HRESULT CanMoveItemDown() = 0;
    virtual HRESULT CanMoveItemLower() = 0;
    virtual HRESULT CanMoveItemRaise() = 0;
    // S_OK when the item's kind offers a shared editor command, S_FALSE when not. Throws
    // SECOMException when the query of the module's procedures fails.
    virtual HRESULT IsItemSupportCommand(uint32_t nID) = 0;

    virtual SRepClassColPtr Items() = 0;
    virtual SRepClassColPtr Parent() = 0;

protected:
    ~ISRptItem() = default;
};

inline constexpr IID IID_ISRptItem = ISRptItem::iid;
