#pragma once
// SRptList: a table whose lines the module supplies at generation. The cells of its first row are
// its columns, identified by their CellID; when Sorted, the columns marked sorted give the sort
// keys. A box may be drawn around every paragraph but its title.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptList.h"

inline constexpr GUID CLSID_SRptList = MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}");

class SRptListRegistry;

class SRptListMem : public SRptTableImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptListMem(ISRepSession* session) : SRptTableImpl(session) {}
    SRptListMem(const SRptListMem& source) = default;

    bool m_sorted = false;
};

class SRptListImpl : public SRptListMem, public virtual ISRptList {
public:
    using Registry = SRptListRegistry;

    bool GetSorted() override { return Get_BOOL(RPTLIST_SORTED, m_sorted); }
    HRESULT PutSorted(bool value) override { return Set_BOOL(RPTLIST_SORTED, value, m_sorted); }

    // S_FALSE (no box) for the title paragraph, S_OK for every other position.
    HRESULT IsParaSupportBox(int32_t nPos) override;
    // E_FAIL for no registered list; bringing the columns into line is not there yet: E_NOTIMPL,
    // nothing changed.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    // E_POINTER for null; the list's own construction is not there yet: E_NOTIMPL, nothing made.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command yet: S_FALSE for every one.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptList, SRptListMem)

protected:
    explicit SRptListImpl(ISRepSession* session) : SRptListMem(session) {}
    SRptListImpl(const SRptListImpl& source) : SRptListMem(source) {}

    // The editor's seams: no browser node yet (E_NOTIMPL), no command handled (S_FALSE).
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptListRegistry : public SRepStaticRegistry<SRptListRegistry> {
public:
    SRptListRegistry();
    static const SAttrEditorMap attrEditorMap;
};
