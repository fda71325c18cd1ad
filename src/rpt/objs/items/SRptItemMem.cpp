#include "rpt/objs/items/SRptItemMem.h"

#include "platform/base/SECOMException.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

// ---- SRptItemImpl: construction, labels, registered item ----

HRESULT SRptItemImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // Through the puts, so that a kind that reacts to a change sees each one. A description
    // makes a fresh item: not in a template, not modified.
    PutTOCEntry(pItemDef->TOCEntry != 0);
    PutInTemplate(false);
    PutModified(false);
    PutLangSectn(pItemDef->LangSectn);
    PutLabel(pItemDef->Label);
    PutImage(pItemDef->Image);
    PutExpImage(pItemDef->Image);
    PutItemID(pItemDef->ItemID);
    PutModuleID(pItemDef->ModuleID);
    return S_OK;
}

SString SRptItemImpl::ComputeLabelInAvailable() {
    return GetLabel();
}

SString SRptItemImpl::ComputeLabelInTemplate() {
    return GetLabel();
}

bool SRptItemImpl::IsContainer() {
    return false;
}

HRESULT SRptItemImpl::InitTblCtsEntry(RPTTBLCTSENTRY*) {
    return S_OK;
}

SString SRptItemImpl::LabelWithFirstLine(const SString& label, const SString& text, int32_t maxChars) {
    if (text.IsEmpty()) return label;
    const SString line = text.FirstLine();
    SString result = label + " - ";
    if (maxChars >= 0 && line.GetCharCount() > maxChars) {
        result += line.LeftChars(maxChars);
        result += "...";
    } else {
        result += line;
    }
    return result;
}

SRptItemImpl::SRptItemImpl(const SRptItemImpl& source) : SRptItemMem(source), m_registeredItem(source.m_registeredItem) {
    if (source.m_registeredToSelf) m_registeredItem = static_cast<ISRptItem*>(const_cast<SRptItemImpl*>(&source));
}

HRESULT SRptItemImpl::GetRegisteredItem(ISRptItem** pItem) noexcept {
    if (!pItem) return E_POINTER;
    if (m_registeredToSelf) {
        *pItem = static_cast<ISRptItem*>(this);
        (*pItem)->AddRef();
        return S_OK;
    }
    return m_registeredItem.CopyTo(pItem);
}

HRESULT SRptItemImpl::SetRegisteredItem(ISRptItem* pRegItem) {
    const bool self = pRegItem && SComWrap<IUnknown>(static_cast<ISRptItem*>(this)).IsEqualObject(pRegItem);
    if (self) {
        m_registeredItem.Clear();
        m_registeredToSelf = true;
    } else if (m_registeredToSelf || m_registeredItem.Get() != pRegItem) {
        m_registeredToSelf = false;
        m_registeredItem.Reset(pRegItem);
    }
    // A copy shows the label its registered item has among the available items.
    if (self || m_registeredItem) PutLabel(pRegItem->GetLabelInAvailable());
    return S_OK;
}

HRESULT SRptItemImpl::Delete() noexcept {
    m_registeredItem.Clear();
    m_registeredToSelf = false;
    return SRptItemMem::Delete();
}

// ---- SRptItemImpl: the template ----

HRESULT SRptItemImpl::GetTemplate(ISRptTemplate** pTemplate) {
    if (!pTemplate) return E_POINTER;
    *pTemplate = nullptr;
    if (!GetInTemplate()) return S_OK;
    SComWrap<ISRepObject> current(static_cast<ISRepObject*>(this));
    while (!SRepIsKindOf(current.Get(), CLSID_SRptTemplate)) {
        SComWrap<ISRepClassCol> parents;
        SComCheck(current->GetCollection(RPTITEM_PARENT, &parents));
        if (!parents) throw SECOMException(E_POINTER);
        int32_t count = 0;
        SComCheck(parents->GetCount(&count));
        if (count < 1) return S_FALSE;
        SComWrap<ISRepObject> parent;
        SComCheck(parents->Item(0, &parent));
        current = std::move(parent);
    }
    SComWrap<ISRptTemplate> found;
    found = static_cast<IUnknown*>(current.Get());
    *pTemplate = found.Detach();
    return S_OK;
}

