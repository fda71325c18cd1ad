#pragma once
// SRptPageBreak: a page break in a template. It has no paragraph and no text, supports none of the
// shared editor commands, and has one command of its own: "&Generate in HTML", which switches
// whether the HTML output starts a new page at it.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptGrpMemberMem.h"
#include "varod9/ISRptPageBreak.h"

inline constexpr GUID CLSID_SRptPageBreak = MakeGUID("{A6BAC8EE-B730-11D1-8898-00A02455633B}");

class SRptPageBreakRegistry;

class SRptPageBreakMem : public SRptGrpMemberImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptPageBreakMem(ISRepSession* session) : SRptGrpMemberImpl(session) {}
    SRptPageBreakMem(const SRptPageBreakMem& source) = default;

    bool m_htmlGen = false;
};

class SRptPageBreakImpl : public SRptPageBreakMem, public virtual ISRptPageBreak {
public:
    using Registry = SRptPageBreakRegistry;

    SRPT_PROPERTIES(SRptPageBreak)

    // The group member's part; a page break makes no paragraph.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // None of the shared commands.
    HRESULT IsItemSupportCommand(uint32_t) override { return S_FALSE; }

    SREP_QUERY_CLASS_INTERFACE(ISRptPageBreak, SRptPageBreakMem)

protected:
    explicit SRptPageBreakImpl(ISRepSession* session) : SRptPageBreakMem(session) {}
    SRptPageBreakImpl(const SRptPageBreakImpl& source) : SRptPageBreakMem(source) {}

    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    // "&Generate in HTML" (either menu's) switches HtmlGen; nothing else is handled.
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
    // A page break is no heading: it has no entry.
    HRESULT InitTblCtsEntry(RPTTBLCTSENTRY*) override { return S_OK; }
    HRESULT SetupParagraphs() { return SRptGrpMemberImpl::SetupParagraphs(); }
};

class SRptPageBreakRegistry : public SRptStaticRegistry<SRptPageBreakRegistry> {
public:
    SRptPageBreakRegistry();
    static const SAttrEditorMap attrEditorMap;
};
