#pragma once
// SRptGrpText: a module item whose text elements the module supplies at generation through its
// group text procedures, one node each, under a title paragraph of their own. No container: it
// has no members. Its own attribute says whether an empty text is shown.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptGrpText.h"

inline constexpr GUID CLSID_SRptGrpText = MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}");

class SRptGrpTextRegistry;

class SRptGrpTextMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptGrpTextMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptGrpTextMem(const SRptGrpTextMem& source) = default;

    bool m_displayIfEmpty = false;
};

class SRptGrpTextImpl : public SRptGrpTextMem, public virtual ISRptGrpText {
public:
    using Registry = SRptGrpTextRegistry;

    bool GetDisplayIfEmpty() override { return Get_BOOL(RPTGRPTEXT_DISPLAYIFEMPTY, m_displayIfEmpty); }
    HRESULT PutDisplayIfEmpty(bool value) override {
        return Set_BOOL(RPTGRPTEXT_DISPLAYIFEMPTY, value, m_displayIfEmpty);
    }

    // E_POINTER for null; the group text's own construction is not there yet: E_NOTIMPL,
    // nothing made.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // No command yet: S_FALSE for every one.
    HRESULT IsItemSupportCommand(uint32_t nID) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpText, SRptGrpTextMem)

protected:
    explicit SRptGrpTextImpl(ISRepSession* session) : SRptGrpTextMem(session) {}
    SRptGrpTextImpl(const SRptGrpTextImpl& source) : SRptGrpTextMem(source) {}

    // The editor's seams: no browser node yet (E_NOTIMPL), no command handled (S_FALSE).
    HRESULT OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t nIsDraggable, ISBrowserNode* pParent,
                                ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                SRptBrowserNodeItem** pBrowserNodeItem) override;
    HRESULT OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                 SWnd* pParentWnd) override;
};

class SRptGrpTextRegistry : public SRepStaticRegistry<SRptGrpTextRegistry> {
public:
    SRptGrpTextRegistry();
    static const SAttrEditorMap attrEditorMap;
};