HRESULT SRptItemImpl::SetInTemplateRecursive(bool bInTemplate) {
    PutInTemplate(bInTemplate);
    SRepObjIterator children(static_cast<ISRepObject*>(this), RPTITEM_ITEMS);
    SComWrap<ISRptItem> child;
    while (children.Next(child)) {
        if (!child) continue;
        const HRESULT hr = child->SetInTemplateRecursive(bInTemplate);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptItemImpl::PostAddTemplateItem() {
    SRepObjIterator children(static_cast<ISRepObject*>(this), RPTITEM_ITEMS);
    SComWrap<ISRptItem> child;
    while (children.Next(child)) {
        if (!child) continue;
        const HRESULT hr = child->PostAddTemplateItem();
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptItemImpl::GetTblCtsEntry(RPTTBLCTSENTRY* pEntry) {
    if (!pEntry) return E_INVALIDARG;
    const HRESULT hr = InitTblCtsEntry(pEntry);
    return FAILED(hr) ? hr : S_OK;
}

// ---- SRptItemImpl: the kind's browser node and commands ----

HRESULT SRptItemImpl::CreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                        ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                        SRptBrowserNodeItem** pBrowserNodeItem) {
    // Every kind hands its node out through this pointer.
    if (!pBrowserNodeItem) return E_POINTER;
    return OnCreateBrowserNode(pBrowser, nIsDraggable, pParent, pPrevious, dispid, bIsTemplateEditor,
                               pBrowserNodeItem);
}

HRESULT SRptItemImpl::HandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                         SWnd* pParentWnd) {
    return OnHandlePopupCommand(nId, selectedItems, pParentWnd);
}

// ---- SRptItemImpl: navigation ----

HRESULT SRptItemImpl::GetOwnerObject(SComWrap<ISRepObject>& owner) {
    return static_cast<ISRepObject*>(this)->GetObjectA(SREP_COL_OWNER, &owner);
}

HRESULT SRptItemImpl::GetOwnerItem(SComWrap<ISRptItem>& owner) {
    owner.Clear();
    SComWrap<ISRepObject> object;
    const HRESULT hr = GetOwnerObject(object);
    if (FAILED(hr)) return hr;
    owner = static_cast<IUnknown*>(object.Get());
    return S_OK;
}

HRESULT SRptItemImpl::GetParentItem(ISRptItem** pParentItem) {
    if (!pParentItem) return E_INVALIDARG;
    *pParentItem = nullptr;
    SComWrap<ISRepClassCol> parents;
    const HRESULT hr = static_cast<ISRepObject*>(this)->GetCollection(RPTITEM_PARENT, &parents);
    if (FAILED(hr)) return hr;
    if (!parents) return E_POINTER;
    int32_t count = 0;
    SComCheck(parents->GetCount(&count));
    if (count <= 0) return S_FALSE;
    SComWrap<ISRepObject> element;
    SComCheck(parents->Item(0, &element));
    SComWrap<ISRptItem> parent;
    parent = static_cast<IUnknown*>(element.Get());
    *pParentItem = parent.Detach();
    return S_OK;
}

HRESULT SRptItemImpl::GetPosInParentCollection(int32_t* nPos) {
    if (!nPos) return E_INVALIDARG;
    *nPos = -1;
    // The owner, whatever collection owns the item: an item outside any Items has no position.
    SComWrap<ISRepObject> owner;
    GetOwnerObject(owner);
    if (!owner) return S_FALSE;
    if (!SRepHasCollection(owner->GetClassID(), RPTITEM_ITEMS)) return S_FALSE;
    // The collection's own look-up: a walk over the siblings would make placing items one after
    // another cost the square of their number.
    SComWrap<ISRepClassCol> siblings;
    if (owner->GetCollection(RPTITEM_ITEMS, &siblings) != S_OK || !siblings) return S_FALSE;
    return siblings->GetPos(static_cast<ISRepObject*>(this), nPos) == S_OK ? S_OK : S_FALSE;
}

HRESULT SRptItemImpl::GetChildItemAtPos(int32_t nPos, ISRepObject** pChildItemObject) {
    if (!pChildItemObject) return E_POINTER;
    *pChildItemObject = nullptr;
    SComWrap<ISRepClassCol> items;
    SComCheck(static_cast<ISRepObject*>(this)->GetCollection(RPTITEM_ITEMS, &items));
    if (!items) throw SECOMException(E_POINTER);
    SComCheck(items->Item(nPos, pChildItemObject));
    return S_OK;
}

HRESULT SRptItemImpl::GetChildCount(int32_t* nCount) {
    if (!nCount) return E_POINTER;
    SComWrap<ISRepClassCol> items;
    SComCheck(static_cast<ISRepObject*>(this)->GetCollection(RPTITEM_ITEMS, &items));
    if (!items) throw SECOMException(E_POINTER);
    return items->GetCount(nCount);
}

// ---- SRptItemImpl: drop and move rules ----

HRESULT SRptItemImpl::CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t) {
    if (!pIParentTargetItem) return S_FALSE;
    if (!pIParentTargetItem->GetContainer()) return S_FALSE;
    // Neither into the item itself nor into anything under it.
    SComWrap<ISRptItem> current(pIParentTargetItem);
    while (current) {
        if (current.IsEqualObject(static_cast<ISRepObject*>(this))) return S_FALSE;
        SComWrap<ISRptItem> parent;
        SComCheck(current->GetParentItem(&parent));
        current = std::move(parent);
    }
    return S_OK;
}

HRESULT SRptItemImpl::ComputeParentTargetAndPos(ISRptItem* pDropTargetItem, bool bInsertAfterFolder,
                                                ISRptItem** pIParentTargetItem, int32_t* nPos) {
    if (!pDropTargetItem || !pIParentTargetItem || !nPos) return E_POINTER;
    *pIParentTargetItem = nullptr;
    SComWrap<ISRptItem> parent;
    HRESULT hr = pDropTargetItem->GetParentItem(&parent);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptItem> reference;
    if (!parent) {
        // A drop onto the root goes after its last child.
        parent.Reset(pDropTargetItem);
        int32_t count = 0;
        hr = pDropTargetItem->GetChildCount(&count);
        if (FAILED(hr)) return hr;
        if (count > 0) {
            SComWrap<ISRepObject> last;
            hr = pDropTargetItem->GetChildItemAtPos(count - 1, &last);
            if (FAILED(hr)) return hr;
            reference = static_cast<IUnknown*>(last.Get());
            bInsertAfterFolder = true;
        }
    } else {
        reference.Reset(pDropTargetItem);
    }
    if (!parent->GetContainer()) {
        *nPos = 0;
        return S_FALSE;
    }
    if (!reference) {
        *pIParentTargetItem = parent.Detach();
        *nPos = 0;
        return S_OK;
    }
    if (reference->GetContainer() && !bInsertAfterFolder) {
        *pIParentTargetItem = reference.Detach();
        *nPos = -1;
        return S_OK;
    }
    int32_t position = -1;
    hr = reference->GetPosInParentCollection(&position);
    if (FAILED(hr)) return hr;
    *pIParentTargetItem = parent.Detach();
    *nPos = position + 1;
    return S_OK;
}

HRESULT SRptItemImpl::CanMoveItemUp() {
    int32_t position = -1;
    const HRESULT hr = GetPosInParentCollection(&position);
    if (FAILED(hr)) return hr;
    return position > 0 ? S_OK : S_FALSE;
}

HRESULT SRptItemImpl::CanMoveItemDown() {
    SComWrap<ISRptItem> parent;
    HRESULT hr = GetOwnerItem(parent);
    if (FAILED(hr)) return hr;
    int32_t position = -1;
    hr = GetPosInParentCollection(&position);
    if (FAILED(hr)) return hr;
    if (!parent) throw SECOMException(E_POINTER);
    int32_t count = 0;
    hr = parent->GetChildCount(&count);
    if (FAILED(hr)) return hr;
    return position + 1 < count ? S_OK : S_FALSE;
}

HRESULT SRptItemImpl::CanMoveItemLower() {
    int32_t position = -1;
    HRESULT hr = GetPosInParentCollection(&position);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptItem> parent;
    hr = GetOwnerItem(parent);
    if (FAILED(hr)) return hr;
    if (!parent) throw SECOMException(E_POINTER);
    int32_t count = 0;
    hr = parent->GetChildCount(&count);
    if (FAILED(hr)) return hr;
    if (position + 1 >= count) return S_FALSE;
    SComWrap<ISRepObject> nextObject;
    hr = parent->GetChildItemAtPos(position + 1, &nextObject);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptItem> next;
    next = static_cast<IUnknown*>(nextObject.Get());
    // Through the class, so that a kind's own drop conditions count.
    return CanDropItemIntoParentAtPos(next.Get(), 0) == S_OK ? S_OK : S_FALSE;
}

HRESULT SRptItemImpl::CanMoveItemRaise() {
    SComWrap<ISRptItem> parent;
    HRESULT hr = GetOwnerItem(parent);
    if (FAILED(hr)) return hr;
    if (!parent) throw SECOMException(E_POINTER);
    SComWrap<ISRepObject> grandparentObject;
    hr = parent->GetObjectA(SREP_COL_OWNER, &grandparentObject);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptItem> grandparent;
    hr = grandparent.Assign(static_cast<IUnknown*>(grandparentObject.Get()));
    if (FAILED(hr) && hr != E_NOINTERFACE) return hr;
    // Nothing leaves a template.
    if (SRepIsKindOf(parent.Get(), CLSID_SRptTemplate)) return S_FALSE;
    int32_t parentPosition = -1;
    hr = parent->GetPosInParentCollection(&parentPosition);
    if (FAILED(hr)) return hr;
    return CanDropItemIntoParentAtPos(grandparent.Get(), parentPosition) == S_OK ? S_OK : S_FALSE;
}
