#pragma once
// The answers of an item kind that cannot be built or edited yet, between its in-memory half
// and its interface half: a description makes nothing (E_POINTER without one, E_NOTIMPL with
// one), no shared command is offered (S_FALSE), there is no browser node (E_NOTIMPL) and no
// popup command is handled (S_FALSE). A kind replaces each answer as it gets the real one.
//     class SRptFolderImpl : public SRptPendingItemKind<SRptFolderMem>, public virtual ISRptFolder
#include <cstdint>

#include "rpt/objs/items/SRptItemMem.h"

template <class Mem>
class SRptPendingItemKind : public Mem {
public:
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override { return pItemDef ? E_NOTIMPL : E_POINTER; }
    HRESULT IsItemSupportCommand(uint32_t) override { return S_FALSE; }

protected:
    using Mem::Mem;

    HRESULT OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                SRptBrowserNodeItem**) override {
        return E_NOTIMPL;
    }
    HRESULT OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) override { return S_FALSE; }
};
