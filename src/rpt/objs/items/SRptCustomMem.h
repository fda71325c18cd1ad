#pragma once
// SRptCustom: the abstract base of the items whose content a host module supplies (groups,
// folders, group texts and titles, tables, user graphics). It holds the item's title (a string
// of the module, a default, one the report gives for a title path, or the user's own), a
// parameter handed back to the module, and the module's procedures and resources, all built from
// the module's item description; the module's procedures also give the item's table-of-contents
// entry. Its description makes a title paragraph at position 0, before a kind's own paragraphs.
#include <cstdint>

#include "platform/base/SString.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "varod9/ISRptCustom.h"

inline constexpr GUID CLSID_SRptCustom = MakeGUID("{A6BAC8D2-B730-11D1-8898-00A02455633B}");

class SRptCustomRegistry;

class SRptCustomMem : public SRptGrpMemberImpl {
public:
    SRPT_ATTRIBUTE_TABLE

    // The computed attributes, which the interface half answers.
    virtual SString GetDispTitle() = 0;
    virtual SString GetExDefTitle() = 0;
    virtual SString GetResPath() = 0;

protected:
    explicit SRptCustomMem(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptCustomMem(const SRptCustomMem& source) = default;

    // Keeps a resource path without announcing it (S_OK): the attribute protocol's write and the
    // interface's put, which announces, both store through it.
    virtual HRESULT StoreResPath(const SString& value) = 0;

    int32_t m_titleResID = 0;
    SString m_defaultTitle;
    SString m_titleFromRes;
    SString m_title;
    int32_t m_itemParam = 0;
    bool m_userDefined = false;
};

class SRptCustomImpl : public SRptCustomMem, public virtual ISRptCustom {
public:
    SRPT_PROPERTIES(SRptCustom)

    SString GetDispTitle() override;
    SString GetExDefTitle() override;
    SString GetResPath() override { return m_resPath; }
    HRESULT PutResPath(const SString& value) noexcept override;

    HRESULT GetUserProcs(IUnknown** pRptUserProcs) noexcept override;
    HRESULT SetUserProcs(IUnknown* pRptUserProcs) noexcept override;
    HINSTANCE GetResInstance() override { return m_resInstance; }
    HRESULT SetResInstance(HINSTANCE hResInstance) noexcept override;

    // The group member's part, then the titles, the parameter, the module's procedures and
    // resources, and the title paragraph at position 0.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptCustom, SRptCustomMem)

protected:
    explicit SRptCustomImpl(ISRepSession* session) : SRptCustomMem(session) {}
    // A copy keeps the module's procedures, resources and resource path.
    SRptCustomImpl(const SRptCustomImpl& source)
        : SRptCustomMem(source),
          m_userProcs(source.m_userProcs),
          m_resInstance(source.m_resInstance),
          m_resPath(source.m_resPath) {}

    // Label, " - " and the first line of the displayed title.
    SString ComputeLabelInTemplate() override;
    // Asks the module's procedures for the entry text; an item without procedures supplies none.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY* pEntry) override;
    HRESULT StoreResPath(const SString& value) override;

private:
    SComWrap<IUnknown> m_userProcs;
    HINSTANCE m_resInstance = nullptr;
    SString m_resPath;
};

class SRptCustomRegistry : public SRptStaticRegistry<SRptCustomRegistry> {
public:
    SRptCustomRegistry();
    static const SAttrEditorMap attrEditorMap;
};
