#include "rpt/objs/items/SRptItemMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"

namespace {

constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptItemMem", "SRptItemMem");

// The computed attributes' flags; the stored ones have none.
constexpr uint32_t kComputedFlags = 0x401;

void ThrowIfFailed(HRESULT hr) {
    if (FAILED(hr)) throw SECOMException(hr);
}

}  // namespace

// ---- SRptItemMem: the attribute protocol ----

HRESULT SRptItemMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTITEM_TOCENTRY: value->SetBool(m_tocEntry); return S_OK;
            case RPTITEM_INTEMPLATE: value->SetBool(m_inTemplate); return S_OK;
            case RPTITEM_MODIFIED: value->SetBool(m_modified); return S_OK;
            case RPTITEM_LANGSECTN: value->SetShort(m_langSectn); return S_OK;
            case RPTITEM_IMAGE: value->SetInt(m_image); return S_OK;
            case RPTITEM_EXPIMAGE: value->SetInt(m_expImage); return S_OK;
            case RPTITEM_ITEMID: value->SetText(m_itemID); return S_OK;
            case RPTITEM_MODULEID: value->SetText(m_moduleID); return S_OK;
            case RPTITEM_LABEL: value->SetText(m_label); return S_OK;
            case RPTITEM_CONTAINER: value->SetBool(GetContainer()); return S_OK;
            case RPTITEM_LABELINAVAILABLE: value->SetText(GetLabelInAvailable()); return S_OK;
            case RPTITEM_LABELINTEMPLATE: value->SetText(GetLabelInTemplate()); return S_OK;
            case RPTITEM_ITEMS:
            case RPTITEM_PARENT: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptParaContainerImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptItemMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTITEM_TOCENTRY: return VSet_BOOL(id, value, m_tocEntry);
            case RPTITEM_INTEMPLATE: return VSet_BOOL(id, value, m_inTemplate);
            case RPTITEM_MODIFIED: return VSet_BOOL(id, value, m_modified);
            case RPTITEM_LANGSECTN: return VSet_SHORT(id, value, m_langSectn);
            case RPTITEM_IMAGE: return VSet_INT(id, value, m_image);
            case RPTITEM_EXPIMAGE: return VSet_INT(id, value, m_expImage);
            case RPTITEM_ITEMID: return VSet_TEXT(id, value, m_itemID);
            case RPTITEM_MODULEID: return VSet_TEXT(id, value, m_moduleID);
            case RPTITEM_LABEL: return VSet_TEXT(id, value, m_label);
            default: return SRptParaContainerImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptItemMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTITEM_TOCENTRY:
            case RPTITEM_INTEMPLATE:
            case RPTITEM_MODIFIED: value->SetBool(false); return S_OK;
            case RPTITEM_LANGSECTN: value->SetShort(0); return S_OK;
            case RPTITEM_IMAGE:
            case RPTITEM_EXPIMAGE: value->SetInt(0); return S_OK;
            case RPTITEM_ITEMID:
            case RPTITEM_MODULEID:
            case RPTITEM_LABEL: value->SetText(SString()); return S_OK;
            // The computed ones too have defaults: what an item that is no container and has no
            // label answers.
            case RPTITEM_CONTAINER: value->SetBool(false); return S_OK;
            case RPTITEM_LABELINAVAILABLE:
            case RPTITEM_LABELINTEMPLATE: value->SetText(SString()); return S_OK;
            default: return SRptParaContainerImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptItemMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1:
        case RPTITEM_TOCENTRY:
        case RPTITEM_INTEMPLATE:
        case RPTITEM_MODIFIED:
        case RPTITEM_LANGSECTN:
        case RPTITEM_IMAGE:
        case RPTITEM_EXPIMAGE:
        case RPTITEM_ITEMID:
        case RPTITEM_MODULEID:
        case RPTITEM_LABEL: return 0;
        case RPTITEM_CONTAINER:
        case RPTITEM_LABELINAVAILABLE:
        case RPTITEM_LABELINTEMPLATE: return kComputedFlags;
        default: return SRptParaContainerImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptItemMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTITEM_TOCENTRY:
        case RPTITEM_INTEMPLATE:
        case RPTITEM_MODIFIED:
        case RPTITEM_CONTAINER: return SREP_VT_BOOL;
        case RPTITEM_LANGSECTN: return SREP_VT_SHORT;
        case RPTITEM_IMAGE:
        case RPTITEM_EXPIMAGE: return SREP_VT_INT;
        case RPTITEM_ITEMID:
        case RPTITEM_MODULEID:
        case RPTITEM_LABEL:
        case RPTITEM_LABELINAVAILABLE:
        case RPTITEM_LABELINTEMPLATE: return SREP_VT_TEXT;
        default: return SRptParaContainerImpl::GetAttributeType(id);
    }
}

