#include "rpt/module/SRptModuleList.h"

#include <new>

#include "platform/base/SMbcs.h"
#include "platform/com/SComCheck.h"
#include "platform/com/SComWrap.h"
#include "platform/repo/SRepObjIterator.h"
#include "rpt/module/SRptModule.h"
#include "rpt/objs/items/SRptItemParagraphs.h"

namespace {
bool SameText(const SString& a, const SString& b) {
    return _mbscmp(a.c_str(), b.c_str()) == 0;
}
}  // namespace

int32_t SRptModuleList::GetIndexOf(const SString& id) const {
    for (int32_t i = 0; i < m_modules.GetCount(); ++i) {
        ISRptModule* module = m_modules.GetAt(i);
        SString moduleId;
        if (module && SUCCEEDED(module->GetID(moduleId)) && SameText(moduleId, id)) return i;
    }
    return -1;
}

void SRptModuleList::Attach(ISRptModule* module) {
    if (!module) return;
    SString id;
    SComCheck(module->GetID(id));
    if (Contains(id)) return;
    m_modules.Add(module);
}

void SRptModuleList::Detach(const SString& id) {
    m_modules.RemoveAt(GetIndexOf(id));
}

HRESULT SRptModuleList::Retrieve(const SString& id, ISRptModule** module) const {
    if (!module) return E_POINTER;
    const int32_t index = GetIndexOf(id);
    if (index < 0) return S_OK;
    *module = m_modules.GetAt(index);
    (*module)->AddRef();
    return S_OK;
}

HRESULT SRptModuleList::Retrieve(int32_t index, ISRptModule** module) const {
    if (!module) return E_POINTER;
    *module = m_modules.GetAt(index);
    if (!*module) return S_FALSE;
    (*module)->AddRef();
    return S_OK;
}

HRESULT SRptModuleList::RetrieveFromLabel(const SString& label, ISRptModule** module) const {
    if (!module) return E_POINTER;
    *module = nullptr;
    for (int32_t i = 0; i < m_modules.GetCount(); ++i) {
        ISRptModule* candidate = m_modules.GetAt(i);
        SString candidateLabel;
        if (candidate && SUCCEEDED(candidate->GetLabel(candidateLabel)) && SameText(candidateLabel, label)) {
            *module = candidate;
            candidate->AddRef();
            return S_OK;
        }
    }
    return S_FALSE;
}

HRESULT SRptModuleList::GetAvailableItems(const SString& id, ISRptAvailableItems** availableItems) {
    if (!availableItems) return E_INVALIDARG;
    const SString all = SRptLoadString(IDS_RPT_ALL_MODULES, "ALL");
    const SString allLabel = SRptLoadString(IDS_RPT_ALL_MODULES_LABEL, "All Report Templates");
    if (SameText(id, all) && !Contains(all)) {
        const HRESULT hr = BuildCombinedModule(all, allLabel);
        if (FAILED(hr)) {
            *availableItems = nullptr;
            return hr;
        }
    }
    const int32_t index = GetIndexOf(id);
    if (index < 0) {
        *availableItems = nullptr;
        return E_FAIL;
    }
    SComWrap<ISRptModule> module(m_modules.GetAt(index));
    return module->GetAvailableItems(availableItems);
}

HRESULT SRptModuleList::BuildCombinedModule(const SString& id, const SString& label) {
    auto* made = new (std::nothrow) SRptModule;
    if (!made) return E_OUTOFMEMORY;
    SComWrap<ISRptModule> combined;
    combined.Attach(made);
    HRESULT hr = combined->CreateAvailableItems(id);
    if (FAILED(hr)) return hr;
    combined->SetLabel(label);
    // It only gathers: no built-in items of its own, and no client.
    made->MarkItemsInitialised();
    SComWrap<ISRptAvailableItems> gathering;
    SComCheck(combined->GetAvailableItems(&gathering));
    if (!gathering) SComThrow(E_POINTER);
    SRepClassColPtr items = gathering->Items();
    // Each module's container is taken through its own set-up, which may register more modules:
    // the count is read again at every step.
    for (int32_t i = 0; i < m_modules.GetCount(); ++i) {
        SComWrap<ISRptModule> module(m_modules.GetAt(i));
        SComWrap<ISRptAvailableItems> container;
        if (!module || FAILED(module->GetAvailableItems(&container)) || !container) continue;
        // Owned by their own container, the items are only gathered here: the combined
        // container holds a reference on each and never takes it out of its module.
        SRepObjIterator members(static_cast<ISRepObject*>(container.Get()), RPTITEM_ITEMS);
        SComWrap<ISRepObject> member;
        while (members.Next(member)) items.Insert(-1, member.Get());
    }
    Attach(combined.Get());
    return S_OK;
}
