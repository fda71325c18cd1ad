#pragma once
// SRptList: a table whose lines the module supplies at generation. The cells of its first row are
// its columns, identified by their CellID; when Sorted, the columns marked sorted give the sort
// keys. A box may be drawn around every paragraph but its title.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptList.h"

inline constexpr GUID CLSID_SRptList = MakeGUID("{A6BAC8E4-B730-11D1-8898-00A02455633B}");

class SRptListRegistry;

class SRptListMem : public SRptTableImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptListMem(ISRepSession* session) : SRptTableImpl(session) {}
    SRptListMem(const SRptListMem& source) = default;

    bool m_sorted = false;
};

class SRptListImpl : public SRptPendingItemKind<SRptListMem>, public virtual ISRptList {
public:
    using Registry = SRptListRegistry;

    SRPT_PROPERTIES(SRptList)

    // S_FALSE (no box) for the title paragraph, S_OK for every other position.
    HRESULT IsParaSupportBox(int32_t nPos) noexcept override;
    // E_FAIL for no registered list; bringing the columns into line is not there yet: E_NOTIMPL,
    // nothing changed.
    HRESULT UpdateLabelPath(ISRptTable* pRegistered) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptList, SRptListMem)

protected:
    explicit SRptListImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptListImpl(const SRptListImpl& source) : SRptPendingItemKind(source) {}
};

class SRptListRegistry : public SRptStaticRegistry<SRptListRegistry> {
public:
    SRptListRegistry();
    static const SAttrEditorMap attrEditorMap;
};