bool SRptItemMem::HasAttribute(int32_t id) const {
    switch (id) {
        case RPTITEM_LANGSECTN:
        case RPTITEM_IMAGE:
        case RPTITEM_EXPIMAGE:
        case RPTITEM_CONTAINER:
        case RPTITEM_TOCENTRY:
        case RPTITEM_INTEMPLATE:
        case RPTITEM_MODIFIED:
        case RPTITEM_ITEMID:
        case RPTITEM_MODULEID:
        case RPTITEM_LABELINAVAILABLE:
        case RPTITEM_LABEL:
        case RPTITEM_LABELINTEMPLATE: return true;
        default: return SRptBaseMem::HasAttribute(id);
    }
}

bool SRptItemMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptItem || SRptParaContainerMem::ClassIsKindOf(clsid);
}

bool SRptItemMem::ClassHasCollection(int32_t id) {
    return id == RPTITEM_ITEMS || id == RPTITEM_PARENT || SRptParaContainerMem::ClassHasCollection(id);
}

HRESULT SRptItemMem::FinalConstruct() {
    HRESULT hr = SRptParaContainerImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptItemRegistry::MarkClassInitialised();
    return S_OK;
}

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

HRESULT SRptItemImpl::GetRegisteredItem(ISRptItem** pItem) {
    if (!pItem) return E_POINTER;
    return m_registeredItem.CopyTo(pItem);
}

HRESULT SRptItemImpl::SetRegisteredItem(ISRptItem* pRegItem) {
    if (m_registeredItem.Get() != pRegItem) m_registeredItem.Reset(pRegItem);
    // A copy shows the label its registered item has among the available items.
    if (m_registeredItem) PutLabel(m_registeredItem->GetLabelInAvailable());
    return S_OK;
}

HRESULT SRptItemImpl::Delete() {
    m_registeredItem.Clear();
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
        ThrowIfFailed(current->GetCollection(RPTITEM_PARENT, &parents));
        if (!parents) throw SECOMException(E_POINTER);
        int32_t count = 0;
        ThrowIfFailed(parents->GetCount(&count));
        if (count < 1) return S_FALSE;
        SComWrap<ISRepObject> parent;
        ThrowIfFailed(parents->Item(0, &parent));
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
    ThrowIfFailed(parents->GetCount(&count));
    if (count <= 0) return S_FALSE;
    SComWrap<ISRepObject> element;
    ThrowIfFailed(parents->Item(0, &element));
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
    SRepObjIterator siblings(owner.Get(), RPTITEM_ITEMS);
    SComWrap<ISRepObject> sibling;
    for (int32_t index = 0; siblings.Next(sibling); ++index) {
        if (sibling.IsEqualObject(static_cast<ISRepObject*>(this))) {
            *nPos = index;
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT SRptItemImpl::GetChildItemAtPos(int32_t nPos, ISRepObject** pChildItemObject) {
    if (!pChildItemObject) return E_POINTER;
    *pChildItemObject = nullptr;
    SComWrap<ISRepClassCol> items;
    ThrowIfFailed(static_cast<ISRepObject*>(this)->GetCollection(RPTITEM_ITEMS, &items));
    if (!items) throw SECOMException(E_POINTER);
    ThrowIfFailed(items->Item(nPos, pChildItemObject));
    return S_OK;
}

HRESULT SRptItemImpl::GetChildCount(int32_t* nCount) {
    if (!nCount) return E_POINTER;
    SComWrap<ISRepClassCol> items;
    ThrowIfFailed(static_cast<ISRepObject*>(this)->GetCollection(RPTITEM_ITEMS, &items));
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
        ThrowIfFailed(current->GetParentItem(&parent));
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

// ---- SRptItemRegistry ----

const SAttrEditorMap SRptItemRegistry::attrEditorMap = {&SRptParaContainerRegistry::attrEditorMap,
                                                        SREP_NO_ATTR_EDITORS};

SRptItemRegistry::SRptItemRegistry()
    : SRepStaticRegistry(CLSID_SRptItem, &attrEditorMap, nullptr, &SRptItemMem::ClassIsKindOf,
                         &SRptItemMem::ClassHasCollection, 1, SRptGetModuleState()) {}
